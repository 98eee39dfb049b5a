#include <array>
#include <cstddef>

#include "core/generator.h"
#include "items/spell_lists.h"

namespace vorneth::items {

namespace {

template <std::size_t N, std::size_t M>
constexpr std::array<std::string_view, N + M> Join(const std::array<std::string_view, N>& first,
                                                   const std::array<std::string_view, M>& second) {
  std::array<std::string_view, N + M> joined{};
  for (std::size_t i = 0; i < N; ++i) {
    joined[i] = first[i];
  }
  for (std::size_t i = 0; i < M; ++i) {
    joined[N + i] = second[i];
  }
  return joined;
}

// Each list holds its names in alphabetical order (the pick is by position), except that the
// fifth-level magic-user list keeps "Conjure Elemental" directly before "Cone of Cold".

constexpr std::array<std::string_view, 20> kClerical1 = {
    "Bless",
    "Ceremony",
    "Combine",
    "Command",
    "Create Water",
    "Cure Light Wounds",
    "Detect Evil",
    "Detect Magic",
    "Endure Cold",
    "Endure Heat",
    "Invisibility to Undead",
    "Light",
    "Penetrate Disguise",
    "Portent",
    "Precipitation",
    "Protection from Evil",
    "Purify Food & Drink",
    "Remove Fear",
    "Resist Cold",
    "Sanctuary",
};

constexpr std::array<std::string_view, 20> kClerical2 = {
    "Aid",
    "Augury",
    "Chant",
    "Detect Charm",
    "Detect Life",
    "Dust Devil",
    "Enthrall",
    "Find Traps",
    "Hold Person",
    "Holy Symbol",
    "Know Alignment",
    "Messenger",
    "Resist Fire",
    "Silence 15' Radius",
    "Slow Poison",
    "Snake Charm",
    "Speak with Animals",
    "Spiritual Hammer",
    "Withdraw",
    "Wyvern Watch",
};

constexpr std::array<std::string_view, 20> kClerical3 = {
    "Animate Dead",    "Bestow Curse",        "Cloudburst",
    "Continual Light", "Create Food & Water", "Cure Blindness",
    "Cure Disease",    "Death's Door",        "Dispel Magic",
    "Feign Death",     "Flame Walk",          "Glyph of Warding",
    "Locate Object",   "Magical Vestment",    "Negative Plane Protection",
    "Prayer",          "Remove Curse",        "Remove Paralysis",
    "Speak with Dead", "Water Walk",
};

constexpr std::array<std::string_view, 16> kClerical4 = {
    "Abjure",
    "Cloak of Fear",
    "Cure Serious Wounds",
    "Detect Lie",
    "Divination",
    "Exorcise",
    "Giant Insect",
    "Imbue with Spell Ability",
    "Lower Water",
    "Neutralize Poison",
    "Protection from Evil 10' Radius",
    "Reflecting Pool",
    "Speak with Plants",
    "Spell Immunity",
    "Sticks to Snakes",
    "Tongues",
};

constexpr std::array<std::string_view, 16> kClerical5 = {
    "Air Walk",      "Atonement",    "Commune",     "Cure Critical Wounds",
    "Dispel Evil",   "Flame Strike", "Golem",       "Hallow Ground",
    "Insect Plague", "Magic Font",   "Plane Shift", "Quest",
    "Rainbow",       "Raise Dead",   "Slay Living", "True Seeing",
};

constexpr std::array<std::string_view, 12> kClerical6 = {
    "Aerial Servant",      "Animate Object", "Blade Barrier", "Conjure Animals", "Find the Path",
    "Forbiddance",         "Harm",           "Heal",          "Heroes' Feast",   "Part Water",
    "Speak with Monsters", "Word of Recall",
};

constexpr std::array<std::string_view, 12> kClerical7 = {
    "Astral Spell", "Control Weather", "Earthquake",   "Exaction", "Gate",   "Holy Word",
    "Regenerate",   "Restoration",     "Resurrection", "Succor",   "Symbol", "Wind Walk",
};

constexpr std::array<std::string_view, 16> kDruidical1 = {
    "Animal Friendship",       "Ceremony",       "Detect Balance",     "Detect Magic",
    "Detect Pits & Snares",    "Entangle",       "Faerie Fire",        "Goodberry",
    "Invisibility to Animals", "Locate Animals", "Pass without Trace", "Precipitation",
    "Predict Weather",         "Purify Water",   "Shillelagh",         "Speak with Animals",
};

constexpr std::array<std::string_view, 16> kDruidical2 = {
    "Barkskin",
    "Charm Person or Mammal",
    "Create Water",
    "Cure Light Wounds",
    "Feign Death",
    "Fire Trap",
    "Flame Blade",
    "Heat Metal",
    "Locate Plants",
    "Messenger",
    "Obscurement",
    "Produce Flame",
    "Reflecting Pool",
    "Slow Poison",
    "Trip",
    "Warp Wood",
};

constexpr std::array<std::string_view, 16> kDruidical3 = {
    "Call Lightning", "Cloudburst",        "Cure Disease", "Hold Animal",
    "Hold Plant",     "Neutralize Poison", "Plant Growth", "Protection from Fire",
    "Pyrotechnics",   "Sleet Shower",      "Snare",        "Spike Growth",
    "Starshine",      "Summon Insects",    "Tree",         "Water Breathing",
};

constexpr std::array<std::string_view, 12> kDruidical4 = {
    "Animal Summoning I",
    "Call Woodland Beings",
    "Control Temperature 10' Radius",
    "Cure Serious Wounds",
    "Dispel Magic",
    "Hallucinatory Forest",
    "Lower Water",
    "Plant Door",
    "Produce Fire",
    "Protection from Lightning",
    "Repel Insects",
    "Speak with Plants",
};

constexpr std::array<std::string_view, 12> kDruidical5 = {
    "Animal Growth", "Animal Summoning II",  "Anti-Plant Shell",      "Commune with Nature",
    "Control Winds", "Cure Critical Wounds", "Insect Plague",         "Moonbeam",
    "Pass Plant",    "Sticks to Snakes",     "Transmute Rock to Mud", "Wall of Fire",
};

constexpr std::array<std::string_view, 12> kDruidical6 = {
    "Animal Summoning III",
    "Anti-Animal Shell",
    "Conjure Fire Elemental",
    "Feeblemind",
    "Fire Seeds",
    "Heal",
    "Liveoak",
    "Transmute Water to Dust",
    "Transport via Plants",
    "Turn Wood",
    "Wall of Thorns",
    "Weather Summoning",
};

constexpr std::array<std::string_view, 12> kDruidical7 = {
    "Animate Rock",
    "Changestaff",
    "Chariot of Fire",
    "Confusion",
    "Conjure Earth Elemental",
    "Control Weather",
    "Creeping Doom",
    "Finger of Death",
    "Fire Storm",
    "Reincarnate",
    "Sunray",
    "Transmute Metal to Wood",
};

constexpr std::array<std::string_view, 39> kMagicUser1 = {
    "Affect Normal Fires",
    "Alarm",
    "Armor",
    "Burning Hands",
    "Cantrip",
    "Charm Person",
    "Chill Touch",
    "Color Spray",
    "Comprehend Languages",
    "Dancing Lights",
    "Detect Magic",
    "Detect Undead",
    "Enlarge",
    "Erase",
    "Find Familiar",
    "Friends",
    "Gaze Reflection",
    "Grease",
    "Hold Portal",
    "Identify",
    "Jump",
    "Light",
    "Magic Missile",
    "Mending",
    "Message",
    "Phantasmal Force",
    "Protection from Evil",
    "Push",
    "Read Magic",
    "Shield",
    "Shocking Grasp",
    "Sleep",
    "Slow Fall",
    "Spider Climb",
    "Spook",
    "Taunt",
    "Unseen Servant",
    "Ventriloquism",
    "Write",
};

constexpr std::array<std::string_view, 36> kMagicUser2 = {
    "Alter Self",
    "Audible Glamer",
    "Bind",
    "Blindness",
    "Blur",
    "Continual Light",
    "Darkness 15' Radius",
    "Deafness",
    "Detect Evil",
    "Detect Invisibility",
    "ESP",
    "Flaming Sphere",
    "Fool's Gold",
    "Forget",
    "Glitterdust",
    "Hypnotic Pattern",
    "Invisibility",
    "Irritation",
    "Knock",
    "Levitate",
    "Locate Object",
    "Magic Mouth",
    "Mirror Image",
    "Misdirection",
    "Protection from Cantrips",
    "Pyrotechnics",
    "Ray of Enfeeblement",
    "Rope Trick",
    "Scare",
    "Shatter",
    "Spectral Hand",
    "Stinking Cloud",
    "Strength",
    "Summon Swarm",
    "Web",
    "Wizard Lock",
};

constexpr std::array<std::string_view, 32> kMagicUser3 = {
    "Blink",
    "Clairaudience",
    "Clairvoyance",
    "Cloudburst",
    "Delude",
    "Dispel Magic",
    "Explosive Runes",
    "Feign Death",
    "Fireball",
    "Flame Arrow",
    "Fly",
    "Gust of Wind",
    "Haste",
    "Hold Person",
    "Hold Undead",
    "Infravision",
    "Invisibility 10' Radius",
    "Item",
    "Lightning Bolt",
    "Monster Summoning I",
    "Non-Detection",
    "Phantom Steed",
    "Protection from Evil 10' Radius",
    "Protection from Normal Missiles",
    "Secret Page",
    "Sepia Snake Sigil",
    "Slow",
    "Suggestion",
    "Tongues",
    "Vampiric Touch",
    "Water Breathing",
    "Wraithform",
};

constexpr std::array<std::string_view, 32> kMagicUser4 = {
    "Charm Monster",
    "Confusion",
    "Contagion",
    "Dig",
    "Dimension Door",
    "Emotion",
    "Enchanted Weapon",
    "Enervation",
    "Extension I",
    "Fear",
    "Fire Charm",
    "Fire Shield",
    "Fire Trap",
    "Fumble",
    "Hallucinatory Terrain",
    "Ice Storm",
    "Illusionary Wall",
    "Magic Mirror",
    "Massmorph",
    "Minor Globe of Invulnerability",
    "Monster Summoning II",
    "Plant Growth",
    "Polymorph Other",
    "Polymorph Self",
    "Rainbow Pattern",
    "Remove Curse",
    "Shout",
    "Solid Fog",
    "Ultravision",
    "Wall of Fire",
    "Wall of Ice",
    "Wizard Eye",
};

constexpr std::array<std::string_view, 30> kMagicUser5 = {
    "Airy Water",
    "Animal Growth",
    "Animate Dead",
    "Avoidance",
    "Chaos",
    "Cloudkill",
    "Conjure Elemental",
    "Cone of Cold",
    "Contact Other Plane",
    "Dismissal",
    "Distance Distortion",
    "Domination",
    "Dream",
    "Extension II",
    "Fabricate",
    "False Vision",
    "Feeblemind",
    "Hold Monster",
    "Magic Jar",
    "Major Creation",
    "Monster Summoning III",
    "Passwall",
    "Seeming",
    "Sending",
    "Shadow Door",
    "Telekinesis",
    "Teleport",
    "Transmute Rock to Mud",
    "Wall of Force",
    "Wall of Iron",
};

constexpr std::array<std::string_view, 30> kMagicUser6 = {
    "Anti-Magic Shell",
    "Chain Lightning",
    "Conjure Animals",
    "Contingency",
    "Control Weather",
    "Death Spell",
    "Disintegrate",
    "Enchant an Item",
    "Ensnarement",
    "Extension III",
    "Eyebite",
    "Geas",
    "Glassee",
    "Globe of Invulnerability",
    "Guards and Wards",
    "Invisible Stalker",
    "Legend Lore",
    "Lower Water",
    "Mass Suggestion",
    "Mirage Arcana",
    "Mislead",
    "Monster Summoning IV",
    "Move Earth",
    "Part Water",
    "Programmed Illusion",
    "Project Image",
    "Reincarnation",
    "Repulsion",
    "Spiritwrack",
    "True Seeing",
};

constexpr std::array<std::string_view, 24> kMagicUser7 = {
    "Banishment",
    "Cacodemon",
    "Charm Plants",
    "Control Undead",
    "Delayed Blast Fireball",
    "Duo-Dimension",
    "Finger of Death",
    "Forcecage",
    "Limited Wish",
    "Mass Invisibility",
    "Monster Summoning V",
    "Phase Door",
    "Power Word Stun",
    "Prismatic Spray",
    "Reverse Gravity",
    "Sequester",
    "Shadow Walk",
    "Simulacrum",
    "Spectral Blade",
    "Spell Turning",
    "Statue",
    "Teleport without Error",
    "Vanish",
    "Vision",
};

constexpr std::array<std::string_view, 20> kMagicUser8 = {
    "Antipathy/Sympathy",
    "Binding",
    "Clone",
    "Demand",
    "Glassteel",
    "Horrid Wilting",
    "Incendiary Cloud",
    "Irresistible Dance",
    "Mass Charm",
    "Maze",
    "Mind Blank",
    "Monster Summoning VI",
    "Permanency",
    "Polymorph Any Object",
    "Power Word Blind",
    "Prismatic Wall",
    "Screen",
    "Sink",
    "Symbol",
    "Trap the Soul",
};

constexpr std::array<std::string_view, 16> kMagicUser9 = {
    "Astral Spell",
    "Crystalbrittle",
    "Energy Drain",
    "Foresight",
    "Gate",
    "Imprisonment",
    "Meteor Swarm",
    "Monster Summoning VII",
    "Power Word Kill",
    "Prismatic Sphere",
    "Shape Change",
    "Succor",
    "Temporal Stasis",
    "Time Stop",
    "Wail of the Banshee",
    "Wish",
};

constexpr std::array<std::string_view, 16> kIllusionist1 = {
    "Audible Glamer",  "Change Self",
    "Chromatic Orb",   "Color Spray",
    "Dancing Lights",  "Darkness",
    "Detect Illusion", "Detect Invisibility",
    "Gaze Reflection", "Hypnotism",
    "Light",           "Phantasmal Force",
    "Phantom Armor",   "Read Illusionist Magic",
    "Spook",           "Wall of Fog",
};

constexpr std::array<std::string_view, 16> kIllusionist2 = {
    "Alter Self",
    "Blindness",
    "Blur",
    "Deafness",
    "Detect Magic",
    "Fascinate",
    "Fog Cloud",
    "Hypnotic Pattern",
    "Illusionary Script",
    "Improved Phantasmal Force",
    "Invisibility",
    "Magic Mouth",
    "Mirror Image",
    "Misdirection",
    "Ventriloquism",
    "Whispering Wind",
};

constexpr std::array<std::string_view, 16> kIllusionist3 = {
    "Continual Darkness",
    "Continual Light",
    "Delude",
    "Dispel Illusion",
    "Fear",
    "Hallucinatory Terrain",
    "Illusionary Wall",
    "Invisibility 10' Radius",
    "Non-Detection",
    "Paralyzation",
    "Phantom Steed",
    "Phantom Wind",
    "Rope Trick",
    "Spectral Force",
    "Suggestion",
    "Wraithform",
};

constexpr std::array<std::string_view, 12> kIllusionist4 = {
    "Confusion", "Dimension Door", "Dispel Exhaustion", "Emotion",         "Improved Invisibility",
    "Massmorph", "Minor Creation", "Phantasmal Killer", "Rainbow Pattern", "Shadow Monsters",
    "Solid Fog", "Vacancy",
};

constexpr std::array<std::string_view, 12> kIllusionist5 = {
    "Advanced Illusion", "Chaos",        "Demi-Shadow Monsters", "Dream",
    "Major Creation",    "Maze",         "Projected Image",      "Seeming",
    "Shadow Door",       "Shadow Magic", "Summon Shadow",        "Tempus Fugit",
};

constexpr std::array<std::string_view, 12> kIllusionist6 = {
    "Conjure Animals",
    "Demi-Shadow Magic",
    "Eyebite",
    "Mass Suggestion",
    "Mirage Arcana",
    "Mislead",
    "Permanent Illusion",
    "Phantasmagoria",
    "Programmed Illusion",
    "Shades",
    "True Sight",
    "Veil",
};

// The illusionist's seventh level: its own names, then every first-level magic-user spell.
constexpr std::array<std::string_view, 7> kIllusionist7Own = {
    "Alter Reality", "Astral Spell", "Prismatic Spray", "Prismatic Wall",
    "Sunburst",      "Vision",       "Weird",
};
constexpr auto kIllusionist7 = Join(kIllusionist7Own, kMagicUser1);

using List = std::span<const std::string_view>;

// Indexed by level - 1; a level outside 1 to the last index falls to the last list.
constexpr List kMagicUserLists[] = {kMagicUser1, kMagicUser2, kMagicUser3, kMagicUser4, kMagicUser5,
                                    kMagicUser6, kMagicUser7, kMagicUser8, kMagicUser9};
constexpr List kIllusionistLists[] = {kIllusionist1, kIllusionist2, kIllusionist3, kIllusionist4,
                                      kIllusionist5, kIllusionist6, kIllusionist7};
constexpr List kClericalLists[] = {kClerical1, kClerical2, kClerical3, kClerical4,
                                   kClerical5, kClerical6, kClerical7};
constexpr List kDruidicalLists[] = {kDruidical1, kDruidical2, kDruidical3, kDruidical4,
                                    kDruidical5, kDruidical6, kDruidical7};

struct ClassLists {
  std::string_view text;
  std::span<const List> lists;
};

// Indexed by SpellClass.
constexpr ClassLists kClasses[] = {{"Magic User", kMagicUserLists},
                                   {"Illusionist", kIllusionistLists},
                                   {"Clerical", kClericalLists},
                                   {"Druidical", kDruidicalLists}};

const ClassLists& Class(SpellClass spellClass) {
  return kClasses[static_cast<std::size_t>(spellClass)];
}

}  // namespace

std::string_view SpellClassText(SpellClass spellClass) {
  return Class(spellClass).text;
}

std::span<const std::string_view> SpellList(SpellClass spellClass, int level) {
  const std::span<const List> lists = Class(spellClass).lists;
  const auto highest = static_cast<int>(lists.size());
  const int chosen = level >= 1 && level < highest ? level : highest;
  return lists[static_cast<std::size_t>(chosen - 1)];
}

std::string RandomSpell(Generator& g, SpellClass spellClass, int level) {
  std::string text;
  AppendRandomSpell(g, spellClass, level, text);
  return text;
}

void AppendRandomSpell(Generator& g, SpellClass spellClass, int level, std::string& text) {
  const std::span<const std::string_view> list = SpellList(spellClass, level);
  const int position = g.Roll(static_cast<int>(list.size()));
  text += " - ";
  text += list[static_cast<std::size_t>(position)];
}

}  // namespace vorneth::items
