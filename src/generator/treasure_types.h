#pragma once

namespace vorneth {

class Generator;

// DoTypeA ... DoTypeZ: rolls the recipe of treasure type `letter` ("A" to "Z") `count` times,
// each repetition independent, adding one line per present coin, gem or jewelry component and
// asking for its magic items. A count of 0 or less does nothing.
void DoType(Generator& g, char letter, int count);

}  // namespace vorneth
