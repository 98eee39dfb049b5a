#include "items/misc.h"

#include "core/generator.h"

// Miscellaneous magic items, first half: Misc1 to Misc3 and the special items that Misc1 hands
// over to. Every line is stored whole; rows that complete their item with a further roll name
// the sub-table that roll is made on.
namespace vorneth::items {
namespace {

// Orb of dragonkind: one kind per value of an eight-sided roll.
constexpr Row kDragonkindRows[] = {
    Fixed(1, 1, "(Hatchling)"), Fixed(2, 2, "(Very Young)"),
    Fixed(3, 3, "(Young)"),     Fixed(4, 4, "(Juvenile)"),
    Fixed(5, 5, "(Adult)"),     Fixed(6, 6, "(Old)"),
    Fixed(7, 7, "(Ancient)"),   Fixed(8, 8, "(Eternal Grand Dragon)"),
};
constexpr Table kDragonkind{"MiscSpecial.O", 8, kDragonkindRows};

constexpr Row kMiscSpecialRows[] = {
    Fixed(1, 1, "Axe of the Mountain Kings (55,000 gp)"),
    Fixed(2, 2, "Crone's Walking Hut (90,000 gp)"),
    Fixed(3, 4, "Codex of the Endless Realms (62,500 gp)"),
    Fixed(5, 20, "Crown of Might (50,000 gp)"),
    Fixed(21, 21, "Crystal of the Ebon Flame (75,000 gp)"),
    Fixed(22, 22, "Cup and Talisman of the Radiant Saint (85,000 gp)"),
    Fixed(23, 24, "Eye of the Fallen Tyrant (35,000 gp)"),
    Fixed(25, 25, "Hand of the Withered Mage (60,000 gp)"),
    Fixed(26, 26, "Thundering Pipe Organ (25,000 gp)"),
    Fixed(27, 27, "Horn of the Shifting Winds (20,000 gp)"),
    Fixed(28, 29, "Invumerable Coat of the Iron Warden (47,500 gp)"),
    Fixed(30, 31, "Iron Flask of the Abyssal Lord (50,000 gp)"),
    Fixed(32, 32, "Jacinth of Boundless Splendour (100,000 gp)"),
    Fixed(33, 33, "Gilded Death Mask (40,000 gp)"),
    Fixed(34, 35, "Everinked Quill (27,500 gp)"),
    Fixed(36, 37, "Mace of the Iron Saint (35,000 gp)"),
    Fixed(38, 38, "Machine of the Mad Artificer (72,500 gp)"),
    Fixed(39, 40, "Mighty Servant of the Iron Legion (185,000 gp)"),
    Variant(41, 47, "Orb of Dragonkind ", kDragonkind),
    Fixed(48, 63, "Orb of Might (100,000 gp)"),
    Fixed(64, 64, "Clockwork Nightingale (112,500 gp)"),
    Fixed(65, 66, "Recorder of the Elder Bard (80,000 gp)"),
    Fixed(67, 68, "Ring of the Grey Wanderer (17,500 gp)"),
    Fixed(69, 74, "Rod of Seven Shards (25,000 gp)"),
    Fixed(75, 91, "Sceptre of Might (150,000 gp)"),
    Fixed(92, 92, "Sword of the Betrayer Knight (97,000 gp)"),
    Fixed(93, 98, "Teeth of the Ancient Sage"),
    Fixed(99, 99, "Throne of the Gods"),
    Fixed(100, 100, "Wand of the Demon Prince"),
};
constexpr Table kMiscSpecial{"MiscSpecial", 100, kMiscSpecialRows};

// Bracers of defense: the armour class.
constexpr Row kBracersRows[] = {
    Fixed(1, 5, "8"),   Fixed(6, 15, "7"),  Fixed(16, 35, "6"),  Fixed(36, 50, "5"),
    Fixed(51, 70, "4"), Fixed(71, 85, "3"), Fixed(86, 100, "2"),
};
constexpr Table kBracers{"Misc1.B", 100, kBracersRows};

constexpr Row kMisc1Rows[] = {
    Fixed(1, 2, "Jug of Alchemy (12,000 gp)"),
    Fixed(3, 4, "Amulet of Revealed Whereabouts (1,000 gp)"),
    Fixed(5, 5, "Amulet of the Astral Wanderer (20,000 gp)"),
    Fixed(6, 7, "Amulet of Life Shielding (30,000 gp)"),
    Fixed(8, 11, "Amulet of Veiled Thoughts (15,000 gp)"),
    Fixed(12, 13, "Apparatus of the Iron Crab (35,000 gp)"),
    Fixed(14, 16, "Arrow of Unerring Direction (17,500 gp)"),
    Reference(17, 17, kMiscSpecial),
    Fixed(18, 20, "Bag of Wondrous Seeds (5,000 gp)"),
    Fixed(21, 21, "Bag of the Hungry Maw (1,500 gp)"),
    Fixed(22, 26, "Bag of Holding (25,000 gp)"),
    Fixed(27, 27, "Bag of Endless Pebbles (500 gp)"),
    Fixed(28, 29, "Bag of Conjured Beasts (15,000 gp)"),
    Fixed(30, 31, "Beaker of Bubbling Draughts (12,500 gp)"),
    Fixed(32, 32, "Folding Boat (25,000 gp)"),
    Fixed(33, 33, "Book of Exalted Virtue (40,000 gp)"),
    Fixed(34, 34, "Book of Infinite Spells (50,000 gp)"),
    Fixed(35, 35, "Book of Shadowed Secrets (40,000 gp)"),
    Fixed(36, 36, "Boots of Ceaseless Dancing (5,000 gp)"),
    Fixed(37, 42, "Boots of Silent Stride (5,000 gp)"),
    Fixed(43, 47, "Boots of the Long Leap (15,000 gp)"),
    Fixed(48, 51, "Boots of Swift Running (20,000 gp)"),
    Fixed(52, 55, "Boots of the Frozen Wastes (20,000 gp)"),
    Fixed(56, 58, "Bowl Commanding Water Elementals (25,000 gp)"),
    Fixed(59, 59, "Bowl of Drowning Waters (1,000 gp)"),
    Variant(60, 79, "Bracers of Defense AC ", kBracers),
    Fixed(80, 81, "Bracers of Feeble Defense (2,000 gp)"),
    Fixed(82, 84, "Brazier of Summoning Fire Elementals (25,000 gp)"),
    Fixed(85, 85, "Brazier of Noxious Fumes (1,000 gp)"),
    Fixed(86, 92, "Brooch of Shielding (10,000 gp)"),
    Fixed(93, 93, "Broom of Animated Assault (3,000 gp)"),
    Fixed(94, 98, "Broom of Flying (10,000 gp)"),
    Fixed(99, 100, "Gambler's Purse"),
};
constexpr Table kMisc1{"Misc1", 100, kMisc1Rows};

// Cloak of protection: the plus.
constexpr Row kCloakRows[] = {
    Fixed(1, 35, "1"),  Fixed(36, 65, "2"),  Fixed(66, 85, "3"),
    Fixed(86, 95, "4"), Fixed(96, 100, "5"),
};
constexpr Table kCloak{"Misc2.C", 100, kCloakRows};

constexpr Row kMisc2Rows[] = {
    Fixed(1, 6, "Candle of Invocation (5,000 gp)"),
    Fixed(7, 8, "Carpet of Flying (25,000 gp)"),
    Fixed(9, 10, "Censer Controlling Air Elementals (25,000 gp)"),
    Fixed(11, 11, "Censer of Choking Smoke (1,000 gp)"),
    Fixed(12, 13, "Chime of Opening (20,000 gp)"),
    Fixed(14, 14, "Chime of Hunger"),
    Fixed(15, 18, "Cloak of Displacement (17,500 gp)"),
    Fixed(19, 27, "Cloak of Elvenkind (6,000 gp)"),
    Fixed(28, 30, "Cloak of the Deep Swimmer (12,500 gp)"),
    Fixed(31, 32, "Cloak of Venomous Folds (2,500 gp)"),
    Variant(33, 55, "Cloak of Protection +", kCloak),
    Fixed(56, 60, "Crystal Ball (5,000 gp)"),
    Fixed(61, 61, "Scrying Ball (3,000 gp)"),
    Fixed(62, 63, "Cube of Force (20,000 gp)"),
    Fixed(64, 65, "Cube of Warding Cold (14,000 gp)"),
    Fixed(66, 67, "Cube (Cubic Gate) (17,500 gp)"),
    Fixed(68, 69, "Cube (Planar Vault) (27,500 gp)"),
    Fixed(70, 72, "Decanter of Endless Water (3,000 gp)"),
    Fixed(73, 76, "Deck of Illusions (10,000 gp)"),
    Fixed(77, 77, "Drums of Deafening (500 gp)"),
    Fixed(78, 79, "Drums of Panic (35,000 gp)"),
    Fixed(80, 85, "Dust of Appearance (4,000 gp)"),
    Fixed(86, 91, "Dust of Disappearance (8,000 gp)"),
    Fixed(92, 92, "Dust of Sneezing and Choking (1,000 gp)"),
    Fixed(93, 93, "Bottle (Efreeti) (45,000 gp)"),
    Fixed(94, 94, "Bottle (Eversmoking) (2,500 gp)"),
    Fixed(95, 95, "Eyes of Charming (24,000 gp)"),
    Fixed(96, 97, "Eyes of the Eagle (18,000 gp)"),
    Fixed(98, 99, "Eyes of Minute Seeing (12,500 gp)"),
    Fixed(100, 100, "Eyes of Petrification"),
};
constexpr Table kMisc2{"Misc2", 100, kMisc2Rows};

// Figurine of wondrous power: the figure.
constexpr Row kFigurineRows[] = {
    Fixed(1, 15, "(Ebony Fly)"),           Fixed(16, 30, "(Golden Lions - Pair)"),
    Fixed(31, 40, "(Ivory Goats - Trio)"), Fixed(41, 55, "(Marble Elephant)"),
    Fixed(56, 65, "(Bronze Griffon)"),     Fixed(66, 85, "(Silver Raven)"),
    Fixed(86, 100, "(Serpentine Owl)"),
};
constexpr Table kFigurine{"Misc3.F", 100, kFigurineRows};

// Girdle of giant strength: the giant (the row text carries the rest of the name).
constexpr Row kGiantRows[] = {
    Fixed(1, 30, "Hill Giant Strength"),   Fixed(31, 50, "Stone Giant Strength"),
    Fixed(51, 70, "Frost Giant Strength"), Fixed(71, 85, "Fire Giant Strength"),
    Fixed(86, 95, "Cloud Giant Strength"), Fixed(96, 100, "Storm Giant Strength"),
};
constexpr Table kGiant{"Misc3.G", 100, kGiantRows};

// Horn of Valhalla: the metal.
constexpr Row kValhallaRows[] = {
    Fixed(1, 8, "(Silver)"),
    Fixed(9, 15, "(Brass)"),
    Fixed(16, 18, "(Bronze)"),
    Fixed(19, 20, "(Iron)"),
};
constexpr Table kValhalla{"Misc3.V", 20, kValhallaRows};

// Ioun stone: the colour.
constexpr Row kIounRows[] = {
    Fixed(1, 1, "(Pale Blue)"),
    Fixed(2, 2, "(Scarlet and Blue)"),
    Fixed(3, 3, "(Incandescent Blue)"),
    Fixed(4, 4, "(Deep Red)"),
    Fixed(5, 5, "(Pink)"),
    Fixed(6, 6, "(Pink and Green)"),
    Fixed(7, 7, "(Pale Green)"),
    Fixed(8, 8, "(Milky White)"),
    Fixed(9, 9, "(Pale Lavender)"),
    Fixed(10, 10, "(Lavender and Green)"),
    Fixed(11, 11, "(Vibrant Purple)"),
    Fixed(12, 12, "(Iridescent)"),
    Fixed(13, 13, "(Clear)"),
    Fixed(14, 14, "(Dusty Rose)"),
    Fixed(15, 20, "(Dull Gray)"),
};
constexpr Table kIoun{"Misc3.I", 20, kIounRows};

// Instrument of the bards: the instrument.
constexpr Row kInstrumentRows[] = {
    Fixed(1, 5, "(Fachlucan Bandore)"), Fixed(6, 9, "(Dunlorn Cittern)"),
    Fixed(10, 12, "(Breacan Lute)"),    Fixed(13, 15, "(Taithmor Mandolin)"),
    Fixed(16, 17, "(Caoimhe Harp)"),    Fixed(18, 19, "(Aonghus Lyre)"),
    Fixed(20, 20, "(Ollamh Harp)"),
};
constexpr Table kInstrument{"Misc3.N", 20, kInstrumentRows};

constexpr Row kMisc3Rows[] = {
    Variant(1, 15, "Figurine of Wondrous Power ", kFigurine),
    Fixed(16, 16, "Flask of Curses (1,000 gp)"),
    Fixed(17, 18, "Gauntlets of Mighty Grip (10,000 gp)"),
    Fixed(19, 20, "Gauntlets of Fumbling (1,000 gp)"),
    Fixed(21, 22, "Gauntlets of Swimming and Climbing (15,000 gp)"),
    Fixed(23, 25, "Gauntlets of Dexterity (10,000 gp)"),
    Fixed(26, 26, "Gem of Brightness (17,500 gp)"),
    Fixed(27, 27, "Gem of Seeing (25,000 gp)"),
    Fixed(28, 28, "Girdle of Withering Strength (1,000 gp)"),
    Variant(29, 29, "Girdle of ", kGiant),
    Fixed(30, 30, "Helm of Brilliance (60,000 gp)"),
    Fixed(31, 35, "Helm of Tongues and Scripts (12,500 gp)"),
    Fixed(36, 37, "Helm of Turned Allegiance (1,000 gp)"),
    Fixed(38, 39, "Helm of Teleportation (35,000 gp)"),
    Fixed(40, 40, "Helm of Telepathy (30,000 gp)"),
    Fixed(41, 45, "Helm of the Deep Diver (10,000 gp)"),
    Fixed(46, 46, "Horn of Blasting (55,000 gp)"),
    Fixed(47, 48, "Horn of Bubbles"),
    Fixed(49, 49, "Horn of Collapsing (25,000 gp)"),
    Fixed(50, 53, "Horn of the Sea Lords (17,500 gp)"),
    Variant(54, 60, "Horn of Valhalla ", kValhalla),
    Fixed(61, 63, "Horseshoes of Speed (10,000 gp)"),
    Fixed(64, 65, "Horseshoes of the Zephyr (7,500 gp)"),
    Fixed(66, 70, "Incense of Meditation (7,500 gp)"),
    Fixed(71, 71, "Incense of Obsession (500 gp)"),
    Variant(72, 72, "Ioun Stone ", kIoun),
    Variant(73, 78, "Instrument of the Bards ", kInstrument),
    Fixed(79, 80, "Iron Flask"),
    Fixed(81, 85, "Javelin of Lightning (3,000 gp)"),
    Fixed(86, 90, "Javelin of Piercing (3,000 gp)"),
    Fixed(91, 91, "Jewel of Beckoning Foes (1,000 gp)"),
    Count(92, 92, "Jewel of Flawlessness ", 90, 10, " facets"),
    Fixed(93, 100, "Restorative Ointment (10,000 gp)"),
};
constexpr Table kMisc3{"Misc3", 100, kMisc3Rows};

constexpr const Table* kTables[] = {
    &kMisc1,    &kMisc2, &kMisc3,    &kMiscSpecial, &kBracers,    &kCloak,
    &kFigurine, &kGiant, &kValhalla, &kIoun,        &kInstrument, &kDragonkind,
};

}  // namespace

void Misc1(Generator& g) {
  RunTable(g, kMisc1);
}

void Misc2(Generator& g) {
  RunTable(g, kMisc2);
}

void Misc3(Generator& g) {
  RunTable(g, kMisc3);
}

void MiscSpecial(Generator& g) {
  RunTable(g, kMiscSpecial);
}

std::span<const Table* const> MiscTables() {
  return kTables;
}

}  // namespace vorneth::items
