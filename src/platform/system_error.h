#pragma once

#include <QString>
#include <cstring>

namespace vorneth::platform {

// The system's words for an errno value, e.g. "No space left on device".
inline QString SystemErrorText(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace vorneth::platform
