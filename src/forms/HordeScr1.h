#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

#include "core/hoard_request.h"
#include "core/line_origin.h"
#include "core/random_source.h"
#include "formats/hoard_record.h"
#include "platform/list_kind.h"
#include "platform/thousands_separator.h"

class QAction;
class QLabel;
class QListView;
class QMenuBar;
class QPushButton;
class QStringListModel;

// The report form: generates a hoard each time it is shown and lets the game master switch
// between the DM list and the players list, save, print or edit them.
class THordeScr : public QDialog {
  Q_OBJECT

 public:
  using Lines = vorneth::LineList;

  explicit THordeScr(
      vorneth::RandomSource& random, QWidget* parent = nullptr,
      vorneth::platform::ThousandsSeparator separator = vorneth::platform::ThousandsSeparator());

  // The request of the hoard to show: "Generate" hands it over before it shows the form. The
  // form keeps it for that hoard: its title heads saved lists.
  void setRequest(vorneth::HoardRequest request) { request_ = std::move(request); }
  const vorneth::HoardRequest& request() const { return request_; }

  // The assembly: runs on every showing of the form, for the kept request, from the random
  // source as it stands (the request form has seeded it).
  void FormShow();

  const Lines& dmLines() const { return lstDMs; }
  const Lines& playerLines() const { return lstPlayers; }
  bool dmListShown() const { return DMListShown; }
  QStringList visibleLines() const;
  // The worth line under the DM list ("Worth 12,345 gp + 5 magic items (27,500 gp)"), with its
  // breakdown as tooltip; hidden while the players list is shown.
  const QLabel* worthLabel() const { return worthLabel_; }
  const std::string& thousandsSeparator() const { return separator_.utf8(); }

 public slots:
  void butDMClick();
  void butPlayerClick();
  void butExitClick();

  // Saving and printing either stored list; editing the list shown.
  void SaveDMsList1Click() { saveList(lstDMs, vorneth::platform::ListKind::DM); }
  void SavePlayersList1Click() { saveList(lstPlayers, vorneth::platform::ListKind::Players); }
  void PrintDMsList1Click() { printList(lstDMs, vorneth::platform::ListKind::DM); }
  void PrintPlayersList1Click() { printList(lstPlayers, vorneth::platform::ListKind::Players); }
  void Edit1Click() { editShownList(); }

  // Beyond the form's own menu items: File > "Export..." writes the hoard shown (both lists,
  // worth, seed, request) as Markdown, CSV, JSON, a Foundry journal or a PDF printout; "Copy"
  // (Ctrl+C, and the list's context menu) puts the selected line, or else the whole list shown,
  // on the clipboard, and "Copy All" the whole list.
  void exportHoard();
  void copyLines(bool all);
  // File > "Share Among Party..." shows the hoard divided among 2 to 12 characters, in the list
  // shown, in a window beside the report.
  void shareHoard();

 signals:
  // F1: the request form, which owns the help window, opens it.
  void helpRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenu(QMenuBar* menu);
  // Opens the form at its own size, or smaller where the screen has less room, on the screen.
  void fitToScreen();
  // Places the list, the buttons and the worth line in the client area as large as it is.
  void layOutClient();
  void showList(const Lines& lines, bool dmList);
  void valueDMList();
  // The hoard as the form shows it now (edits included), for exports and shares.
  vorneth::formats::HoardRecord shownRecord() const;

  void saveList(const Lines& lines, vorneth::platform::ListKind kind);
  void printList(const Lines& lines, vorneth::platform::ListKind kind);
  void editShownList();

  vorneth::RandomSource& random_;
  vorneth::HoardRequest request_;
  vorneth::platform::ThousandsSeparator separator_;

  QMenuBar* menu_ = nullptr;
  QWidget* client_ = nullptr;
  QListView* TreasList;
  QStringListModel* treasModel_;
  QPushButton* butExit;
  QPushButton* butPlayer;
  QPushButton* butDM;
  QLabel* worthLabel_;

  std::array<QAction*, 2> saveItems_{};   // of the DM list and the players list
  std::array<QAction*, 2> printItems_{};  // likewise
  QAction* edit_ = nullptr;

  Lines lstDMs;
  Lines lstPlayers;
  std::vector<vorneth::LineOrigin> dmOrigins_;  // of lstDMs as generated; dropped by an edit
  bool DMListShown = false;
};
