// Start-up, Open from the main window, the save prompts of New, Close, Exit and closing the window,
// what shutdown stores, and the Qt implementations of the platform services.
#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>
#include <sys/stat.h>

#include "platform/ui/QProcessLauncher.h"
#include "platform/ui/QtMessageBoxes.h"
#include "platform/ui/QtSettingsStore.h"
#include "app/ui/StartUp.h"
#include "platform/ui/QtFileDialog.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using namespace pictavo::testing;

Q_DECLARE_METATYPE(pictavo::Answer)

namespace {
constexpr Colour kRed = rgb(255, 0, 0);
const char* kGeometryKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
const std::string kSettledIni = "\" \",\"\",\"\",\"1\",\"\",\"\",\"\",\"Version_20b\"\r\n";

// startProgram in a scratch folder holding pictav.ini (if given) and the applications folder.
struct Start {
  ScratchFolder folder;
  ProgramState state;
  ScriptedMessageBoxes boxes;
  MemorySettingsStore store;
  RecordingLauncher launcher;
  std::unique_ptr<ui::FrmMain> window;
  ui::StartupContext context{"/opt/pictavo/pictavo", "/opt/pictavo", "", folder.folder(), 768,
                             folder.path("apps"), "", ""};

  explicit Start(const std::string& ini) {
    if (!ini.empty()) writeFile(folder.path("pictav.ini"), ini);
  }
  void run() { window = ui::startProgram(state, ui::Services{boxes, store, launcher}, context); }
};

void drawSomething(MainWindowHarness& h) {
  h.state.colour.penColor = kRed;
  h.leftPress(h.cellCentre(3, 3));
  QVERIFY(!h.state.iconSaved);
}
}  // namespace

class MainLifecycleTest : public QObject {
  Q_OBJECT

  ScratchFolder tmp_;

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    qputenv("XDG_CONFIG_HOME", tmp_.dir.path().toLocal8Bit());
  }

  void aMissingOrShortSettingsFileIsReportedAndTheWindowStillOpens() {
    for (const std::string ini : {"", "\"Ann\",\"x\",\"y\",\"1\",\"e\"\r\n"}) {
      Start s(ini);
      s.run();
      QCOMPARE(s.boxes.shown().size(), std::size_t(1));
      QCOMPARE(s.boxes.shown()[0].title + ": " + s.boxes.shown()[0].text,
               std::string("Pictavo: There was a problem loading the INI file"));
      QVERIFY(s.store.values.empty() && s.window->isVisible() && s.state.iconSaved);
    }
  }

  void aFirstRunAsksOnceAndRewritesTheFile_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("launches");
    QTest::addColumn<bool>("blocked");  // the applications folder cannot be made
    QTest::newRow("No") << Answer::No << true << false;
    QTest::newRow("Yes") << Answer::Yes << true << false;
    QTest::newRow("xdg-mime fails") << Answer::Yes << false << false;
    QTest::newRow("folder blocked") << Answer::Yes << true << true;
  }

  // Yes writes the desktop entry and runs xdg-mime; a failure is reported once and start-up goes on.
  void aFirstRunAsksOnceAndRewritesTheFile() {
    QFETCH(Answer, answer);
    QFETCH(bool, launches);
    QFETCH(bool, blocked);
    Start s("\"Default User\",\"\",\"\",\"1\",\"a\",\"b\",\"c\",\"Version_20b\"\r\n");
    if (!launches) s.launcher.result = LaunchResult{false, -1, "xdg-mime could not be started"};
    if (blocked) writeFile(s.folder.path("apps"), "");
    s.boxes.queue(answer);
    s.run();
    const auto& shown = s.boxes.shown();
    QCOMPARE(shown.size(), std::size_t(launches && !blocked ? 1 : 2));
    QCOMPARE(shown[0].title, std::string("Make Default?"));
    QCOMPARE(shown[0].text, std::string("Would you like to make \"Pictavo\" your default editor for .ICO files?"));
    if (!launches) QVERIFY(shown[1].text.find("xdg-mime could not be started") != std::string::npos);
    const bool associates = answer == Answer::Yes && !blocked;
    const std::string entry = readFile(s.folder.path("apps/pictavo.desktop"));
    QCOMPARE(entry.find("Exec=/opt/pictavo/pictavo %f") != std::string::npos, associates);
    QCOMPARE(s.launcher.calls.size(), std::size_t(associates));
    if (associates) {
      QCOMPARE(s.launcher.calls[0].program, std::string("xdg-mime"));
      const std::vector<std::string> arguments{"default", "pictavo.desktop", "image/vnd.microsoft.icon",
                                               "image/x-icon"};
      QCOMPARE(s.launcher.calls[0].arguments, arguments);
    }
    QCOMPARE(readFile(s.folder.path("pictav.ini")).substr(0, 4), std::string("\" \","));
    QCOMPARE(s.store.values.at("User"), std::string(" "));
    QVERIFY(s.store.values.count("InstallDir") && s.window->isVisible());
    Start again(readFile(s.folder.path("pictav.ini")));  // a start from the rewritten file asks nothing
    again.run();
    QVERIFY(again.boxes.shown().empty());
  }

  // The screen height chooses the layout; the small one keeps the window at the top when activated again.
  // The file named on the command line (spaces and quotes) opens once, whole.
  void startingWithAFileInEachLayout() {
    const std::string file = tmp_.path("two words \"q\".ico");
    writeIconSet(file, 1);
    for (auto [height, mode] : {std::pair{486, ScreenMode::Small}, std::pair{487, ScreenMode::Large}}) {
      Start s(kSettledIni);
      s.context.screenHeightPixels = height;
      s.context.commandLine = file;
      s.run();
      QVERIFY(s.state.screenMode == mode);
      QCOMPARE(s.window->surface()->height(), mode == ScreenMode::Small ? 415 : 483);
      QTRY_VERIFY(s.state.settings.startupFile.empty());
      QCOMPARE(s.state.ico.openPath, file);
      QCOMPARE(s.state.canvas, whiteUnderTransparent(numberedCanvas(0)));
      s.state.ico.openPath = "elsewhere";
      s.window->move(40, 50);
      s.window->Form_Activate();
      QCOMPARE(s.window->pos(), QPoint(40, mode == ScreenMode::Small ? 0 : 50));
      QCOMPARE(s.state.ico.openPath, std::string("elsewhere"));
    }
  }

  // From the toolbar: presses on the grid wait while the dialog is up, then the icon shows. From the
  // menu: Yes at its prompt saves through the chooser first. Closing the window closes the icon chooser.
  void openFromTheMainWindow() {
    writeIconSet(tmp_.path("one.ico"), 1);
    writeIconSet(tmp_.path("three.ico"), 3);
    MainWindowHarness h;
    h.dialog.onShow([&] {
      QVERIFY(h.state.busy);
      h.leftPress(h.cellCentre(3, 3));
    });
    h.dialog.queue(tmp_.path("one.ico"));
    h.window->tbToolBar_ButtonClick(QStringLiteral("Open"));
    QVERIFY(h.state.iconSaved);
    QCOMPARE(h.shownAt(h.cellCentre(10, 10)), numberedCanvas(0).at(10, 10).colour);
    h.dialog.onShow({});
    drawSomething(h);
    h.boxes.queue(Answer::Yes);
    h.dialog.queue(tmp_.path("saved16.ico"));
    h.dialog.queue(tmp_.path("three.ico"));
    whenShown<ui::SaveForm>([](ui::SaveForm& form) { form.Command3_Click(); });
    h.triggerMenu("mnuFileOpen");
    QCOMPARE(readFile(tmp_.path("saved16.ico")).size(), std::size_t(766));
    QPointer<ui::Form4> chooser = h.window->openCommand().chooser();
    QVERIFY(chooser && chooser->isVisible() && h.state.iconSaved);
    QVERIFY(h.window->close());
    QVERIFY(!chooser || !chooser->isVisible());
  }

  void savePrompts_data() {
    QTest::addColumn<QString>("command");  // a menu item, the toolbar's New ("1") or the window's close
    QTest::addColumn<Answer>("answer");    // Yes is followed by an abandoned save
    QTest::addColumn<bool>("goesOn");
    const std::tuple<const char*, const char*, Answer, bool> rows[] = {
        {"new, No", "mnuFileNew", Answer::No, true},
        {"new, Cancel", "mnuFileNew", Answer::Cancel, false},
        {"toolbar new, Yes", "1", Answer::Yes, false},
        {"close, No", "mnuFileClose", Answer::No, true},
        {"close, Cancel", "mnuFileClose", Answer::Cancel, false},
        {"exit, No", "mnuFileExit", Answer::No, true},
        {"exit, Cancel", "mnuFileExit", Answer::Cancel, false},
        {"exit, Yes", "mnuFileExit", Answer::Yes, false},
        {"window, No", "close", Answer::No, true},
        {"window, Yes", "close", Answer::Yes, false}};
    for (auto [name, command, answer, goesOn] : rows) QTest::newRow(name) << command << answer << goesOn;
  }

  // Asked once; going on clears the canvas (undoably) or closes every window and stores the geometry.
  void savePrompts() {
    QFETCH(QString, command);
    QFETCH(Answer, answer);
    QFETCH(bool, goesOn);
    MainWindowHarness h;
    QWidget other;
    other.show();
    drawSomething(h);
    const Canvas drawn = h.state.canvas;
    h.boxes.queue(answer);
    if (answer == Answer::Yes) abandonTheSave();
    if (command == "close")
      QCOMPARE(h.window->close(), goesOn);
    else
      command == "1" ? h.clickToolbar(1) : h.triggerMenu(qPrintable(command));

    const bool exiting = command == "mnuFileExit" || command == "close", exits = exiting && goesOn;
    QCOMPARE(h.boxes.shown().size(), std::size_t(1));
    const auto& asked = h.boxes.shown()[0];
    QCOMPARE(asked.title, std::string("Save Changes Before ") + (exiting ? "Exit?" : "New?"));
    QCOMPARE(asked.text, std::string("Would you like to save changes to your current icon before ") +
                             (exiting ? "exiting?" : "continuing?"));
    QVERIFY(asked.buttons == (command == "close" ? Buttons::YesNo : Buttons::YesNoCancel));
    QVERIFY(asked.icon == MessageIcon::None);
    QCOMPARE(h.window->isVisible(), !exits);
    QCOMPARE(other.isVisible(), !exits);
    QCOMPARE(h.state.iconSaved, exits && command != "close");  // Exit marks it saved, a bare close does not
    QCOMPARE(h.state.tool, std::string(h.state.iconSaved ? "Exit" : ""));
    for (const char* key : kGeometryKeys) QCOMPARE(h.store.values.count(key), std::size_t(exits));
    if (exits) {
      QCOMPARE(h.store.values.at("MainLeft"), std::to_string(h.window->frameGeometry().left() * 15));
      QCOMPARE(h.store.values.at("MainHeight"), std::to_string(h.window->frameGeometry().height() * 15));
    }
    QCOMPARE(h.state.canvas, goesOn && !exiting ? Canvas() : drawn);
    if (goesOn && !exiting) {
      QVERIFY(h.shownAt(h.cellCentre(3, 3)) != kRed);
      h.triggerMenu("mnuEditUndo");
      QCOMPARE(h.state.canvas, drawn);
    }
  }

  // The title bar's close clicked again while the save chooser is up must not end the program unsaved.
  void aSecondCloseDuringThePromptsSaveIsIgnored() {
    MainWindowHarness h;
    drawSomething(h);
    h.boxes.queue(Answer::Yes);
    bool stillOpen = false;
    const auto closeButton = [&h] {  // sent to the native window, as the window manager's is
      QCloseEvent event;
      QCoreApplication::sendEvent(h.window->windowHandle(), &event);
    };
    whenShown<ui::SaveForm>([&](ui::SaveForm& form) {
      closeButton();
      stillOpen = h.window->isVisible();
      form.Command1_Click();  // then the save is abandoned
    });
    closeButton();
    QVERIFY(stillOpen && h.window->isVisible() && !h.state.iconSaved);
  }

  void anUnchangedIconAsksNothingAndAMinimisedCloseStoresNoGeometry() {
    MainWindowHarness h;
    h.state.canvas.at(1, 1) = Cell{kRed, 0};
    h.triggerMenu("mnuFileNew");
    QCOMPARE(h.state.canvas, Canvas());
    h.window->showMinimized();
    QVERIFY(h.window->close());
    QVERIFY(h.boxes.shown().empty());
    for (const char* key : kGeometryKeys) QVERIFY(!h.store.values.count(key));
  }

  void messageBoxesShowExactTextsAndAnswer() {
    ui::QtMessageBoxes boxes;
    QString seen;  // title|text|icon|buttons
    const auto answerWith = [&seen](QMessageBox::StandardButton button) {
      whenShown<QMessageBox>([&seen, button](QMessageBox& box) {
        seen = QStringLiteral("%1|%2|%3|%4").arg(box.windowTitle(), box.text()).arg(box.icon())
                   .arg(box.standardButtons());
        button ? box.button(button)->click() : QTest::keyClick(&box, Qt::Key_Escape);
      });
    };
    answerWith(QMessageBox::No);
    QVERIFY(boxes.show("Would you like to save?", "Save Changes Before New?", Buttons::YesNoCancel) ==
            Answer::No);
    QCOMPARE(seen, QStringLiteral("Save Changes Before New?|Would you like to save?|0|%1")
                       .arg(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
    answerWith(QMessageBox::Ok);  // an empty title is the program's
    QVERIFY(boxes.show("Done", "", Buttons::Ok, MessageIcon::Information) == Answer::Ok);
    QCOMPARE(seen, QStringLiteral("Pictavo|Done|%1|%2").arg(QMessageBox::Information).arg(QMessageBox::Ok));
    answerWith(QMessageBox::NoButton);
    QVERIFY(boxes.show("Really?", "Q", Buttons::YesNoCancel) == Answer::Cancel);
  }

  void aYesNoQuestionCannotBeEscaped() {
    ui::QtMessageBoxes boxes;
    bool stillOpen = false;
    whenShown<QMessageBox>([&stillOpen](QMessageBox& box) {
      QTest::keyClick(&box, Qt::Key_Escape);
      if (box.isVisible()) box.close();
      stillOpen = box.isVisible();
      if (stillOpen) box.button(QMessageBox::Yes)->click();
    });
    QVERIFY(boxes.show("Save before exiting?", "Save Changes Before Exit?", Buttons::YesNo) == Answer::Yes);
    QVERIFY(stillOpen);
  }

  // The store keeps its values under "Settings"; one an earlier version kept in another
  // folder is taken over once, and that folder goes.
  void settingsStoreKeepsValuesAndTakesOverTheOlderStoreOnce() {
    const QString file = QString::fromStdString(tmp_.path("pictavo/pictavo.conf"));
    const QString older = QString::fromStdString(tmp_.path("Pictavo/Pictavo.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(older).path()));
    writeFile(older.toStdString(), "[Settings]\nInstallDir=/home/a/.config/pictavo/\n");
    {
      ui::QtSettingsStore store(file, older);
      QCOMPARE(store.value("InstallDir").value_or(""), std::string("/home/a/.config/pictavo/"));
      QVERIFY(!store.value("IconDir").has_value());
      store.setValue("IconDir", "/home/a/icons, with comma");
    }
    QVERIFY(!QFileInfo::exists(QFileInfo(older).path()));
    QVERIFY(readFile(file.toStdString()).find("[Settings]") != std::string::npos);
    // An older store that turns up again is not read over the one in use.
    QVERIFY(QDir().mkpath(QFileInfo(older).path()));
    writeFile(older.toStdString(), "[Settings]\nIconDir=/old\n");
    QCOMPARE(ui::QtSettingsStore(file, older).value("IconDir").value_or(""), std::string("/home/a/icons, with comma"));
    QVERIFY(QFileInfo::exists(older));
  }

  // Storing what is already there (every start does) leaves the file alone; a change replaces it.
  void settingsStoreRewritesOnlyChanges() {
    const std::string file = tmp_.path("pictavo/pictavo.conf");
    const auto fileId = [&] {
      struct stat st {};
      return ::stat(file.c_str(), &st) == 0 ? st.st_ino : ino_t(0);
    };
    ui::QtSettingsStore store(QString::fromStdString(file), QString());
    store.setValue("IconDir", "/home/a");
    const ino_t before = fileId();
    store.setValue("IconDir", "/home/a");
    QCOMPARE(fileId(), before);
    store.setValue("IconDir", "/home/b");
    QVERIFY(fileId() != before);
    QCOMPARE(ui::QtSettingsStore(QString::fromStdString(file), QString()).value("IconDir").value_or(""),
             std::string("/home/b"));
  }

  void launcherReportsHowTheProgramEnded() {
    ui::QProcessLauncher launcher;
    QVERIFY(launcher.run("true", {}).succeeded());
    const LaunchResult failed = launcher.run("sh", {"-c", "echo no such type; exit 3"});
    QVERIFY(failed.started && failed.exitCode == 3);
    QVERIFY(failed.errorText.find("no such type") != std::string::npos);
    const LaunchResult missing = launcher.run("/nonexistent/xdg-mime", {"default"});
    QVERIFY(!missing.started && !missing.succeeded() && !missing.errorText.empty());
  }

  void fileDialogStartsInItsFolderWithItsFilter() {
    QCOMPARE(ui::qtNameFilter("Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe"),
             QStringLiteral("Icon Files (*.ic*;*.dll;*.exe) (*.ic* *.IC* *.dll *.DLL *.exe *.EXE)"));
    writeIconSet(tmp_.path("pick.ico"), 1);
    ui::QtFileDialog dialog(nullptr, "dlgCommonDialog");
    dialog.setInitDir(tmp_.folder());
    dialog.setFileName("pick.ico");
    dialog.setFilter("Icon Files (*.ico)|*.ico");
    QString folder, filter;
    whenShown<QFileDialog>([&](QFileDialog& d) {
      folder = d.directory().canonicalPath();
      filter = d.selectedNameFilter();
      static_cast<QDialog&>(d).accept();
    });
    QCOMPARE(QFileInfo(QString::fromStdString(dialog.showOpen())).fileName(), QStringLiteral("pick.ico"));
    QCOMPARE(folder, QDir(tmp_.dir.path()).canonicalPath());
    QCOMPARE(filter, QStringLiteral("Icon Files (*.ico)"));
  }
};

QTEST_MAIN(MainLifecycleTest)
#include "test_main_lifecycle.moc"
