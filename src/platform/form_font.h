#pragma once

#include <QFont>

namespace vorneth::platform {

// The font of the three forms: a sans serif with 13-pixel characters. Liberation Sans when
// installed (narrow, like the classic dialog fonts the layout was drawn for), else whatever
// sans serif the system substitutes.
QFont FormFont();

}  // namespace vorneth::platform
