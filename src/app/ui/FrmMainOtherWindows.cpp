// The windows the main window opens: options, help and about.
#include <QCoreApplication>

#include "app/SettingsFile.h"
#include "app/ui/AssociateIco.h"
#include "app/ui/FrmMain.h"
#include "platform/ui/OwnedWindow.h"
#include "platform/ui/QtFileDialog.h"
#include "shell/ui/Form1.h"
#include "shell/ui/FrmAbout.h"
#include "shell/ui/HelpWindows.h"

namespace pictavo::ui {

void FrmMain::mnuViewOptions_Click() {
  Form1* form = nullptr;
  QtFileDialog ownDialog(this, "CommonDialog1");
  FileDialog& dialog = services_.optionsDialog ? *services_.optionsDialog : ownDialog;
  const OptionsHost host{
      state_, services_.messages, dialog,
      [](const Settings& settings, std::string* whyNot) { return writeSettingsFile(settings, whyNot); },
      [this] {
        associateIco(services_.messages, services_.launcher,
                     QCoreApplication::applicationFilePath().toStdString(), userApplicationsFolder());
      }};
  form = new Form1(host, this);
  form->setAttribute(Qt::WA_DeleteOnClose);
  centreWhenShown(*form);
  form->exec();
}

void FrmMain::mnuHelpContents_Click() {
  HelpWindows({state_, services_.messages, services_.launcher, this, currentDesktopName(), isOnPath})
      .showMenu();
}

void FrmMain::mnuHelpAbout_Click() {
  for (FrmAbout* shown : findChildren<FrmAbout*>(Qt::FindDirectChildrenOnly))
    if (shown->isVisible()) {
      shown->raise();
      shown->activateWindow();
      return;
    }
  (new FrmAbout(this))->show();
}

}  // namespace pictavo::ui
