// The windows the main window opens: picture, options, help and about.
#include "app/ui/FrmMain.h"

namespace pictavo::ui {

void FrmMain::showPictureWindow() {}
void FrmMain::mnuViewOptions_Click() {}
void FrmMain::mnuHelpContents_Click() {}
void FrmMain::mnuHelpAbout_Click() {}

}  // namespace pictavo::ui
