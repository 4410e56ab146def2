// Open and Save reached from the main window's menus, toolbar and start-up.
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <memory>

#include "app/ui/FormSurface.h"
#include "app/ui/FrmMain.h"
#include "icofile/ui/Form4.h"
#include "icofile/ui/OpenCommand.h"
#include "icofile/ui/SaveCommand.h"
#include "icofile/ui/SaveForm.h"
#include "support/IconFileFixtures.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingLauncher.h"
#include "support/SaveChooserScript.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// The real main window with scripted dialogs and message boxes.
struct MainWindowWithFiles {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  MemorySettingsStore store;
  RecordingLauncher launcher;
  ScriptedFileDialog dialog;
  ScriptedFileDialog pictureDialog;
  std::unique_ptr<ui::FrmMain> window;

  explicit MainWindowWithFiles(const std::string& startupFile = {}) {
    QApplication::setQuitOnLastWindowClosed(false);
    state.settings.startupFile = startupFile;
    ui::Services services{boxes, store, launcher};
    services.dlgCommonDialog = &dialog;
    services.commonDialog1 = &pictureDialog;
    window = std::make_unique<ui::FrmMain>(state, services);
    window->show();
  }

  void trigger(const char* menuItem) { window->menuItem(QString::fromLatin1(menuItem))->trigger(); }

  // The colour the grid shows in the middle of a cell.
  Colour shownAt(int column, int row) {
    const CellRect r = state.geometry.cellRect(column, row);
    return ui::grabSurfaceColour(*window->surface(), r.left + r.width / 2, r.top + r.height / 2);
  }
};

}  // namespace

class TestMainWindowFiles : public QObject {
  Q_OBJECT

 private slots:
  void openFromMenuAndToolbarShowsTheIcon() {
    ScratchFolder tmp;
    const std::string file = tmp.path("one.ico");
    writeIconSet(file, 1);
    MainWindowWithFiles m;
    QCOMPARE(&m.window->dlgCommonDialog(), static_cast<FileDialog*>(&m.dialog));
    QCOMPARE(&m.window->commonDialog1(), static_cast<FileDialog*>(&m.pictureDialog));

    // While the dialog is up the grid ignores the pointer (a press would mark the icon unsaved).
    m.dialog.onShow([&](const ScriptedFileDialog::Shown&) {
      QVERIFY(m.state.busy);
      const CellRect r = m.state.geometry.cellRect(3, 3);
      QTest::mouseClick(m.window->surface(), Qt::LeftButton, {}, QPoint(r.left + 3, r.top + 3));
    });
    m.dialog.queue(file);
    m.trigger("mnuFileOpen");
    const Canvas expected = numberedCanvas(0);
    QCOMPARE(m.state.canvas.at(3, 3), expected.at(3, 3));
    QCOMPARE(m.shownAt(0, 0), expected.at(0, 0).colour);
    QCOMPARE(m.shownAt(10, 10), expected.at(10, 10).colour);
    QVERIFY(!m.state.busy);
    QVERIFY(m.state.iconSaved);

    m.state.canvas.reset();
    m.dialog.queue(file);
    m.window->tbToolBar_ButtonClick(QStringLiteral("Open"));
    QCOMPARE(numberOf(m.state.canvas), 0);
  }

  void saveAsFromTheMenuMarksTheIconSaved() {
    ScratchFolder tmp;
    MainWindowWithFiles m;
    m.state.canvas = numberedCanvas(4);
    m.state.iconSaved = false;
    const std::string file = tmp.path("menu.ico");
    m.dialog.queue(file);
    m.trigger("mnuFileSaveAs24");
    QCOMPARE(readBytes(file).size(), std::size_t(3262));
    QVERIFY(m.state.iconSaved);
    m.trigger("mnuFileNew");  // saved: no prompt
    QVERIFY(m.boxes.shown().empty());

    // Save shows the chooser, without blocking the main window.
    m.trigger("mnuFileSave");
    ui::SaveForm* form = m.window->saveCommand().saveForm();
    QVERIFY(form && form->isVisible());
    QCOMPARE(form->parentWidget(), static_cast<QWidget*>(m.window.get()));
  }

  void yesAtTheOpenPromptSavesThroughTheChooser() {
    ScratchFolder tmp;
    const std::string toOpen = tmp.path("three.ico");
    writeIconSet(toOpen, 3);
    const std::string saved = tmp.path("saved16.ico");
    MainWindowWithFiles m;
    m.state.canvas = numberedCanvas(9);
    m.state.iconSaved = false;
    m.boxes.queue(Answer::Yes);
    m.dialog.queue(saved);
    m.dialog.queue(toOpen);
    whenSaveChooserShows([](ui::SaveForm& form) { form.Command3_Click(); });
    m.trigger("mnuFileOpen");
    QCOMPARE(readBytes(saved).size(), std::size_t(766));
    QCOMPARE(m.boxes.shown().back().title, std::string("Save Successful"));
    QPointer<ui::Form4> chooser = m.window->openCommand().chooser();
    QVERIFY(chooser && chooser->isVisible());
    QVERIFY(m.state.iconSaved);

    // Closing the main window closes the chooser with it.
    QVERIFY(m.window->close());
    QVERIFY(!chooser || !chooser->isVisible());
  }

  void commandLineFileOpensAtStart() {
    ScratchFolder tmp;
    const std::string file = tmp.path("start.ico");
    writeIconSet(file, 1);
    MainWindowWithFiles m(file);
    QTRY_VERIFY(m.state.settings.startupFile.empty());
    QCOMPARE(numberOf(m.state.canvas), 0);
    QCOMPARE(m.shownAt(5, 5), numberedCanvas(0).at(5, 5).colour);
    QVERIFY(m.boxes.shown().empty());

    MainWindowWithFiles missing(tmp.path("gone.ico"));
    QTRY_VERIFY(missing.state.settings.startupFile.empty());
    QCOMPARE(missing.boxes.shown().size(), std::size_t(1));
    QVERIFY(missing.state.canvas == Canvas());
  }
};

QTEST_MAIN(TestMainWindowFiles)
#include "test_main_window_files.moc"
