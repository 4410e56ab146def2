// The windows the main window opens: options, help and about.
#include "app/ui/FrmMain.h"

namespace pictavo::ui {

void FrmMain::mnuViewOptions_Click() {}
void FrmMain::mnuHelpContents_Click() {}
void FrmMain::mnuHelpAbout_Click() {}

}  // namespace pictavo::ui
