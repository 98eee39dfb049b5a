#include "forms/HordeSpl1.h"

#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/form_font.h"
#include "version.h"

namespace {

// The box's own blue on a light palette; on a dark one a light blue that can be read there.
constexpr QColor kLightBlue(0x8a, 0xb4, 0xff);

// `around` is the palette of what the label stands on.
void colourTitle(QLabel* label, const QPalette& around) {
  QPalette palette = label->palette();
  const bool dark = around.color(QPalette::Window).lightness() < 128;
  palette.setColor(QPalette::WindowText, dark ? kLightBlue : QColor(Qt::blue));
  label->setPalette(palette);
}

QLabel* titleLabel(const QString& text, QWidget* parent, int left, int top) {
  auto* label = new QLabel(text, parent);
  QFont font = vorneth::platform::FormFont();
  font.setPixelSize(15);
  font.setBold(true);
  label->setFont(font);
  label->setProperty("title", true);
  colourTitle(label, parent->palette());
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

THordeSplash::THordeSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("HordeSplash"));
  setWindowTitle(QStringLiteral("Vorneth"));
  setFont(vorneth::platform::FormFont());
  setModal(true);

  auto* client = new QWidget(this);
  client->setFixedSize(400, 230);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(client);

  auto* logo = new QLabel(client);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setGeometry(0, 0, 400, 100);
  logo->setPixmap(QPixmap(QStringLiteral(":/vorneth_logo.png")));

  titleLabel(QStringLiteral("The Random Hoard Generator"), client, 90, 108)
      ->setObjectName(QStringLiteral("Label1"));
  titleLabel(QStringLiteral("Version %1").arg(QLatin1String(vorneth::kShownVersion)), client, 132,
             132)
      ->setObjectName(QStringLiteral("Label2"));

  Button1 = new QPushButton(QStringLiteral("OK"), client);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(166, 186, 75, 33);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &THordeSplash::Button1Click);

  move(63, 52);
}

void THordeSplash::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
    for (QLabel* label : findChildren<QLabel*>()) {
      if (label->property("title").toBool()) {
        colourTitle(label, palette());
      }
    }
  }
}

void THordeSplash::Button1Click() {
  accept();
}
