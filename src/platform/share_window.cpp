#include "platform/share_window.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "formats/split.h"
#include "platform/preset_answer.h"

namespace vorneth::platform {

namespace {

constexpr int kSuggestedShares = 4;  // a usual party

PresetAnswer<int>& Preset() {
  static PresetAnswer<int> preset;
  return preset;
}

}  // namespace

std::optional<int> AskShareCount(QWidget* parent) {
  if (std::optional<int> preset; Preset().Take(preset)) {
    return preset;
  }
  bool ok = false;
  const int count = QInputDialog::getInt(
      parent, QStringLiteral("Share Among Party"),
      QStringLiteral("Characters (%1 to %2):").arg(formats::kMinShares).arg(formats::kMaxShares),
      kSuggestedShares, formats::kMinShares, formats::kMaxShares, 1, &ok);
  return ok ? std::optional<int>(count) : std::nullopt;
}

void SetNextShareCount(std::optional<int> count) {
  Preset().Set(count);
}

QString SharesText(const std::vector<formats::HoardRecord>& shares, ListKind shown) {
  QStringList text;
  const int count = static_cast<int>(shares.size());
  for (int k = 1; k <= count; ++k) {
    const formats::HoardRecord& share = shares[static_cast<std::size_t>(k - 1)];
    if (k > 1) {
      text << QString();
    }
    text << (shown == ListKind::DM ? QString::fromStdString(formats::ShareHeading(k, count, share))
                                   : QStringLiteral("Share %1 of %2").arg(k).arg(count));
    for (const std::string& line :
         shown == ListKind::DM ? share.hoard.DMList : share.hoard.PlayersList) {
      text << QString::fromStdString(line);
    }
  }
  return text.join(u'\n');
}

QDialog* ShowShares(QWidget* parent, const formats::HoardRecord& record, int count,
                    ListKind shown) {
  auto* window = new QDialog(parent);
  window->setObjectName(QStringLiteral("Shares"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QStringLiteral("%1 - %2 Shares")
                             .arg(QString::fromStdString(record.hoard.Caption))
                             .arg(count));
  window->resize(520, 440);

  auto* text = new QPlainTextEdit(SharesText(formats::SplitHoard(record, count), shown), window);
  text->setObjectName(QStringLiteral("SharesText"));
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
  QPushButton* copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
  copy->setObjectName(QStringLiteral("CopyShares"));
  QObject::connect(copy, &QPushButton::clicked, text,
                   [text] { QGuiApplication::clipboard()->setText(text->toPlainText()); });
  QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);

  auto* layout = new QVBoxLayout(window);
  layout->addWidget(text);
  layout->addWidget(buttons);
  window->show();  // not modal: the report stays usable beside it
  return window;
}

}  // namespace vorneth::platform
