// The save-type chooser, the preset Save As commands and SaveAs, and the
// round trip through a file at every depth.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "icofile/ColourReduction.h"
#include "icofile/ui/IconPicture.h"
#include "icofile/ui/SaveForm.h"
#include "support/IconFileFixtures.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;
using ui::SaveForm;

namespace {

// Cell i (0-based) gets colour(i); everything opaque.
template <typename ColourOf>
Canvas paintedCanvas(ColourOf colour) {
  Canvas c;
  for (int i = 0; i < kCellCount; ++i) c.cells()[i] = Cell{colour(i), 0};
  return c;
}

// Many colours and a transparent corner: every depth has to reduce or map something.
Canvas colourfulCanvas() {
  // 1009 colours, brought to 256 or fewer by the second reduction pass: no question asked.
  Canvas c = paintedCanvas([](int i) { return rgb(i % 32 * 8 + 3, i / 32 * 8 + 1, 0x40); });
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column) c.at(column, row) = Cell{rgb(3, 1, 0x40), 1};
  return c;
}

Canvas withWhiteTransparent(Canvas c) {
  for (Cell& cell : c.cells())
    if (cell.transparent) cell.colour = kWhite;
  return c;
}

SaveForm* openChooser(FileCommandRig& rig) {
  rig.save.mnuFileSaveAs_Click();
  SaveForm* form = rig.save.saveForm();
  form->Form_Activate();
  return form;
}

}  // namespace

class TestSaveCommand : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setQuitOnLastWindowClosed(false); }

  void roundTripAtEveryDepth() {
    ScratchFolder tmp;
    // Presets and chooser buttons alike; the file reads back as what the canvas shows.
    const struct {
      int depth;
      bool chooser;
      std::size_t size;
    } cases[] = {{16, false, 766},  {256, false, 2238}, {24, false, 3262},
                 {16, true, 766},   {256, true, 2238},  {24, true, 3262}};
    for (const auto& c : cases) {
      FileCommandRig rig;
      rig.state.canvas = colourfulCanvas();
      rig.state.iconSaved = false;
      const std::string file =
          tmp.path(std::to_string(c.depth) + (c.chooser ? "-chooser.ico" : "-preset.ico"));
      rig.dialog.queue(file);
      if (c.depth == 16 && !c.chooser) rig.boxes.queue(Answer::Ok);  // the loss-of-quality warning
      if (!c.chooser) {
        if (c.depth == 16) rig.save.mnuFileSaveAs16_Click();
        if (c.depth == 256) rig.save.mnuFileSaveAs256_Click();
        if (c.depth == 24) rig.save.mnuFileSaveAs24_Click();
      } else {
        SaveForm* form = openChooser(rig);
        const char* button = c.depth == 16 ? "Command3" : c.depth == 256 ? "Command4" : "Command5";
        QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
      }
      QCOMPARE(readBytes(file).size(), c.size);
      QVERIFY(rig.state.iconSaved);
      QVERIFY(!rig.state.busy);
      QCOMPARE(int(rig.state.saveDepth), c.depth);
      const Canvas saved = withWhiteTransparent(rig.state.canvas);
      if (c.depth == 24) QVERIFY(saved == withWhiteTransparent(colourfulCanvas()));

      rig.state.canvas.reset();
      rig.dialog.queue(file);
      rig.open.mnuFileOpen_Click();
      QVERIFY2(rig.state.canvas == saved, file.c_str());
    }
  }

  void chooserShowsCountPreviewsAndQuality() {
    FileCommandRig rig;
    rig.state.canvas = paintedCanvas([](int i) { return i < 512 ? rgb(200, 200, 200) : rgb(255, 0, 0); });
    rig.state.canvas.cell(1).transparent = 1;
    SaveForm* form = openChooser(rig);
    QCOMPARE(form->windowTitle(), QStringLiteral("Choose a save type"));
    QCOMPARE(form->countLabel()->text(), QStringLiteral("2"));
    QCOMPARE(clippedLabels(*form), std::vector<std::string>{});
    QVERIFY(!form->qualityLabel()->isVisible());
    const QColor face = form->palette().color(QPalette::Button);
    // 200 grey maps to light grey (192) at 16 colours; a transparent cell shows the button face.
    QCOMPARE(form->picture(1)->image().pixelColor(1, 0), QColor(192, 192, 192));
    QCOMPARE(form->picture(1)->image().pixelColor(0, 0), face);
    QCOMPARE(form->picture(2)->image().pixelColor(1, 0), QColor(200, 200, 200));
    QCOMPARE(form->picture(3)->image().pixelColor(0, 31), QColor(255, 0, 0));
    QCOMPARE(form->defaultCheck()->text(),
             QStringLiteral("Use the next choice as the default, and do not ask again"));

    // Label8: the percentage of the last reduction pass run.
    const struct {
      Canvas canvas;
      const char* label;
    } reductions[] = {
        {paintedCanvas([](int i) { return rgb(i % 8, 8 * (i / 8 % 32), 8 * (i / 256)); }), "90%"},
        {paintedCanvas([](int i) { return rgb(0, 8 * (i % 32), 8 * (i / 32)); }), "80%"},
        {paintedCanvas([](int i) { return rgb(16 * (i % 16), 16 * (i / 16 % 16), 16 * (i / 256)); }),
         "60%"}};
    for (const auto& r : reductions) {
      rig.state.canvas = r.canvas;
      form->Form_Activate();
      QVERIFY(form->qualityLabel()->isVisible());
      QCOMPARE(form->qualityLabel()->text(), QString::fromLatin1(r.label));
      QVERIFY(recountColors(rig.state.ico) <= 256);
    }
    rig.state.canvas = Canvas();
    form->Form_Activate();
    QVERIFY(!form->qualityLabel()->isVisible());
    QCOMPARE(form->countLabel()->text(), QStringLiteral("1"));
  }

  void chooserButtonsAndCancel() {
    ScratchFolder tmp;
    FileCommandRig rig;
    rig.state.canvas = colourfulCanvas();
    const Canvas original = rig.state.canvas;
    QPointer<SaveForm> form = openChooser(rig);
    form->defaultCheck()->setChecked(true);  // shown, but no default is kept
    QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!form || !form->isVisible());
    QVERIFY(rig.dialog.shown().empty());
    QVERIFY(rig.state.canvas == original);

    // 16 colours: reduced on the canvas with one undo step back, even when the save is abandoned.
    form = openChooser(rig);
    QTest::mouseClick(form->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QCOMPARE(rig.dialog.shown().size(), std::size_t(1));
    QVERIFY(rig.state.canvas != original);
    QVERIFY(!rig.state.iconSaved);
    QVERIFY(!rig.state.busy);
    QVERIFY(rig.repaints > 0);
    undo(rig.state);
    QVERIFY(rig.state.canvas == original);
  }

  void editsMadeWhileTheChooserIsOpenAreSaved() {
    ScratchFolder tmp;
    FileCommandRig rig;
    rig.state.canvas = paintedCanvas([](int) { return rgb(255, 0, 0); });
    SaveForm* form = openChooser(rig);
    rig.state.canvas.at(5, 5) = Cell{rgb(0, 0, 255), 0};  // drawn after the chooser worked things out
    const std::string file = tmp.path("edited.ico");
    rig.dialog.queue(file);
    form->Command3_Click();
    QCOMPARE(rig.state.canvas.at(5, 5).colour, rgb(0, 0, 255));
    rig.state.canvas.reset();
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.state.canvas.at(5, 5).colour, rgb(0, 0, 255));
  }

  void presetWarningsCanBeDeclined() {
    FileCommandRig rig;
    rig.state.canvas = colourfulCanvas();
    const Canvas original = rig.state.canvas;
    rig.boxes.queue(Answer::Cancel);
    rig.save.mnuFileSaveAs16_Click();
    QCOMPARE(rig.texts()[0], sixteenColourWarning(countColors(rig.state)));
    QCOMPARE(rig.boxes.shown()[0].buttons, Buttons::OkCancel);
    QVERIFY(rig.dialog.shown().empty());
    QVERIFY(rig.state.canvas == original);

    rig.state.canvas = paintedCanvas([](int i) { return rgb(16 * (i % 16), 16 * (i / 16 % 16), 16 * (i / 256)); });
    const Canvas many = rig.state.canvas;
    rig.boxes.queue(Answer::Cancel);
    rig.save.mnuFileSaveAs256_Click();
    QVERIFY(QString::fromStdString(rig.texts()[1]).startsWith(
        QStringLiteral("The icon you are saving is being compressed from 1024 to ")));
    QVERIFY(rig.dialog.shown().empty());
    QVERIFY(rig.state.canvas == many);
  }

  void saveAsDialogAndReplaceQuestion() {
    ScratchFolder tmp;
    FileCommandRig rig;
    rig.state.settings.iconDir = "/start/here";
    rig.state.iconSaved = false;
    const std::string existing = tmp.path("existing.ico");
    writeBytes(existing, {1, 2, 3});
    const std::string bare = tmp.path("no-extension");
    rig.dialog.setFileName("left-by-open.ico");
    rig.dialog.queue(existing);
    rig.dialog.queue(existing);
    rig.dialog.queue(bare);
    rig.boxes.queue(Answer::No);
    rig.boxes.queue(Answer::Yes);
    rig.save.mnuFileSaveAs24_Click();  // No: the dialog again; Yes: replaced
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));
    QCOMPARE(rig.texts()[0], "The file " + existing + " already exists.  Do you wish to replace it?");
    QCOMPARE(rig.boxes.shown()[0].buttons, Buttons::YesNo);
    for (const auto& shown : rig.dialog.shown()) {
      QVERIFY(shown.save);
      QCOMPARE(shown.fileName, std::string());
      QCOMPARE(shown.initDir, std::string("/start/here"));
      QCOMPARE(shown.filter, std::string("Icon Files (*.ico)|*.ico"));
    }
    QCOMPARE(readBytes(existing).size(), std::size_t(3262));  // replaced after Yes
    QVERIFY(rig.state.iconSaved);

    // A name without extension is written as typed; after an Open the dialog starts in its folder.
    rig.state.ico.openedFromFile = true;
    rig.state.ico.lastIconDir = tmp.folder();
    rig.save.mnuFileSaveAs24_Click();
    QCOMPARE(readBytes(bare).size(), std::size_t(3262));
    QCOMPARE(rig.dialog.shown().back().initDir, tmp.folder());
    QCOMPARE(rig.state.ico.savePath, bare);
  }

  void cancelledAndFailedSavesLeaveTheIconUnsaved() {
    ScratchFolder tmp;
    FileCommandRig rig;
    rig.state.iconSaved = false;
    rig.save.mnuFileSaveAs24_Click();  // the dialog is cancelled
    QVERIFY(!rig.state.iconSaved);
    QVERIFY(!rig.state.busy);
    QVERIFY(rig.boxes.shown().empty());

    // Into a "folder" that is a file: the message names the file, nothing is marked saved.
    const std::string blocker = tmp.path("blocker");
    writeBytes(blocker, {9});
    const std::string impossible = blocker + "/icon.ico";
    rig.dialog.queue(impossible);
    rig.save.mnuFileSaveAs24_Click();
    QCOMPARE(rig.boxes.shown().size(), std::size_t(1));
    QCOMPARE(rig.boxes.shown()[0].icon, MessageIcon::Critical);
    QVERIFY(QString::fromStdString(rig.texts()[0]).contains(QString::fromStdString(impossible)));
    QVERIFY(!rig.state.iconSaved);
    QVERIFY(!rig.state.busy);
    QCOMPARE(readBytes(blocker), std::vector<std::uint8_t>{9});

    // An existing file that cannot be replaced stays as it was.
    const std::string fixed = "/proc/version";
    const std::vector<std::uint8_t> before = readBytes(fixed);
    rig.dialog.queue(fixed);
    rig.boxes.queue(Answer::Yes);
    rig.save.mnuFileSaveAs24_Click();
    QCOMPARE(rig.boxes.shown().size(), std::size_t(3));
    QVERIFY(QString::fromStdString(rig.texts()[2]).contains(QStringLiteral("/proc/version")));
    QCOMPARE(readBytes(fixed), before);
    QVERIFY(!rig.state.iconSaved);
  }

  void saveIsTheChooserEveryTime() {
    FileCommandRig rig;
    rig.state.iconSaved = true;
    rig.save.mnuFileSave_Click();
    QVERIFY(rig.save.saveForm() && rig.save.saveForm()->isVisible());
    rig.save.saveForm()->Command1_Click();
    QVERIFY(rig.save.saveForm() == nullptr);
    rig.save.mnuFileSave_Click();
    QVERIFY(rig.save.saveForm() && rig.save.saveForm()->isVisible());
  }
};

QTEST_MAIN(TestSaveCommand)
#include "test_save_command.moc"
