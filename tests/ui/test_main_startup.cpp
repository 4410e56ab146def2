// Start-up with the real main window: settings file cases, first-run association, layout choice.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/LoadSettings.h"
#include "app/ui/FrmMain.h"
#include "app/ui/FormSurface.h"
#include "app/ui/StartUp.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingLauncher.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;

namespace {

struct Start {
  QTemporaryDir folder{qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath()) + "/startXXXXXX"};
  ProgramState state;
  testing::ScriptedMessageBoxes boxes;
  testing::MemorySettingsStore store;
  testing::RecordingLauncher launcher;
  std::unique_ptr<ui::FrmMain> window;
  ui::StartupContext context;

  Start() {
    QApplication::setQuitOnLastWindowClosed(false);
    context.programFile = "/opt/pictavo/pictavo";
    context.programPath = "/opt/pictavo";
    context.currentFolder = path("");
    context.applicationsFolder = path("apps");
  }
  std::string path(const char* name) const { return QDir(folder.path()).filePath(name).toStdString(); }
  void writeIni(const QByteArray& text) const {
    QFile f(QString::fromStdString(path("pictav.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  QByteArray readIni() const {
    QFile f(QString::fromStdString(path("pictav.ini")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void run() { window = ui::startProgram(state, ui::Services{boxes, store, launcher}, context); }
};

const QByteArray kFirstRunIni = "\"Default User\",\"\",\"\",\"1\",\"a\",\"b\",\"c\",\"Version_20b\"\r\n";

}  // namespace

class MainStartupTest : public QObject {
  Q_OBJECT

 private slots:
  void aMissingOrShortSettingsFileIsReportedAndTheWindowStillOpens() {
    for (const QByteArray& contents : {QByteArray(), QByteArray("\"Ann\",\"x\",\"y\",\"1\",\"e\"\r\n")}) {
      Start s;
      if (!contents.isEmpty()) s.writeIni(contents);
      s.run();
      QCOMPARE(s.boxes.shown().size(), std::size_t(1));
      QCOMPARE(s.boxes.shown()[0].text, std::string("There was a problem loading the INI file"));
      QCOMPARE(s.boxes.shown()[0].title, std::string("Pictavo"));
      QVERIFY(s.store.values.empty());
      QVERIFY(s.window->isVisible());
      QVERIFY(s.state.iconSaved);
      QCOMPARE(s.state.canvas, Canvas());
    }
  }

  void aFirstRunAsksOnceAndRewritesTheFile() {
    Start s;
    s.writeIni(kFirstRunIni);
    s.boxes.queue(Answer::No);
    s.run();
    QCOMPARE(s.boxes.shown().size(), std::size_t(1));
    QCOMPARE(s.boxes.shown()[0].title, std::string("Make Default?"));
    QCOMPARE(s.boxes.shown()[0].text,
             std::string("Would you like to make \"Pictavo\" your default editor for .ICO files?"));
    QVERIFY(s.launcher.calls.empty());
    QVERIFY(s.readIni().startsWith("\" \","));
    QCOMPARE(s.store.values.at("User"), std::string(" "));
    QVERIFY(s.store.values.count("InstallDir"));

    Start again;  // a second start from the rewritten file asks nothing
    again.writeIni(s.readIni());
    again.run();
    QVERIFY(again.boxes.shown().empty());
  }

  void yesWritesTheDesktopEntryAndRunsXdgMime() {
    Start s;
    s.writeIni(kFirstRunIni);
    s.boxes.queue(Answer::Yes);
    s.run();
    QCOMPARE(s.boxes.shown().size(), std::size_t(1));
    QFile entry(QString::fromStdString(s.path("apps/pictavo.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains("Exec=/opt/pictavo/pictavo %f"));
    QCOMPARE(s.launcher.calls.size(), std::size_t(1));
    QCOMPARE(s.launcher.calls[0].program, std::string("xdg-mime"));
    QCOMPARE(s.launcher.calls[0].arguments,
             (std::vector<std::string>{"default", "pictavo.desktop", "image/vnd.microsoft.icon",
                                       "image/x-icon"}));
  }

  void aFailedAssociationIsReportedOnceAndStartUpGoesOn() {
    Start failing;
    failing.writeIni(kFirstRunIni);
    failing.launcher.result = LaunchResult{false, -1, "xdg-mime could not be started"};
    failing.boxes.queue(Answer::Yes);
    failing.run();
    QCOMPARE(failing.boxes.shown().size(), std::size_t(2));
    QVERIFY(failing.boxes.shown()[1].text.find("xdg-mime could not be started") != std::string::npos);
    QVERIFY(failing.readIni().startsWith("\" \","));
    QVERIFY(failing.window->isVisible());

    Start blocked;  // the applications folder cannot be made: xdg-mime is not run
    blocked.writeIni(kFirstRunIni);
    QFile(QString::fromStdString(blocked.path("apps"))).open(QIODevice::WriteOnly);
    blocked.boxes.queue(Answer::Yes);
    blocked.run();
    QCOMPARE(blocked.boxes.shown().size(), std::size_t(2));
    QVERIFY(blocked.launcher.calls.empty());
    QVERIFY(blocked.readIni().startsWith("\" \","));
  }

  void theScreenHeightChoosesTheLayout() {
    const std::pair<int, ScreenMode> cases[] = {
        {480, ScreenMode::Small}, {486, ScreenMode::Small}, {487, ScreenMode::Large}};
    for (auto [height, mode] : cases) {
      Start s;
      s.writeIni("\" \",\"\",\"\",\"1\",\"\",\"\",\"\",\"Version_20b\"\r\n");
      s.context.screenHeightPixels = height;
      s.context.commandLine = "/icons/a b.ico";
      s.run();
      QVERIFY(s.state.screenMode == mode);
      QCOMPARE(s.window->surface()->height(), mode == ScreenMode::Small ? 415 : 483);
      if (mode == ScreenMode::Small) QCOMPARE(s.window->pos().y(), 0);
      QTRY_COMPARE(s.state.ico.openPath, std::string("/icons/a b.ico"));
    }
  }
};

QTEST_MAIN(MainStartupTest)
#include "test_main_startup.moc"
