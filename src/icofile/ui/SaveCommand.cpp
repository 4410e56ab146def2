#include "icofile/ui/SaveCommand.h"

#include <QEventLoop>
#include <filesystem>

#include "icofile/IconSaving.h"
#include "icofile/MultiIconSave.h"
#include "icofile/SaveAsDepth.h"
#include "icofile/ui/SaveForm.h"

namespace pictavo::ui {
namespace {

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

std::string currentFolder() {
  std::error_code ec;
  const auto here = std::filesystem::current_path(ec);
  return ec ? std::string() : here.string();
}

}  // namespace

std::string replaceQuestion(const std::string& path) {
  return "The file " + path + " already exists.  Do you wish to replace it?";
}

SaveCommand::SaveCommand(const FileCommandHost& host) : host_(host) {}

SaveCommand::~SaveCommand() { delete saveForm_.data(); }

SaveForm* SaveCommand::saveForm() const { return saveForm_; }

void SaveCommand::mnuFileSave_Click() { mnuFileSaveAs_Click(); }

void SaveCommand::mnuFileSaveAs_Click() {
  if (!saveForm_) {
    saveForm_ = new SaveForm(host_.state, host_.showCanvas, host_.mainWindow);
    QObject::connect(saveForm_, &SaveForm::saveRequested, saveForm_, [this] { saveAs(); });
    // Closed means gone: the next Save opens a fresh chooser.
    QObject::connect(saveForm_, &SaveForm::closed, saveForm_, [this] { saveForm_ = nullptr; });
  }
  if (saveForm_->isVisible()) {
    saveForm_->raise();
    saveForm_->activateWindow();
  }
  saveForm_->show();
}

bool SaveCommand::saveAndWait() {
  mnuFileSaveAs_Click();
  QEventLoop loop;
  QObject::connect(saveForm_, &SaveForm::closed, &loop, &QEventLoop::quit);
  if (saveForm_ && saveForm_->isVisible()) loop.exec();
  return host_.state.iconSaved;
}

void SaveCommand::mnuFileSaveAs16_Click() { saveAsDepth(16); }
void SaveCommand::mnuFileSaveAs256_Click() { saveAsDepth(256); }
void SaveCommand::mnuFileSaveAs24_Click() { saveAsDepth(24); }

void SaveCommand::saveAsDepth(int depth) {
  if (!prepareSaveAsDepth(host_.state, depth, host_.messages)) return;
  if (host_.showCanvas) host_.showCanvas();
  saveAs();
}

std::string SaveCommand::startFolder() const {
  const IcoState& ico = host_.state.ico;
  if (!ico.openedFromFile) return host_.state.settings.iconDir;
  // The folder of the icon file opened last, where the Open dialog left off.
  return ico.lastIconDir.empty() ? currentFolder() : ico.lastIconDir;
}

bool SaveCommand::saveAs() {
  ProgramState& state = host_.state;
  FileDialog& dialog = host_.dialog;
  std::string path;
  const BusyWhile busy(state);
  for (;;) {
    dialog.setFileName({});
    dialog.setFilter(kSaveFilter);
    dialog.setInitDir(startFolder());
    path = dialog.showSave();
    if (path.empty()) return false;
    if (!fileExists(path) ||
        host_.messages.show(replaceQuestion(path), "", Buttons::YesNo) == Answer::Yes)
      break;
  }
  const IcoResult result = write(path);
  if (!result) {
    host_.messages.show(result.message, "", Buttons::Ok, MessageIcon::Critical);
    return false;
  }
  if (host_.iconFileUsed) host_.iconFileUsed(path);
  return true;
}

// With "Allow saving more than one icon into a file." ticked, an existing icon
// file keeps its other images; the status bar says what became of them.
IcoResult SaveCommand::write(const std::string& path) {
  ProgramState& state = host_.state;
  std::string note;
  IcoResult result;
  if (state.settings.multiIconFile == "1") {
    MultiIconSave saved = saveIconKeepingImages(state, path);
    result = saved.result;
    if (result) note = std::move(saved.note);
  } else {
    result = saveIcon(state, path);
  }
  if (host_.showStatus) host_.showStatus(note);
  return result;
}

}  // namespace pictavo::ui
