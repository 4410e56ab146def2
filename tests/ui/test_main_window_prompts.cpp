// Save prompts of New, Close, Exit and closing the window; shutdown and the start-up file.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTest>
#include <QWindow>

#include "support/MainWindowHarness.h"
#include "icofile/ui/SaveForm.h"
#include "support/SaveChooserScript.h"

using namespace pictavo;
using pictavo::testing::MainWindowHarness;

namespace {
constexpr Colour kRed = rgb(255, 0, 0);

void drawSomething(MainWindowHarness& h) {
  h.state.colour.penColor = kRed;
  h.leftPress(h.cellCentre(3, 3));
  QVERIFY(!h.state.iconSaved);
}

void checkPrompt(const MainWindowHarness& h, std::size_t index, const char* title, const char* text,
                 Buttons buttons) {
  QVERIFY(h.boxes.shown().size() > index);
  const auto& shown = h.boxes.shown()[index];
  QCOMPARE(shown.title, std::string(title));
  QCOMPARE(shown.text, std::string(text));
  QVERIFY(shown.buttons == buttons);
  QVERIFY(shown.icon == MessageIcon::None);
}

const char* kGeometryKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
}  // namespace

class MainWindowPromptsTest : public QObject {
  Q_OBJECT

 private slots:
  void newWithNoClearsTheCanvasAndStaysUnsaved() {
    MainWindowHarness h;
    drawSomething(h);
    h.boxes.queue(Answer::No);
    h.triggerMenu("mnuFileNew");
    checkPrompt(h, 0, "Save Changes Before New?",
                "Would you like to save changes to your current icon before continuing?",
                Buttons::YesNoCancel);
    QCOMPARE(h.state.canvas, Canvas());
    QVERIFY(h.shownAt(h.cellCentre(3, 3)) != kRed);
    QVERIFY(!h.state.iconSaved);
    h.triggerMenu("mnuEditUndo");  // New can be undone
    QCOMPARE(h.state.canvas.at(3, 3), (Cell{kRed, 0}));
    // Still unsaved, so the next Exit asks again.
    h.boxes.queue(Answer::Cancel);
    h.triggerMenu("mnuFileExit");
    QCOMPARE(h.boxes.shown().size(), std::size_t(2));
  }

  void cancelOrAnAbandonedSaveLeaveEverything() {
    MainWindowHarness h;
    drawSomething(h);
    const Canvas before = h.state.canvas;
    h.boxes.queue(Answer::Cancel);
    h.triggerMenu("mnuFileNew");
    h.boxes.queue(Answer::Yes);  // the save is abandoned: nothing is written
    pictavo::testing::abandonTheSave();
    h.clickToolbar(1);
    h.boxes.queue(Answer::Cancel);
    h.triggerMenu("mnuFileClose");
    QCOMPARE(h.boxes.shown().size(), std::size_t(3));
    checkPrompt(h, 2, "Save Changes Before New?",
                "Would you like to save changes to your current icon before continuing?",
                Buttons::YesNoCancel);
    QCOMPARE(h.state.canvas, before);
    QVERIFY(!h.state.iconSaved);
    QVERIFY(h.window->isVisible());
  }

  void newWhenSavedAsksNothing() {
    MainWindowHarness h;
    h.state.canvas.at(1, 1) = Cell{kRed, 0};
    h.triggerMenu("mnuFileNew");
    QVERIFY(h.boxes.shown().empty());
    QCOMPARE(h.state.canvas, Canvas());
  }

  void exitAsksOnceAndStoresTheGeometry() {
    MainWindowHarness h;
    drawSomething(h);
    h.boxes.queue(Answer::No);
    h.triggerMenu("mnuFileExit");
    checkPrompt(h, 0, "Save Changes Before Exit?",
                "Would you like to save changes to your current icon before exiting?",
                Buttons::YesNoCancel);
    QCOMPARE(h.boxes.shown().size(), std::size_t(1));
    QCOMPARE(h.state.tool, std::string("Exit"));
    QVERIFY(h.state.iconSaved);
    QVERIFY(!h.window->isVisible());
    const QRect frame = h.window->frameGeometry();
    QCOMPARE(h.store.values.at("MainLeft"), std::to_string(frame.left() * 15));
    QCOMPARE(h.store.values.at("MainHeight"), std::to_string(frame.height() * 15));
  }

  void exitWithCancelOrAbandonedSaveStays() {
    MainWindowHarness h;
    drawSomething(h);
    h.boxes.queue(Answer::Cancel);
    h.triggerMenu("mnuFileExit");
    h.boxes.queue(Answer::Yes);
    pictavo::testing::abandonTheSave();
    h.triggerMenu("mnuFileExit");
    QVERIFY(h.window->isVisible());
    QVERIFY(!h.state.iconSaved);
    QCOMPARE(h.state.tool, std::string());
  }

  void closingAsksYesNoAndClosesTheOtherWindows() {
    MainWindowHarness h;
    QWidget other;
    other.show();
    drawSomething(h);
    h.boxes.queue(Answer::No);
    QVERIFY(h.window->close());
    checkPrompt(h, 0, "Save Changes Before Exit?",
                "Would you like to save changes to your current icon before exiting?", Buttons::YesNo);
    QVERIFY(!other.isVisible());
    for (const char* key : kGeometryKeys) QVERIFY(h.store.values.count(key));
  }

  void closingWithAnAbandonedSaveKeepsTheWindowOpen() {
    MainWindowHarness h;
    drawSomething(h);
    h.boxes.queue(Answer::Yes);
    pictavo::testing::abandonTheSave();
    QVERIFY(!h.window->close());
    QVERIFY(h.window->isVisible());
    QVERIFY(h.store.values.empty());
  }

  // The title bar's close clicked again while the save chooser is up must not
  // end the program with the icon unsaved.
  void aSecondCloseDuringThePromptsSaveIsIgnored() {
    MainWindowHarness h;
    drawSomething(h);
    h.boxes.queue(Answer::Yes);
    bool stillOpen = false;
    // Sent to the native window, as the window manager's close button is.
    const auto closeButton = [&h] {
      QCloseEvent event;
      QCoreApplication::sendEvent(h.window->windowHandle(), &event);
    };
    pictavo::testing::whenSaveChooserShows([&](ui::SaveForm& form) {
      closeButton();
      stillOpen = h.window->isVisible();
      form.Command1_Click();  // then the save is abandoned
    });
    closeButton();
    QVERIFY(stillOpen);
    QVERIFY(h.window->isVisible());
    QVERIFY(!h.state.iconSaved);
  }

  void closingWhileMinimisedStoresNoGeometry() {
    MainWindowHarness h;
    h.window->showMinimized();
    QVERIFY(h.window->close());
    for (const char* key : kGeometryKeys) QVERIFY(!h.store.values.count(key));
  }

  void theStartupFileOpensOnceWhole() {
    MainWindowHarness h(ScreenMode::Large,
                        [](ProgramState& s) { s.settings.startupFile = "/tmp/two words \"q\".ico"; });
    QTRY_VERIFY(h.state.settings.startupFile.empty());
    QCOMPARE(h.state.ico.openPath, std::string("/tmp/two words \"q\".ico"));
    h.state.ico.openPath = "elsewhere";
    h.window->Form_Activate();
    QCOMPARE(h.state.ico.openPath, std::string("elsewhere"));
  }

  void theSmallLayoutKeepsTheWindowAtTheTop() {
    MainWindowHarness h(ScreenMode::Small);
    QCOMPARE(h.window->pos().y(), 0);
    h.window->move(40, 50);
    h.window->Form_Activate();
    QCOMPARE(h.window->pos(), QPoint(40, 0));
  }
};

QTEST_MAIN(MainWindowPromptsTest)
#include "test_main_window_prompts.moc"
