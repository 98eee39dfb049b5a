#include "platform/share_window.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "formats/split.h"
#include "platform/preset_answer.h"
#include "platform/screen_fit.h"

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
  QInputDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Share Among Party"));
  dialog.setInputMode(QInputDialog::IntInput);
  dialog.setLabelText(
      QStringLiteral("Characters (%1 to %2):").arg(formats::kMinShares).arg(formats::kMaxShares));
  dialog.setIntRange(formats::kMinShares, formats::kMaxShares);
  dialog.setIntValue(kSuggestedShares);
  // Wide enough for the caption whole in the title bar, beside the window's own buttons.
  // (The dialog's layout sets its own least size, so the width is asked of its label.)
  constexpr int kTitleBarButtons = 160;
  const int width = dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + kTitleBarButtons;
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    label->setMinimumWidth(width);
  }
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.intValue();
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
    for (const std::string_view line :
         shown == ListKind::DM ? share.hoard.DMList : share.hoard.PlayersList) {
      text << QString::fromUtf8(line);
    }
  }
  return text.join(u'\n');
}

QString SharesHtml(const std::vector<formats::HoardRecord>& shares, ListKind shown) {
  QString html;
  const int count = static_cast<int>(shares.size());
  for (int k = 1; k <= count; ++k) {
    const formats::HoardRecord& share = shares[static_cast<std::size_t>(k - 1)];
    const QString heading = shown == ListKind::DM
                                ? QString::fromStdString(formats::ShareHeading(k, count, share))
                                : QStringLiteral("Share %1 of %2").arg(k).arg(count);
    html += QStringLiteral("<p style=\"margin-top:%1px; margin-bottom:4px\"><b>%2</b></p>")
                .arg(k > 1 ? 14 : 0)
                .arg(heading.toHtmlEscaped());
    for (const std::string_view line :
         shown == ListKind::DM ? share.hoard.DMList : share.hoard.PlayersList) {
      html += QStringLiteral("<p style=\"margin:0; white-space:pre\">%1</p>")
                  .arg(QString::fromUtf8(line).toHtmlEscaped());
    }
  }
  return html;
}

QDialog* ShowShares(QWidget* parent, const formats::HoardRecord& record, int count,
                    ListKind shown) {
  auto* window = new QDialog(parent);
  window->setObjectName(QStringLiteral("Shares"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QStringLiteral("%1 - %2 Shares")
                             .arg(QString::fromStdString(record.hoard.Caption))
                             .arg(count));
  // The report's font: a window of its own inherits none, and the lists read alike everywhere.
  if (parent != nullptr) {
    window->setFont(parent->font());
  }
  window->resize(520, 440);

  const std::vector<formats::HoardRecord> shares = formats::SplitHoard(record, count);
  auto* text = new QTextBrowser(window);
  text->setObjectName(QStringLiteral("SharesText"));
  text->setLineWrapMode(QTextEdit::NoWrap);
  text->setHtml(SharesHtml(shares, shown));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
  QPushButton* copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
  copy->setObjectName(QStringLiteral("CopyShares"));
  QObject::connect(copy, &QPushButton::clicked, text, [plain = SharesText(shares, shown)] {
    QGuiApplication::clipboard()->setText(plain);
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);

  auto* layout = new QVBoxLayout(window);
  layout->addWidget(text);
  layout->addWidget(buttons);
  FitOnScreen(window);
  window->show();  // not modal: the report stays usable beside it
  return window;
}

}  // namespace vorneth::platform
