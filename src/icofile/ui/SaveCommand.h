#pragma once
#include <QPointer>
#include <string>

#include "icofile/IcoResult.h"
#include "icofile/ui/FileCommandHost.h"

namespace pictavo::ui {

class SaveForm;

constexpr const char* kSaveFilter = "Icon Files (*.ico)|*.ico";

// The replace question SaveAs asks before writing over a file.
std::string replaceQuestion(const std::string& path);

// The save commands of the File menu and SaveAs, which asks for the file name
// and writes the icon at SaveDepth.
class SaveCommand {
 public:
  explicit SaveCommand(const FileCommandHost& host);
  ~SaveCommand();
  SaveCommand(const SaveCommand&) = delete;
  SaveCommand& operator=(const SaveCommand&) = delete;

  void mnuFileSave_Click();       // the same as Save As
  void mnuFileSaveAs_Click();     // the save-type chooser, not blocking the main window
  void mnuFileSaveAs16_Click();
  void mnuFileSaveAs256_Click();
  void mnuFileSaveAs24_Click();

  // SaveAs: true when the file was written (IconSaved is then true).
  bool saveAs();
  // Save for a save prompt: the chooser, then window events run until it has
  // closed and its save has ended. True when the icon is now saved.
  bool saveAndWait();

  SaveForm* saveForm() const;

 private:
  void saveAsDepth(int depth);
  std::string startFolder() const;
  IcoResult write(const std::string& path);

  FileCommandHost host_;
  QPointer<SaveForm> saveForm_;
};

}  // namespace pictavo::ui
