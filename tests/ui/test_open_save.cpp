// The Open and Save commands with their windows, on generated icon files.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "icofile/ColourReduction.h"
#include "icofile/ui/Form4.h"
#include "icofile/ui/IconPicture.h"
#include "icofile/ui/SaveForm.h"
#include "support/SaveChooserScript.h"
#include "icofile/ui/WaitForm.h"
#include "support/IconFileFixtures.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;
using ui::Form4;
using Content = ui::IconPicture::Content;

namespace {

// The icon a chooser box shows (its top-left pixel holds the number), -1 if none.
int shownNumber(const ui::IconPicture* box) {
  if (box->content() != Content::Image) return -1;
  const QRgb p = box->image().pixel(0, 0);
  return qRed(p) + 256 * qGreen(p);
}

Form4* openChooser(FileCommandRig& rig, const std::string& file) {
  rig.dialog.queue(file);
  rig.open.mnuFileOpen_Click();
  return rig.open.chooser();
}

template <typename ColourOf>
Canvas painted(ColourOf colour) {
  Canvas c;
  for (int i = 0; i < kCellCount; ++i) c.cells()[i] = Cell{colour(i), 0};
  return c;
}

// 1009 colours that the second reduction pass brings to 256 (no question), a transparent corner.
Canvas colourful() {
  Canvas c = painted([](int i) { return rgb(i % 32 * 8 + 3, i / 32 * 8 + 1, 0x40); });
  for (int i : {0, 1, 32, 33}) c.cells()[i] = Cell{rgb(3, 1, 0x40), 1};
  return c;
}

}  // namespace

class TestOpenSave : public QObject {
  Q_OBJECT

  ScratchFolder tmp_;

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void oneIconLoadsAtOnceAndTheDialogRemembersItsFolder() {
    const std::string file = tmp_.path("one.ico");
    writeIconSet(file, 1);
    FileCommandRig rig;
    rig.state.settings.iconDir = "/icons";
    rig.dialog.setFileName("left-by-save.ico");
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.dialog.shown()[0].filter, std::string("Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe"));
    QCOMPARE(rig.dialog.shown()[0].initDir, std::string("/icons"));
    QCOMPARE(rig.dialog.shown()[0].fileName, std::string("left-by-save.ico"));
    QVERIFY(!rig.open.chooser());
    QVERIFY(rig.state.canvas == whiteUnderTransparent(numberedCanvas(0)));
    QCOMPARE(rig.state.preview.pixel(0, 0), numberedCanvas(0).cell(1).colour);
    QVERIFY(rig.state.iconSaved && rig.state.ico.openedFromFile && !rig.state.busy);

    rig.open.mnuFileOpen_Click();  // cancelled, in the folder just used, name cleared
    QCOMPARE(rig.dialog.shown()[1].initDir, tmp_.folder());
    QCOMPARE(rig.dialog.shown()[1].fileName, std::string());
    QVERIFY(!rig.state.busy);
    QCOMPARE(ui::folderOfPickedFile("/app.ico"), std::string("/"));
  }

  void savePrompt() {
    FileCommandRig rig;
    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::Cancel);
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.boxes.shown()[0].title, std::string("Save Changes Before Open?"));
    QVERIFY(rig.dialog.shown().empty());

    rig.boxes.queue(Answer::Yes);  // then the chooser is closed: the Open ends as after Cancel
    testing::whenSaveChooserShows([](ui::SaveForm& form) { form.Command1_Click(); });
    rig.open.mnuFileOpen_Click();
    QVERIFY(rig.dialog.shown().empty());

    rig.boxes.queue(Answer::Yes);
    rig.dialog.queue(tmp_.path("prompted.ico"));
    testing::whenSaveChooserShows([](ui::SaveForm& form) { form.Command5_Click(); });
    rig.open.mnuFileOpen_Click();
    QVERIFY(rig.state.iconSaved);
    QCOMPARE(rig.boxes.shown().back().title, std::string("Save Successful"));
    QCOMPARE(rig.lastText(), std::string("File Saved Successfully"));
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));  // Save, then Open with an empty name
    QVERIFY(!rig.dialog.shown()[1].save && rig.dialog.shown()[1].fileName.empty());
  }

  void filesWithoutIconsOrUnreadable() {
    const std::string plain = tmp_.path("plain.dll");
    writeBytes(plain, std::vector<std::uint8_t>(9000, 0x28));
    FileCommandRig rig;
    rig.dialog.queue(plain);
    rig.dialog.queue(tmp_.folder());  // a folder cannot be scanned
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.boxes.shown()[0].text, std::string("There were no icons in the file you selected"));
    QCOMPARE(rig.dialog.shown()[1].initDir, tmp_.folder());  // asked again, where that file was
    QVERIFY(QString::fromStdString(rig.lastText()).contains(QString::fromStdString(tmp_.folder())));
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));
    QVERIFY(!rig.open.waitForm()->isVisible());
    QVERIFY(!rig.state.busy);
    QVERIFY(rig.state.canvas == Canvas());
  }

  void chooserPages() {
    for (int count : {35, 34}) {
      const std::string file = tmp_.path(std::to_string(count) + ".ico");
      writeIconSet(file, count);
      FileCommandRig rig;
      Form4* form = openChooser(rig, file);
      QCOMPARE(form->findChild<QLabel*>("Label3")->text(), QString::number(count));
      QCOMPARE(form->scrollBar()->maximum(), 1);
      QCOMPARE(shownNumber(form->box(20)), 20);
      form->scrollBar()->setValue(1);
      for (int b = 0; b < Form4::kBoxes; ++b) QCOMPARE(shownNumber(form->box(b)), 14 + b < count ? 14 + b : -1);
      QTest::mouseClick(form->box(20), Qt::LeftButton);  // nothing there for 34: not selectable
      QCOMPARE(form->hasSelection(), count == 35);
    }
    const std::string few = tmp_.path("few.ico");
    writeIconSet(few, 5);
    FileCommandRig rig;
    Form4* form = openChooser(rig, few);
    QVERIFY(!form->scrollBar()->isVisible());
    QCOMPARE(form->box(5)->content(), Content::Empty);
  }

  void selectScrollAndConfirm() {
    const std::string file = tmp_.path("fifty.ico");
    writeIconSet(file, 50);
    FileCommandRig rig;
    rig.state.ico.chosenIcon = 7;  // left by an earlier chooser
    Form4* form = openChooser(rig, file);
    form->Command3_Click();  // nothing chosen here yet: OK does nothing
    QVERIFY(form->isVisible() && !form->okButton()->isEnabled());

    form->scrollBar()->setValue(2);
    QTest::mouseClick(form->box(3), Qt::LeftButton);
    QCOMPARE(rig.state.ico.chosenIcon, 31);
    QVERIFY(form->selectionFrame()->isVisible());
    QCOMPARE(form->selectionFrame()->geometry(), QRect(178, 67, 44, 42));
    form->scrollBar()->setValue(3);  // the frame goes, the choice stays
    QVERIFY(!form->selectionFrame()->isVisible());
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(rig.state.canvas == whiteUnderTransparent(numberedCanvas(31)));

    form = openChooser(rig, file);
    form->scrollBar()->setValue(3);
    QTest::mouseDClick(form->box(0), Qt::LeftButton);
    QCOMPARE(numberOf(rig.state.canvas), 42);
  }

  void unreadableImageIsMarkedAndRefused() {
    const std::string file = tmp_.path("mixed.ico");
    writeIconSet(file, 3, {1});
    FileCommandRig rig;
    Form4* form = openChooser(rig, file);
    QCOMPARE(form->box(1)->content(), Content::Unsupported);
    QTest::mouseDClick(form->box(1), Qt::LeftButton);
    QVERIFY(QString::fromStdString(rig.lastText()).contains(QStringLiteral("cannot be read")));
    QVERIFY(rig.state.canvas == Canvas());
  }

  void chooserCancelAndANewOpen() {
    const std::string many = tmp_.path("thirty.ico");
    const std::string three = tmp_.path("three.ico");
    writeIconSet(many, 30);
    writeIconSet(three, 3);
    FileCommandRig rig;
    QPointer<Form4> form = openChooser(rig, many);
    QTest::mouseClick(form->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));  // Cancel: the dialog again, there
    QCOMPARE(rig.dialog.shown()[1].initDir, tmp_.folder());
    QVERIFY(!rig.state.busy);

    form = openChooser(rig, many);
    QTest::mouseClick(form->box(11), Qt::LeftButton);
    openChooser(rig, three);  // a new Open closes the chooser reading the old list
    QVERIFY(!form || !form->isVisible());
    QCOMPARE(rig.open.chooser()->findChild<QLabel*>("Label3")->text(), QStringLiteral("3"));
  }

  void commandLineFile() {
    FileCommandRig rig;
    rig.state.ico.openPath = tmp_.path("missing.ico");
    rig.open.openNamedFile();
    QVERIFY(QString::fromStdString(rig.lastText()).contains(QStringLiteral("missing.ico")));
    QVERIFY(rig.state.canvas == Canvas());
  }

  void roundTripAtEveryDepth() {
    for (bool chooser : {false, true})
      for (int depth : {16, 256, 24}) {
        FileCommandRig rig;
        rig.state.canvas = colourful();
        const std::string file = tmp_.path(std::to_string(depth) + (chooser ? "c.ico" : "p.ico"));
        rig.dialog.queue(file);
        if (chooser) {
          rig.save.mnuFileSaveAs_Click();
          const char* button = depth == 16 ? "Command3" : depth == 256 ? "Command4" : "Command5";
          QTest::mouseClick(rig.save.saveForm()->findChild<QPushButton*>(button), Qt::LeftButton);
        } else {
          if (depth == 16) rig.boxes.queue(Answer::Ok);  // the loss-of-quality warning
          depth == 16 ? rig.save.mnuFileSaveAs16_Click()
                      : depth == 256 ? rig.save.mnuFileSaveAs256_Click() : rig.save.mnuFileSaveAs24_Click();
        }
        QCOMPARE(readBytes(file).size(), std::size_t(depth == 16 ? 766 : depth == 256 ? 2238 : 3262));
        QVERIFY(rig.state.iconSaved && !rig.state.busy);
        const Canvas saved = whiteUnderTransparent(rig.state.canvas);
        rig.state.canvas.reset();
        rig.dialog.queue(file);
        rig.open.mnuFileOpen_Click();
        QVERIFY2(rig.state.canvas == saved, file.c_str());
      }
  }

  void saveChooserPreviewsAndQuality() {
    FileCommandRig rig;
    rig.state.canvas = painted([](int i) { return i < 512 ? rgb(200, 200, 200) : rgb(255, 0, 0); });
    rig.state.canvas.cell(1).transparent = 1;
    rig.save.mnuFileSaveAs_Click();
    ui::SaveForm* form = rig.save.saveForm();
    QCOMPARE(form->countLabel()->text(), QStringLiteral("2"));
    QVERIFY(!form->qualityLabel()->isVisible());
    QCOMPARE(form->picture(1)->image().pixelColor(1, 0), QColor(192, 192, 192));  // 16 colours
    QCOMPARE(form->picture(1)->image().pixelColor(0, 0), form->palette().color(QPalette::Button));
    QCOMPARE(form->picture(2)->image().pixelColor(1, 0), QColor(200, 200, 200));
    const std::pair<Canvas, const char*> reductions[] = {
        {painted([](int i) { return rgb(i % 8, 8 * (i / 8 % 32), 8 * (i / 256)); }), "90%"},
        {painted([](int i) { return rgb(0, 8 * (i % 32), 8 * (i / 32)); }), "80%"},
        {painted([](int i) { return rgb(16 * (i % 16), 16 * (i / 16 % 16), 16 * (i / 256)); }), "60%"}};
    for (const auto& [canvas, label] : reductions) {
      rig.state.canvas = canvas;
      form->Form_Activate();
      QCOMPARE(form->qualityLabel()->text(), QString::fromLatin1(label));
      QVERIFY(form->qualityLabel()->isVisible() && recountColors(rig.state.ico) <= 256);
    }
  }

  void saveChooserButtons() {
    FileCommandRig rig;
    rig.state.canvas = painted([](int) { return rgb(250, 10, 10); });
    const Canvas original = rig.state.canvas;
    rig.save.mnuFileSaveAs_Click();
    rig.save.saveForm()->Command1_Click();
    QVERIFY(!rig.save.saveForm() && rig.dialog.shown().empty() && rig.state.canvas == original);

    rig.save.mnuFileSaveAs_Click();
    rig.state.canvas.at(5, 5) = Cell{rgb(0, 0, 250), 0};  // drawn while the chooser is open
    rig.save.saveForm()->Command3_Click();               // 16 colours; the save dialog is cancelled
    QCOMPARE(rig.state.canvas.at(5, 5).colour, rgb(0, 0, 255));
    QCOMPARE(rig.state.canvas.at(0, 0).colour, rgb(255, 0, 0));
    QVERIFY(!rig.state.iconSaved && !rig.state.busy);  // reduced but not written: a change
    undo(rig.state);
    QCOMPARE(rig.state.canvas.at(0, 0).colour, rgb(250, 10, 10));
  }

  void saveAsDialogAndReplaceQuestion() {
    FileCommandRig rig;
    rig.state.settings.iconDir = "/start";
    const std::string existing = tmp_.path("existing.ico");
    writeBytes(existing, {1, 2, 3});
    rig.dialog.setFileName("left-by-open.ico");
    rig.dialog.queue(existing);
    rig.dialog.queue(existing);
    rig.boxes.queue(Answer::No);
    rig.boxes.queue(Answer::Yes);
    rig.save.mnuFileSaveAs24_Click();
    QCOMPARE(rig.boxes.shown()[0].text, "The file " + existing + " already exists.  Do you wish to replace it?");
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));  // No: the dialog again
    for (const auto& shown : rig.dialog.shown())
      QVERIFY(shown.save && shown.fileName.empty() && shown.initDir == "/start" &&
              shown.filter == "Icon Files (*.ico)|*.ico");
    QCOMPARE(readBytes(existing).size(), std::size_t(3262));

    rig.state.ico.openedFromFile = true;  // after an Open: that folder; the name as typed
    rig.state.ico.lastIconDir = tmp_.folder();
    rig.dialog.queue(tmp_.path("no-extension"));
    rig.save.mnuFileSaveAs24_Click();
    QCOMPARE(rig.dialog.shown().back().initDir, tmp_.folder());
    QCOMPARE(readBytes(tmp_.path("no-extension")).size(), std::size_t(3262));
  }

  void failedSavesSaySoAndMarkNothing() {
    FileCommandRig rig;
    rig.state.iconSaved = false;
    const std::string blocker = tmp_.path("blocker");
    writeBytes(blocker, {9});
    rig.dialog.queue(blocker + "/icon.ico");  // its folder is a file
    rig.save.mnuFileSaveAs24_Click();
    QVERIFY(QString::fromStdString(rig.lastText()).contains(QString::fromStdString(blocker + "/icon.ico")));
    QCOMPARE(rig.boxes.shown().back().icon, MessageIcon::Critical);

    const std::vector<std::uint8_t> before = readBytes("/proc/version");
    rig.dialog.queue("/proc/version");  // exists, cannot be replaced
    rig.boxes.queue(Answer::Yes);
    rig.save.mnuFileSaveAs24_Click();
    QVERIFY(QString::fromStdString(rig.lastText()).contains(QStringLiteral("/proc/version")));
    QCOMPARE(readBytes("/proc/version"), before);
    QVERIFY(!rig.state.iconSaved && !rig.state.busy);
  }
};

QTEST_MAIN(TestOpenSave)
#include "test_open_save.moc"
