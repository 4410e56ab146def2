// The Open Image command's window.
#include "app/ui/FrmMain.h"

namespace pictavo::ui {

void FrmMain::showPictureWindow() {}

}  // namespace pictavo::ui
