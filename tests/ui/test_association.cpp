// The .ico association run for real: HOME and the XDG folders point into a scratch folder
// and a stub xdg-mime on PATH records its arguments, so every file the program leaves in
// the user's folders shows.
#include <QDirIterator>
#include <QFile>
#include <map>
#include <set>

#include "app/ui/AssociateIco.h"
#include "platform/ui/QProcessLauncher.h"
#include "shell/DesktopEntry.h"
#include "support/IconFileFixtures.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// As data/pictavo.desktop: one of our own entries, which must not be taken for an old copy.
const std::string kInstalledEntry = pictavoDesktopEntry("pictavo");
const std::string kUsersOwnEntry = "[Desktop Entry]\nType=Application\nName=My icon editor\nExec=mine %f\n";

void put(const std::string& path, const std::string& text) {
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
  writeFile(path, text);
}

// Every file under `folder`: its path relative to the folder, then its content.
std::string filesUnder(const std::string& folder) {
  std::set<std::string> files;
  QDirIterator it(QString::fromStdString(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const std::string path = it.next().toStdString();
    files.insert(path.substr(folder.size() + 1) + ":\n" + readFile(path));
  }
  std::string listing;
  for (const std::string& file : files) listing += file;
  return listing;
}

}  // namespace

class AssociationTest : public QObject {
  Q_OBJECT

  std::map<std::string, QByteArray> saved_;

 private slots:
  void init() {
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "PATH"}) saved_[name] = qgetenv(name);
  }
  void cleanup() {
    for (const auto& [name, value] : saved_) qputenv(name.c_str(), value);
  }

  void leavesOnlyWhatBelongsInTheUsersFolders_data() {
    QTest::addColumn<QString>("prefix");         // under the scratch folder; "home/.local" is inside HOME
    QTest::addColumn<bool>("onDataDirs");        // the prefix's share folder is on XDG_DATA_DIRS
    QTest::addColumn<QString>("userEntryBefore");
    QTest::addColumn<bool>("stubOnPath");
    QTest::addColumn<QString>("userEntryAfter");  // "copy": a per-user entry for the program
    QTest::addColumn<QString>("message");
    const QString own = QString::fromStdString(pictavoDesktopEntry("/usr/bin/pictavo"));
    const QString users = QString::fromStdString(kUsersOwnEntry);
    QTest::newRow("installed") << "usr" << true << "" << true << "" << "";
    QTest::newRow("installed, an old copy") << "usr" << true << own << true << "" << "";
    QTest::newRow("installed, the user's entry") << "usr" << true << users << true << users << "";
    QTest::newRow("installed in the home")
        << "home/.local" << false << "" << true << QString::fromStdString(kInstalledEntry) << "";
    QTest::newRow("build folder") << "build" << false << "" << true << "copy" << "";
    QTest::newRow("prefix off the data dirs") << "opt" << false << own << true << "copy" << "";
    QTest::newRow("no xdg-mime") << "usr" << true << own << false << own << "package xdg-utils";
  }

  void leavesOnlyWhatBelongsInTheUsersFolders() {
    QFETCH(QString, prefix);
    QFETCH(bool, onDataDirs);
    QFETCH(QString, userEntryBefore);
    QFETCH(bool, stubOnPath);
    QFETCH(QString, userEntryAfter);
    QFETCH(QString, message);
    ScratchFolder tmp;
    const std::string home = tmp.path("home"), record = tmp.path("xdg-mime-args");
    const std::string userEntry = home + "/.local/share/applications/pictavo.desktop";
    const std::string program = tmp.path(prefix.toStdString() + "/bin/pictavo");
    const std::string share = tmp.path(prefix.toStdString() + "/share");
    if (prefix != "build") put(share + "/applications/pictavo.desktop", kInstalledEntry);
    if (!userEntryBefore.isEmpty()) put(userEntry, userEntryBefore.toStdString());
    put(tmp.path("stub/xdg-mime"), "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + "'\n");
    QFile::setPermissions(QString::fromStdString(tmp.path("stub/xdg-mime")), QFile::ReadOwner | QFile::ExeOwner);
    // Reached through a link and among ignored relative folders, as the desktop would take it.
    QFile::link(QString::fromStdString(share), QString::fromStdString(tmp.path("linked-share")));
    qputenv("HOME", QByteArray::fromStdString(home));
    qunsetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString("relative/share:" + (onDataDirs ? tmp.path("linked-share") : "") + ":/usr/share"));
    qputenv("PATH", QByteArray::fromStdString(tmp.path(stubOnPath ? "stub" : "empty")));

    const ui::AssociationPlaces places = ui::findAssociationPlaces(program);
    ScriptedMessageBoxes boxes;
    boxes.queue(Answer::Yes);
    ui::QProcessLauncher launcher;
    ui::associateIco(boxes, launcher, places);

    const std::string after = userEntryAfter == "copy" ? pictavoDesktopEntry(program) : userEntryAfter.toStdString();
    QCOMPARE(filesUnder(home), after.empty() ? "" : ".local/share/applications/pictavo.desktop:\n" + after);
    QCOMPARE(readFile(record), stubOnPath ? std::string("default\npictavo.desktop\nimage/vnd.microsoft.icon\nimage/x-icon\n") : "");
    QCOMPARE(boxes.shown().size(), std::size_t(message.isEmpty() ? 1 : 2));
    if (!message.isEmpty()) QVERIFY(boxes.shown()[1].text.find(message.toStdString()) != std::string::npos);
  }
};

QTEST_MAIN(AssociationTest)
#include "test_association.moc"
