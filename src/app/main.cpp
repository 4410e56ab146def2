// Pictavo: an editor for 32 x 32 Windows icons.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <iostream>

#include "app/CommandLine.h"
#include "app/ui/AppIcon.h"
#include "app/ui/ProgramStyle.h"
#include "app/ui/AssociateIco.h"
#include "app/ui/FontWarmUp.h"
#include "app/ui/FrmMain.h"
#include "platform/AtomicFile.h"
#include "platform/ui/QProcessLauncher.h"
#include "platform/ui/QtMessageBoxes.h"
#include "platform/ui/QtSettingsStore.h"
#include "app/ui/InstallPaths.h"
#include "app/ui/ScriptedRun.h"
#include "app/ui/StartUp.h"
#include "app/ui/UnattendedRun.h"

namespace {

pictavo::ui::StartupContext describeSurroundings(const QApplication& app) {
  pictavo::ui::StartupContext context;
  context.programPath = QCoreApplication::applicationDirPath().toStdString();
  QStringList arguments = app.arguments();
  arguments.removeFirst();
  context.commandLine = arguments.join(QLatin1Char(' ')).toStdString();
  context.currentFolder = QDir::currentPath().toStdString();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    context.screenHeightPixels = screen->size().height();
  context.association = pictavo::ui::findAssociationPlaces(
      QCoreApplication::applicationFilePath().toStdString());
  context.userSettingsFolder = pictavo::ui::userSettingsFolder();
  context.settingsTemplate = pictavo::ui::installedDataFolder(context.programPath) + "/pictav.ini";
  return context;
}

// PICTAVO_SCREENSHOT=<file.png>: once the window has painted, save a picture of it
// and close, for checking the look without a display of one's own.
void scheduleScreenshot(pictavo::ui::FrmMain& window) {
  const QString path = qEnvironmentVariable("PICTAVO_SCREENSHOT");
  if (path.isEmpty()) return;
  QTimer::singleShot(1500, &window, [&window, path] {
    if (!window.grab().save(path, "PNG")) qWarning("Could not save the screenshot to %s", qPrintable(path));
    window.close();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before anything needs a display.
  if (const auto reply = pictavo::editorOptionReply(pictavo::commandLineOf(argc, argv))) {
    std::cout << *reply;
    return 0;
  }
  pictavo::ignoreFileSizeLimitSignal();
  QApplication app(argc, argv);
  // Not before the display connection: on two cores the two only slow each other.
  pictavo::ui::FontWarmUp fonts;
  QApplication::setStyle(new pictavo::ui::ProgramStyle);
  QCoreApplication::setOrganizationName(QStringLiteral("Pictavo"));
  QCoreApplication::setApplicationName(QStringLiteral("Pictavo"));
  QGuiApplication::setDesktopFileName(QStringLiteral("pictavo"));
  QApplication::setWindowIcon(pictavo::ui::pictavoIcon());

  pictavo::ProgramState state;
  pictavo::ui::QtMessageBoxes messages;
  pictavo::ui::QtSettingsStore store(QString::fromStdString(pictavo::ui::userStoreFile()),
                                     QString::fromStdString(pictavo::ui::olderUserStoreFile()));
  pictavo::ui::QProcessLauncher launcher;
  pictavo::ui::Services services{messages, store, launcher};
  services.fontsReady = [&fonts] { fonts.wait(); };

  pictavo::ui::answerMessageBoxesWhenUnattended();
  auto window = pictavo::ui::startProgram(state, services, describeSurroundings(app));
  messages.setParent(window.get());
  scheduleScreenshot(*window);
  pictavo::ui::followCommandsWhenScripted(*window);
  return app.exec();
}
