#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "formats/hoard_record.h"
#include "platform/list_kind.h"

class QDialog;
class QWidget;

namespace vorneth::platform {

// How many characters share the hoard (2 to 12), asked in a small dialog; nullopt when the
// user cancels.
std::optional<int> AskShareCount(QWidget* parent);

// Answers the next AskShareCount without a dialog (tests); nullopt means "cancelled".
void SetNextShareCount(std::optional<int> count);

// The shares of the hoard, as text: each headed "Share k of K, worth X gp" (the players list:
// "Share k of K", for the players never see a value), then its lines of the list `shown`,
// shares apart by an empty line.
QString SharesText(const std::vector<formats::HoardRecord>& shares, ListKind shown);

// The same as HTML for the window: each heading in bold, set apart from the share before it,
// every line as it is, blanks kept.
QString SharesHtml(const std::vector<formats::HoardRecord>& shares, ListKind shown);

// Shows the hoard divided among `count` characters in a window of its own, beside the report,
// with "Copy" (all of it to the clipboard) and "Close". The window deletes itself when closed.
QDialog* ShowShares(QWidget* parent, const formats::HoardRecord& record, int count, ListKind shown);

}  // namespace vorneth::platform
