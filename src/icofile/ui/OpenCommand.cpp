#include "icofile/ui/OpenCommand.h"

#include "icofile/IconDecoder.h"
#include "icofile/IconImageLoading.h"
#include "icofile/ui/Form4.h"
#include "icofile/ui/SaveCommand.h"
#include "icofile/ui/WaitForm.h"
#include "picture/io/PngIconDecoder.h"

namespace pictavo::ui {
namespace {

constexpr const char* kSaveBeforeOpenTitle = "Save Changes Before Open?";
constexpr const char* kSaveBeforeOpenText =
    "Would you like to save changes to your current icon before continuing?";

}  // namespace

OpenCommand::OpenCommand(const FileCommandHost& host, SaveCommand& save) : host_(host), save_(save) {}

OpenCommand::~OpenCommand() {
  delete form4_.data();
  delete waitForm_.data();
}

Form4* OpenCommand::chooser() const { return form4_; }

WaitForm* OpenCommand::waitForm() const { return waitForm_; }

bool OpenCommand::askToSaveFirst() {
  ProgramState& state = host_.state;
  if (state.iconSaved) return true;
  const Answer answer =
      host_.messages.show(kSaveBeforeOpenText, kSaveBeforeOpenTitle, Buttons::YesNoCancel);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) {
    // A save the user abandons ends the Open as Cancel would.
    if (!save_.saveAndWait()) return false;
    host_.messages.show("File Saved Successfully", "Save Successful", Buttons::Ok);
  }
  host_.dialog.setFileName({});
  return true;
}

void OpenCommand::mnuFileOpen_Click() {
  if (!askToSaveFirst()) return;
  const BusyWhile busy(host_.state);
  runDialog();
}

void OpenCommand::openFile(const std::string& path) {
  if (!askToSaveFirst()) return;
  const BusyWhile busy(host_.state);
  if (openPicked(path)) return;
  host_.dialog.setFileName({});
  runDialog();
}

void OpenCommand::runDialog() {
  ProgramState& state = host_.state;
  FileDialog& dialog = host_.dialog;
  for (;;) {
    if (!state.ico.lastIconDir.empty()) {
      dialog.setInitDir(state.ico.lastIconDir);
      dialog.setFileName({});
    } else {
      dialog.setInitDir(state.settings.iconDir);
    }
    dialog.setFilter(kOpenFilter);
    const std::string path = dialog.showOpen();
    if (path.empty() || openPicked(path)) break;
    dialog.setFileName({});
  }
}

bool OpenCommand::openPicked(const std::string& path) {
  ProgramState& state = host_.state;
  // The chooser reads the list that the scan is about to replace.
  closeChooser();
  state.ico.openPath = path;
  state.ico.openedFromFile = true;
  state.ico.lastIconDir = folderOfPickedFile(path);
  return scanAndOffer() != Offered::NoIcons;
}

void OpenCommand::openNamedFile() {
  closeChooser();
  scanAndOffer();
}

OpenCommand::Offered OpenCommand::scanAndOffer() {
  if (!waitForm_) waitForm_ = new WaitForm(host_.mainWindow);
  lastScan_ = scanIconsWithProgress(host_.state.ico, *waitForm_, scanOptions_);
  if (lastScan_.status == ScanStatus::Unreadable) {
    report(lastScan_.message, MessageIcon::Critical);
    return Offered::Failed;
  }
  const int count = host_.state.ico.iconCount;
  if (count == 0) {
    if (offerOtherSizes()) return Offered::Icons;
    host_.messages.show(kNoIconsMessage, "", Buttons::Ok);
    return Offered::NoIcons;
  }
  if (host_.iconFileUsed) host_.iconFileUsed(host_.state.ico.openPath);
  if (count == 1)
    loadSingleIcon();
  else
    showIconChooser();
  if (lastScan_.status == ScanStatus::ListFull) report(lastScan_.message, MessageIcon::Information);
  return Offered::Icons;
}

// Open when the scan found nothing: the file's icon images of other sizes, if it holds any.
bool OpenCommand::offerOtherSizes() {
  const std::string path = host_.state.ico.openPath;
  const ImageList list = listIconImages(path);
  if (list.status != ImageListStatus::Listed || list.images.empty()) return false;
  if (host_.iconFileUsed) host_.iconFileUsed(path);
  if (list.images.size() == 1)
    loadResampledImage(path, list.images[0]);
  else
    showIconChooser(path, list.images);
  return true;
}

void OpenCommand::loadSingleIcon() { loadChosenIcon(0); }

void OpenCommand::showIconChooser(const std::string& path, const std::vector<IconImage>& images) {
  form4_ = new Form4(host_.state, host_.mainWindow);
  Form4* form = form4_;
  if (!images.empty()) form->showResampledImages(path, images);
  QObject::connect(form, &Form4::iconChosen, form, [this, path, images](int k) {
    form4_ = nullptr;
    if (host_.mainWindow) {
      host_.mainWindow->raise();
      host_.mainWindow->activateWindow();
    }
    if (images.empty())
      loadChosenIcon(k);
    else
      loadResampledImage(path, images[std::size_t(k)]);
  });
  QObject::connect(form, &Form4::browseRequested, form, [this] {
    form4_ = nullptr;
    host_.dialog.setFileName({});
    mnuFileOpen_Click();
  });
  form->show();
  form->showFirstPage();
}

void OpenCommand::loadChosenIcon(int k) { canvasLoaded(loadIconOntoCanvas(host_.state, k)); }

void OpenCommand::loadResampledImage(const std::string& path, const IconImage& image) {
  canvasLoaded(loadImageOntoCanvas(host_.state, path, image, decodePngIconImage));
}

void OpenCommand::canvasLoaded(const DecodeOutcome& outcome) {
  if (!outcome) {
    report(outcome.message);
    return;
  }
  if (host_.showCanvas) host_.showCanvas();
}

void OpenCommand::closeChooser() {
  if (form4_) form4_->close();
  form4_ = nullptr;
}

void OpenCommand::report(const std::string& message, MessageIcon icon) {
  host_.messages.show(message, "", Buttons::Ok, icon);
}

}  // namespace pictavo::ui
