#pragma once
#include <QPointer>
#include <string>
#include <vector>

#include "icofile/IconDecoder.h"
#include "icofile/IconImages.h"
#include "icofile/IconScanner.h"
#include "icofile/ui/FileCommandHost.h"
#include "platform/FolderPaths.h"  // folderOfPickedFile, for the commands that remember a folder

namespace pictavo::ui {

class Form4;
class SaveCommand;
class WaitForm;

constexpr const char* kOpenFilter = "Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe";
constexpr const char* kNoIconsMessage = "There were no icons in the file you selected";

// The Open command and the start-up open: scan a file, then load its only
// icon or offer all of them in the chooser. A file without 32 x 32 icons
// offers its images of other sizes the same way, resampled to 32 x 32.
class OpenCommand {
 public:
  OpenCommand(const FileCommandHost& host, SaveCommand& save);
  ~OpenCommand();
  OpenCommand(const OpenCommand&) = delete;
  OpenCommand& operator=(const OpenCommand&) = delete;

  void mnuFileOpen_Click();
  // The Open command for a file named without its dialog (dropped, or picked
  // from the recent files): the save prompt, the scan, and the dialog only when
  // the file holds no icons.
  void openFile(const std::string& path);
  // The file in ico.openPath (named on the command line), without prompt or dialog.
  void openNamedFile();

  Form4* chooser() const;
  WaitForm* waitForm() const;
  // Tests scan huge files in small blocks to cancel sooner.
  void setScanOptions(const ScanOptions& options) { scanOptions_ = options; }
  const ScanOutcome& lastScan() const { return lastScan_; }

 private:
  enum class Offered { Icons, NoIcons, Failed };

  bool askToSaveFirst();
  void runDialog();
  // Scans a file picked by the user; false when it held no icons.
  bool openPicked(const std::string& path);
  Offered scanAndOffer();
  bool offerOtherSizes();
  void loadSingleIcon();
  // Without images: the found-icons list; with them: those images of `path`, resampled.
  void showIconChooser(const std::string& path = {}, const std::vector<IconImage>& images = {});
  void loadChosenIcon(int k);
  void loadResampledImage(const std::string& path, const IconImage& image);
  void canvasLoaded(const DecodeOutcome& outcome);
  void closeChooser();
  void report(const std::string& message, MessageIcon icon = MessageIcon::Warning);

  FileCommandHost host_;
  SaveCommand& save_;
  QPointer<WaitForm> waitForm_;
  QPointer<Form4> form4_;
  ScanOptions scanOptions_;
  ScanOutcome lastScan_;
};

}  // namespace pictavo::ui
