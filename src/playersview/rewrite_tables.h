#pragma once

// The three rewrite tables of the players' view, in test order. Every test is a case-sensitive,
// byte-exact substring test; the first entry (in table order) that occurs anywhere in a line
// decides, wherever in the line it stands.

#include <iterator>
#include <string_view>

namespace vorneth::playersview {

// ParseSubs: the first key found replaces the whole line by its outward form.
struct Substitution {
  std::string_view key;
  std::string_view outward;
};

inline constexpr Substitution kSubstitutions[] = {
    {"Potion", "Potion"},
    {"Ointment", "Ointment"},
    {"Purse", "Bag"},
    {"Haversack", "Bag"},
    {"Pouch ", "Bag"},
    {"Staff-", "Staff"},
    {"Cyclocone", "Hat"},
    {"Dicerion", "Candlestick"},
    {"Anything Item", "Scroll"},
    {"Anything Armour", "Scale Mail"},
    {"Elfin Chain Mail", "Chain Mail"},
    {"Hornblade", "Animal Horn"},
    {"Quarterstaff, Magic", "Quarterstaff"},
    {"Eyes ", "Gem"},
    {"Periapt", "Gem"},
    {"Lens ", "Gem"},
    {"Libram", "Book"},
    {"Spoon", "Spoon"},
    {"Manual ", "Book"},
    {"Book", "Book"},
    {"Tome ", "Book"},
    {"Grimoire", "Book"},
    {"Wings ", "Cloak"},
    {"Mantle ", "Cloak"},
    {"Censer", "Incense Burner"},
    {"Chime ", "Hollow Mithral Tube"},
    {"Philter", "Potion"},
    {"Elixir", "Potion"},
    {"Scarab", "Brooch"},
    {"Folding Boat", "Small Wooden Box"},
    {"Well ", "Fine Cloth"},
    {"Apparatus", "Large Iron Barrel"},
    {"Pigments", "Pot"},
    {"Jewel ", "Gem"},
    {"Ioun ", "Stone"},
    {"Stone Horse", "Sculpture of a Horse"},
    {"Stone", "Stone"},
    {"Sheet of Smallness", "Fine Cloth"},
    {"Lanthorn", "Lantern"},
    {"Sovereign Glue", "Potion"},
    {"Ultimate Solution", "Potion"},
    {"Wind Fan", "Fan"},
    {"Flowing Flagon", "Flagon"},
    {"Component Case", "Bag"},
    {"Portable Hole", "Fine Cloth"},
    {" Feather ", "Charm"},
    {"Iron Bands", "Rusty Iron Sphere"},
    {"Prison", "Birdcage"},
    {"Jug ", "Jug"},
    {"Bowl", "Bowl"},
    {"Flask", "Bottle"},
    {"Cube ", "Cube"},
    {" Ball ", "Crystal Ball"},
    {"Bottle", "Bottle"},
};

// ParseTrunc: before the tests, a line holding " with " is cut before it.
inline constexpr std::string_view kTruncPreStep = " with ";

// How a truncation test cuts the line once its marker is found at 1-based position p.
enum class CutKind {
  Before,    // the characters preceding the leftmost occurrence of `cutMarker`
  KeepFirst  // the first p + keepOffset characters (none when that is 0 or less)
};

struct Truncation {
  std::string_view marker;  // what the line is tested for
  CutKind kind;
  std::string_view cutMarker;  // CutKind::Before: the marker cut before
  int keepOffset;              // CutKind::KeepFirst: characters kept beyond p
};

inline constexpr Truncation kTruncations[] = {
    {" of ", CutKind::Before, " of ", 0},
    // Everything through "Jewelry Items" and the one character after it.
    {"Jewelry Items", CutKind::KeepFirst, {}, 13},
    {"(Cursed)", CutKind::Before, "(Cursed)", 0},
    {" Cursed ", CutKind::Before, " Cursed ", 0},
    {" Vorpal ", CutKind::Before, " Vorpal ", 0},
    {" Sun Blade ", CutKind::Before, " Sun Blade ", 0},
    // Tested with the sword, cut at the shorter marker.
    {"sword, Anything ", CutKind::Before, ", Anything", 0},
    // Drops the opening quote of the sword's name and keeps the blank before it.
    {"Final Word", CutKind::KeepFirst, {}, -2},
    {" -1", CutKind::Before, " -1", 0},
    {" -2", CutKind::Before, " -2", 0},
    {"+", CutKind::Before, "+", 0},
};

// ParseGems: the first name found keeps the text before `cutBefore` and appends the stones'
// look. Three names stand for two stones each; `secondTest` (anywhere in the line) tells
// them apart. Every look ends with ")", closing the bracket of the gem lot.
struct Appearance {
  std::string_view name;
  std::string_view cutBefore;
  std::string_view look;          // the look, or the look when `secondTest` is found
  std::string_view secondTest{};  // empty: a single stone
  std::string_view lookOtherwise{};
};

inline constexpr Appearance kAppearances[] = {
    // 10 gp stones.
    {"Azurite", "Azurite", "Opaque, mottled deep blue)"},
    {"Banded Agate", "Banded Agate", "Translucent, bands of brown, white and blue)"},
    {"Blue Quartz", "Blue Quartz", "Transparent, pale blue)"},
    {"Eye Agate", "Eye Agate", "Translucent, gray-white rings around a dark eye)"},
    {"Hematite", "Hematite", "Opaque, metallic gray-black)"},
    {"Lapis Lazuli", "Lapis Lazuli", "Opaque, deep blue flecked with gold)"},
    {"Malachite", "Malachite", "Opaque, banded light and dark green)"},
    {"Moss Agate", "Moss Agate", "Translucent, milky with green moss-like threads)"},
    {"Obsidian", "Obsidian", "Opaque, glassy black)"},
    {"Rhodochrosite", "Rhodochrosite", "Translucent, soft rose pink)"},
    {"Tiger Eye", "Tiger Eye", "Opaque, golden brown with silky stripes)"},
    {"Turquoise", "Turquoise", "Opaque, sky blue-green with dark veins)"},
    // 50 gp stones.
    {"Bloodstone", "Bloodstone", "Opaque, dark gray with red flecks)"},
    {"Carnelian", "Carnelian", "Translucent, orange-red)"},
    {"Chalcedony", "Chalcedony", "Translucent, milky white)"},
    {"Chrysoprase", "Chrysoprase", "Translucent, apple green)"},
    {"Citrine", "Citrine", "Transparent, pale golden yellow)"},
    {"Jasper", "Jasper", "Opaque, earthy red-brown)"},
    {"Moonstone", "Moonstone", "Translucent, white with a blue sheen)"},
    {"Onyx", "Onyx", "Opaque, black and white bands)"},
    {"Rock Crystal", "Rock Crystal", "Transparent, clear)"},
    {"Sardonyx", "Sardonyx", "Opaque, red and white bands)"},
    {"Smoky Quartz", "Smoky Quartz", "Transparent, smoky brown-gray)"},
    {"Star Rose Quartz", "Star Rose Quartz", "Translucent, rose pink with white 'star' center)"},
    {"Zircon", "Zircon", "Transparent, clear pale blue-green)"},
    // Dearer stones; a compound name comes before any name it contains.
    {"Amber", "Amber", "Transparent, warm honey gold)"},
    {"Alexandrite", "Alexandrite", "Transparent, green by day, red by lamplight)"},
    {"Chrysoberyl", "Chrysoberyl", "Transparent, yellow-green)"},
    {"Coral", "Coral", "Opaque, crimson-pink)"},
    {"Garnet", "Garnet", "Transparent, violet)", "Violet", "Transparent, red)"},
    {"Jade", "Jade", "Translucent, light to deep green)"},
    {"Jet", "Jet", "Opaque, deep polished black)"},
    {"Pearl,", "Pearl", "Opaque, white)", "White", "Opaque, black)"},
    {"Spinel", "Spinel", "Transparent, deep blue)", "Blue", "Transparent, deep green)"},
    {"Tourmaline", "Tourmaline", "Transparent, pale blue)"},
    {"Aquamarine", "Aquamarine", "Transparent, pale blue-green)"},
    {"Peridot", "Peridot", "Transparent, olive green)"},
    {"Black Opal", "Black Opal", "Translucent, black with flashes of green and gold)"},
    {"Fire Opal", "Fire Opal", "Translucent, fiery red-orange)"},
    {"Oriental Amethyst", "Oriental Amethyst", "Transparent, rich violet)"},
    {"Oriental Topaz", "Oriental Topaz", "Transparent, fiery yellow)"},
    {"Topaz", "Topaz", "Transparent, golden yellow)"},
    {"Star Ruby", "Star Ruby", "Translucent, deep crimson with white 'star' center)"},
    {"Star Sapphire", "Star Sapphire", "Translucent, deep blue with white 'star' center)"},
    {"Black Sapphire", "Black Sapphire", "Translucent, lustrous black with glowing highlights)"},
    {"Sapphire", "Sapphire", "Transparent, clear to deep blue)"},
    {"Diamond", "Diamond", "Transparent, clear white-blue)"},
    {"Jacinth", "Jacinth", "Transparent, fiery orange)"},
    {"Oriental Emerald", "Oriental Emerald", "Transparent, brilliant clear green)"},
    {"Emerald", "Emerald", "Transparent, deep bright green)"},
    {"Ruby", "Ruby", "Transparent, clear to deep crimson)"},
    {"Opal", "Opal", "Translucent, milky white with shifting colors)"},
    {"Amethyst", "Amethyst", "Transparent, deep purple)"},
};

static_assert(std::size(kSubstitutions) == 54);
static_assert(std::size(kTruncations) == 11);
static_assert(std::size(kAppearances) == 53);

}  // namespace vorneth::playersview
