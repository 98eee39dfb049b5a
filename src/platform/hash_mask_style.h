#pragma once

#include <QProxyStyle>

namespace vorneth::platform {

// A style for one password-mode line edit that masks every character with "#" instead of the
// style's usual bullet. Everything else is drawn by the application's style.
class HashMaskStyle : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
};

}  // namespace vorneth::platform
