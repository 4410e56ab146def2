// Open and Save reached from the main window, and the platform file dialog.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/ui/FormSurface.h"
#include "app/ui/FrmMain.h"
#include "app/ui/dialogs/QtFileDialog.h"
#include "icofile/ui/Form4.h"
#include "icofile/ui/SaveForm.h"
#include "support/IconFileFixtures.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingLauncher.h"
#include "support/SaveChooserScript.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

struct MainWindowWithFiles {
  ProgramState state;
  ScriptedMessageBoxes boxes;
  MemorySettingsStore store;
  RecordingLauncher launcher;
  ScriptedFileDialog dialog;
  std::unique_ptr<ui::FrmMain> window;

  explicit MainWindowWithFiles(const std::string& startupFile = {}) {
    state.settings.startupFile = startupFile;
    ui::Services services{boxes, store, launcher};
    services.dlgCommonDialog = &dialog;
    window = std::make_unique<ui::FrmMain>(state, services);
    window->show();
  }
  void trigger(const char* item) { window->menuItem(QString::fromLatin1(item))->trigger(); }
};

}  // namespace

class TestOpenSaveMainWindow : public QObject {
  Q_OBJECT

  ScratchFolder tmp_;

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void openShowsTheIconAndTheGridWaitsForTheDialog() {
    writeIconSet(tmp_.path("one.ico"), 1);
    MainWindowWithFiles m;
    m.dialog.onShow([&] {
      QVERIFY(m.state.busy);
      const CellRect r = m.state.geometry.cellRect(3, 3);
      QTest::mouseClick(m.window->surface(), Qt::LeftButton, {}, QPoint(r.left + 3, r.top + 3));
    });
    m.dialog.queue(tmp_.path("one.ico"));
    m.window->tbToolBar_ButtonClick(QStringLiteral("Open"));
    QVERIFY(m.state.iconSaved);  // the press during the dialog was ignored
    const CellRect r = m.state.geometry.cellRect(10, 10);
    QCOMPARE(ui::grabSurfaceColour(*m.window->surface(), r.left + r.width / 2, r.top + r.height / 2),
             numberedCanvas(0).at(10, 10).colour);
  }

  void yesAtAPromptSavesThroughTheChooser() {
    writeIconSet(tmp_.path("three.ico"), 3);
    MainWindowWithFiles m;
    m.state.iconSaved = false;
    m.boxes.queue(Answer::Yes);
    m.dialog.queue(tmp_.path("saved16.ico"));
    m.dialog.queue(tmp_.path("three.ico"));
    whenSaveChooserShows([](ui::SaveForm& form) { form.Command3_Click(); });
    m.trigger("mnuFileOpen");
    QCOMPARE(readBytes(tmp_.path("saved16.ico")).size(), std::size_t(766));
    QPointer<ui::Form4> chooser = m.window->openCommand().chooser();
    QVERIFY(chooser && chooser->isVisible() && m.state.iconSaved);
    QVERIFY(m.window->close());  // closes the chooser too
    QVERIFY(!chooser || !chooser->isVisible());
  }

  void commandLineFileOpensAtStart() {
    writeIconSet(tmp_.path("start.ico"), 1);
    MainWindowWithFiles m(tmp_.path("start.ico"));
    QTRY_VERIFY(m.state.settings.startupFile.empty());
    QCOMPARE(numberOf(m.state.canvas), 0);
  }

  void platformDialog() {
    QCOMPARE(ui::qtNameFilter("Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe"),
             QStringLiteral("Icon Files (*.ic*;*.dll;*.exe) (*.ic* *.IC* *.dll *.DLL *.exe *.EXE)"));
    writeIconSet(tmp_.path("pick.ico"), 1);
    ui::QtFileDialog dialog(nullptr, "dlgCommonDialog");
    dialog.setInitDir(tmp_.folder());
    dialog.setFileName("pick.ico");
    dialog.setFilter("Icon Files (*.ico)|*.ico");
    QString folder, filter;
    std::function<void()> acceptWhenShown = [&] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!d) return QTimer::singleShot(10, acceptWhenShown);  // not up yet
      folder = d->directory().canonicalPath();
      filter = d->selectedNameFilter();
      static_cast<QDialog*>(d)->accept();
    };
    QTimer::singleShot(0, acceptWhenShown);
    const std::string chosen = dialog.showOpen();
    QCOMPARE(QFileInfo(QString::fromStdString(chosen)).fileName(), QStringLiteral("pick.ico"));
    QCOMPARE(folder, QDir(QString::fromStdString(tmp_.folder())).canonicalPath());
    QCOMPARE(filter, QStringLiteral("Icon Files (*.ico)"));
  }
};

QTEST_MAIN(TestOpenSaveMainWindow)
#include "test_open_save_main_window.moc"
