#pragma once

namespace vorneth::app {

// The whole program: the single-instance rule, then the request form, the report form and the
// about box in that order, then the event loop. Returns the exit code.
int RunVorneth(int argc, char** argv);

}  // namespace vorneth::app
