#include "app/ui/AssociateIco.h"

#include <QDir>
#include <QSaveFile>

#include "shell/DesktopEntry.h"
#include "shell/IcoAssociation.h"

namespace pictavo::ui {
namespace {

const std::string kFailurePrefix = "Pictavo could not be made your default editor for .ICO files.\n\n";

bool writeDesktopEntry(const std::string& programFile, const QString& folder, std::string& whyNot) {
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    whyNot = "The folder for application entries (" + folder.toStdString() + ") could not be created.";
    return false;
  }
  QSaveFile file(QDir(folder).filePath(QString::fromLatin1(kDesktopFileName)));
  const std::string text = pictavoDesktopEntry(programFile);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
    whyNot = file.fileName().toStdString() + " could not be written: " + file.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace

std::string userApplicationsFolder() {
  QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {};
    dataHome = QDir(home).filePath(QStringLiteral(".local/share"));
  }
  return QDir(dataHome).filePath(QStringLiteral("applications")).toStdString();
}

void associateIco(MessageBoxes& boxes, ProgramLauncher& launcher, const std::string& programFile,
                  const std::string& applicationsFolder) {
  if (!askToAssociateIco(boxes)) return;
  std::string whyNot;
  if (!writeDesktopEntry(programFile, QString::fromStdString(applicationsFolder), whyNot)) {
    boxes.show(kFailurePrefix + whyNot, "", Buttons::Ok);
    return;
  }
  const LaunchResult result = launcher.run("xdg-mime", xdgMimeDefaultArguments());
  if (!result.succeeded()) boxes.show(kFailurePrefix + result.errorText, "", Buttons::Ok);
}

}  // namespace pictavo::ui
