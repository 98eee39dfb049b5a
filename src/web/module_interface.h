#pragma once

// What the files of the browser module share: how a function is exported, and the input buffer
// the page writes texts into.

#include <string_view>

// A function of the module's interface, exported under its own name.
#define VORNETH_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace vorneth::web {

// The text the page wrote last into the buffer of vorneth_input.
std::string_view InputText();

}  // namespace vorneth::web
