// Colour aids while drawing and saving: the save-type chooser's previews over
// other backdrops, and the colour budget in the main window's status bar.
#include <QDir>
#include <QToolButton>

#include "app/ui/ColourBudgetPanel.h"
#include "icofile/ui/IconPicture.h"
#include "icofile/ui/SaveForm.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using namespace pictavo::testing;
using Backdrop = ui::SaveForm::Backdrop;

namespace {

// Saved for looking at (PICTAVO_SCREENSHOTS), and checked for cut-off labels.
void save(QWidget& widget, const char* name) {
  const QString dir =
      qEnvironmentVariable("PICTAVO_SCREENSHOTS", qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath()));
  QVERIFY(QDir().mkpath(dir) && widget.grab().save(dir + QLatin1Char('/') + QLatin1String(name)));
  QCOMPARE(clippedLabels(widget), std::vector<std::string>{});
}

}  // namespace

class ColourAidsTest : public QObject {
  Q_OBJECT

 private slots:
  void chooserPreviewsSwitchBackdrops() {
    FileCommandRig rig;
    for (Cell& c : rig.state.canvas.cells()) c = Cell{rgb(200, 40, 40), 0};
    for (int column : {0, 4, 9}) rig.state.canvas.at(column, 0).transparent = 1;
    rig.save.mnuFileSaveAs_Click();
    ui::SaveForm* form = rig.save.saveForm();
    const QColor window = form->palette().color(QPalette::Button);
    const struct {
      Backdrop backdrop;
      QColor at0, at4;  // what shows through the transparent cells at columns 0 and 4
    } expected[] = {{Backdrop::Window, window, window},
                    {Backdrop::Dark, QColor(40, 40, 40), QColor(40, 40, 40)},
                    {Backdrop::Checkerboard, QColor(255, 255, 255), QColor(204, 204, 204)},
                    {Backdrop::Light, QColor(255, 255, 255), QColor(255, 255, 255)},
                    {Backdrop::Window, window, window}};
    QCOMPARE(form->backdrop(), Backdrop::Window);
    for (const auto& e : expected) {
      QTest::mouseClick(form->backdropButton(e.backdrop), Qt::LeftButton);
      form->Form_Activate();  // recomputing keeps the chosen backdrop
      QVERIFY(form->backdropButton(e.backdrop)->isChecked() && form->backdrop() == e.backdrop);
      for (int n = 1; n <= 3; ++n) {
        const QImage shown = form->picture(n)->image();
        QCOMPARE(shown.pixelColor(0, 0), e.at0);
        QCOMPARE(shown.pixelColor(4, 0), e.at4);
        QCOMPARE(shown.pixelColor(1, 0), n == 1 ? QColor(255, 0, 0) : QColor(200, 40, 40));  // 16: nearest red
      }
    }
    // A round icon with soft colours over the dark backdrop, for looking at.
    for (int i = 0; i < kCellCount; ++i) {
      const int dx = columnOf(i + 1) * 2 - 31, dy = rowOf(i + 1) * 2 - 31;
      rig.state.canvas.cells()[i] = Cell{rgb(250 - 3 * rowOf(i + 1), 180, 60 + 5 * columnOf(i + 1)),
                                         std::int16_t(dx * dx + dy * dy > 29 * 29)};
    }
    QTest::mouseClick(form->backdropButton(Backdrop::Dark), Qt::LeftButton);
    form->Form_Activate();
    save(*form, "save-chooser-dark.png");
  }

  void statusBarKeepsTheColourBudget() {
    MainWindowHarness h;
    ui::ColourBudgetPanel* budget = h.window->statusBarWidget()->budgetPanel();
    QCOMPARE(budget->text(), QStringLiteral("1 color: fits 16 and 256"));
    h.state.colour.penColor = rgb(255, 0, 0);
    h.leftDrag({h.cellCentre(2, 2), h.cellCentre(3, 2), h.cellCentre(4, 2)});
    QCOMPARE(budget->text(), QStringLiteral("2 colors: fits 16 and 256"));
    h.state.colour.penColor = rgb(200, 200, 200);
    h.leftDrag({h.cellCentre(5, 5)});
    QCOMPARE(budget->text(), QStringLiteral("3 colors: fits 256, not 16"));
    for (int i = 0; i < 300; ++i) h.state.canvas.cells()[i] = Cell{rgb(i % 256, i / 256, 9), 0};
    h.window->layIcon();
    QCOMPARE(budget->text(), QStringLiteral("301 colors: fits neither 16 nor 256"));
    h.boxes.queue(Answer::No);  // do not save the changes first
    h.triggerMenu("mnuFileNew");
    QCOMPARE(budget->text(), QStringLiteral("1 color: fits 16 and 256"));
    QCOMPARE(h.window->statusBarWidget()->textPanel()->text(), QStringLiteral("Status"));

    for (int i = 0; i < 40; ++i) h.state.canvas.cells()[i * 7] = Cell{rgb(6 * i, 255 - 6 * i, 90), 0};
    h.window->layIcon();
    save(*h.window->statusBarWidget(), "status-bar-budget.png");
  }
};

QTEST_MAIN(ColourAidsTest)
#include "test_colour_aids.moc"
