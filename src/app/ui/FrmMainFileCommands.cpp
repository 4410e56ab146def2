// Open, Save and Save As on the main window; they arrive with the file dialogs.
#include "app/ui/FrmMain.h"

namespace pictavo::ui {

void FrmMain::mnuFileOpen_Click() {}
void FrmMain::OpenNamedFile() {}
void FrmMain::mnuFileSave_Click() {}
void FrmMain::mnuFileSaveAs_Click() {}
void FrmMain::mnuFileSaveAs16_Click() {}
void FrmMain::mnuFileSaveAs256_Click() {}
void FrmMain::mnuFileSaveAs24_Click() {}

}  // namespace pictavo::ui
