#include "app/form_font.h"

namespace vorneth::app {

QFont FormFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(13);
  return font;
}

}  // namespace vorneth::app
