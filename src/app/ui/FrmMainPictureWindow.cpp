// The Open Image command's window.
#include "app/ui/FrmMain.h"
#include "picture/ui/PictureCommand.h"

namespace pictavo::ui {

PictureCommand& FrmMain::pictureCommand() {
  if (!picture_)
    picture_ = std::make_unique<PictureCommand>(
        FileCommandHost{state_, services_.messages, commonDialog1(), this, [this] { showModelChanges(); }, {}});
  return *picture_;
}

void FrmMain::showPictureWindow() { pictureCommand().OpenPicture(); }

}  // namespace pictavo::ui
