#include "platform/form_font.h"

namespace vorneth::platform {

QFont FormFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(13);
  return font;
}

}  // namespace vorneth::platform
