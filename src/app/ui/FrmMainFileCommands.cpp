// Open, Save and Save As on the main window, over its two file dialogs, and the recent icon files.
#include <QLabel>
#include <QMenu>

#include "app/ui/FrmMain.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/RecentIconsMenu.h"
#include "platform/ui/QtFileDialog.h"
#include "icofile/ui/OpenCommand.h"
#include "icofile/ui/SaveCommand.h"
#include "picture/ui/PictureCommand.h"

namespace pictavo::ui {

FrmMain::~FrmMain() = default;

FileDialog& FrmMain::dlgCommonDialog() {
  if (services_.dlgCommonDialog) return *services_.dlgCommonDialog;
  if (!ownDlgCommonDialog_) ownDlgCommonDialog_ = std::make_unique<QtFileDialog>(this, "dlgCommonDialog");
  return *ownDlgCommonDialog_;
}

FileDialog& FrmMain::commonDialog1() {
  if (services_.commonDialog1) return *services_.commonDialog1;
  if (!ownCommonDialog1_) ownCommonDialog1_ = std::make_unique<QtFileDialog>(this, "CommonDialog1");
  return *ownCommonDialog1_;
}

FileCommandHost FrmMain::fileCommandHost() {
  return {state_, services_.messages, dlgCommonDialog(), this, [this] { showModelChanges(); },
          [this](const std::string& path) { recentIcons_->remember(path); },
          [this](const std::string& text) {
            statusBar_->textPanel()->setText(text.empty() ? QStringLiteral("Status") : QString::fromStdString(text));
          }};
}

SaveCommand& FrmMain::saveCommand() {
  if (!save_) save_ = std::make_unique<SaveCommand>(fileCommandHost());
  return *save_;
}

OpenCommand& FrmMain::openCommand() {
  if (!open_) open_ = std::make_unique<OpenCommand>(fileCommandHost(), saveCommand());
  return *open_;
}

void FrmMain::mnuFileOpen_Click() { openCommand().mnuFileOpen_Click(); }
void FrmMain::OpenNamedFile() { openCommand().openNamedFile(); }
void FrmMain::mnuFileRecent_Click(const QString& path) { openCommand().openFile(path.toStdString()); }
void FrmMain::mnuFileSave_Click() { saveCommand().mnuFileSave_Click(); }
void FrmMain::mnuFileSaveAs_Click() { saveCommand().mnuFileSaveAs_Click(); }
void FrmMain::mnuFileSaveAs16_Click() { saveCommand().mnuFileSaveAs16_Click(); }
void FrmMain::mnuFileSaveAs256_Click() { saveCommand().mnuFileSaveAs256_Click(); }
void FrmMain::mnuFileSaveAs24_Click() { saveCommand().mnuFileSaveAs24_Click(); }

void FrmMain::setUpRecentIcons() {
  recentIcons_ = new RecentIconsMenu(*findChild<QMenu*>(QStringLiteral("mnuFile")),
                                     *findChild<QMenu*>(QStringLiteral("mnuFileRecent")), services_.store);
  connect(recentIcons_, &RecentIconsMenu::chosen, this, &FrmMain::mnuFileRecent_Click);
}

}  // namespace pictavo::ui
