// The Open and Save commands with their windows, on generated icon files and Debian's wine shell32.dll.
#include <QDir>
#include <QProgressBar>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>

#include "icofile/ColourReduction.h"
#include "icofile/IcoFormat.h"
#include "icofile/IcoWriter.h"
#include "icofile/IconDecoder.h"
#include "platform/FolderPaths.h"
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

QString chooserCount(const FileCommandRig& rig) {
  return rig.open.chooser()->findChild<QLabel*>("Label3")->text();
}

template <typename ColourOf>
Canvas painted(ColourOf colour) {
  Canvas c;
  for (int i = 0; i < kCellCount; ++i) c.cells()[i] = Cell{colour(i), 0};
  return c;
}

const char* kShell32 = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";

int bitCountOf(const IcoState& ico, int k) {
  std::ifstream f(ico.openPath, std::ios::binary);
  f.seekg(std::streamoff(ico.iconRecord[k] - 1) * kScanRecordSize + ico.iconOffset[k] + 14);
  return f.get();
}

}  // namespace

class TestOpenSave : public QObject {
  Q_OBJECT

  ScratchFolder tmp_;

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // A second Open is cancelled: it started in the folder just used, its name cleared.
  void oneIconLoadsAtOnceAndTheDialogRemembersItsFolder() {
    writeIconSet(tmp_.path("one.ico"), 1);
    FileCommandRig rig;
    rig.state.settings.iconDir = "/icons";
    rig.dialog.setFileName("left-by-save.ico");
    QVERIFY(!rig.openFile(tmp_.path("one.ico")));
    rig.open.mnuFileOpen_Click();
    const auto& shown = rig.dialog.shown();
    QCOMPARE(shown[0].filter, std::string("Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe"));
    QCOMPARE(shown[0].initDir + "|" + shown[0].fileName, std::string("/icons|left-by-save.ico"));
    QCOMPARE(shown[1].initDir + "|" + shown[1].fileName, tmp_.folder() + "|");
    QCOMPARE(rig.state.canvas, whiteUnderTransparent(numberedCanvas(0)));
    QCOMPARE(rig.state.preview.pixel(0, 0), numberedCanvas(0).cell(1).colour);
    QVERIFY(rig.state.iconSaved && rig.state.ico.openedFromFile && !rig.state.busy);
    QCOMPARE(folderOfPickedFile("/app.ico"), std::string("/"));
  }

  // Cancel; Yes then the chooser closed (the Open ends as after Cancel); Yes and saved.
  void theSavePromptBeforeOpen() {
    FileCommandRig rig;
    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::Cancel);
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.boxes.shown()[0].title, std::string("Save Changes Before Open?"));
    rig.boxes.queue(Answer::Yes);
    abandonTheSave();
    rig.open.mnuFileOpen_Click();
    QVERIFY(rig.dialog.shown().empty() && !rig.state.busy);
    rig.boxes.queue(Answer::Yes);
    rig.dialog.queue(tmp_.path("prompted.ico"));
    whenShown<ui::SaveForm>([](ui::SaveForm& form) { form.Command5_Click(); });
    rig.open.mnuFileOpen_Click();
    QVERIFY(rig.state.iconSaved);
    QCOMPARE(rig.boxes.shown().back().title + "|" + rig.boxes.shown().back().text,
             std::string("Save Successful|File Saved Successfully"));
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));  // Save, then Open with an empty name
    QVERIFY(!rig.dialog.shown()[1].save && rig.dialog.shown()[1].fileName.empty());
  }

  // No icons: said, and the dialog again where that file was; a folder or a pipe cannot be scanned; a
  // missing command-line file.
  void filesWithoutIconsOrUnreadableAskAgain() {
    writeFile(tmp_.path("plain.dll"), std::string(9000, 0x28));
    FileCommandRig rig;
    rig.dialog.queue(tmp_.path("plain.dll"));
    rig.openFile(tmp_.folder());
    QCOMPARE(rig.boxes.shown()[0].text, std::string("There were no icons in the file you selected"));
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));
    QCOMPARE(rig.dialog.shown()[1].initDir, tmp_.folder());
    QVERIFY(rig.lastSaid(tmp_.folder() + " is not a regular file") && !rig.open.waitForm()->isVisible() &&
            !rig.state.busy);
    const std::string pipe = tmp_.path("pipe.ico");
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    rig.openFile(pipe);
    QVERIFY(rig.lastSaid(pipe + " is not a regular file"));
    rig.state.ico.openPath = tmp_.path("missing.ico");
    rig.open.openNamedFile();
    QVERIFY(rig.lastSaid("missing.ico"));
    QCOMPARE(rig.state.canvas, Canvas());
  }

  // 35 icons: the second page shows 14..34; 34: box 20 there is empty and cannot be selected; 5: one page.
  void chooserPages() {
    for (int count : {35, 34, 5}) {
      writeIconSet(tmp_.path("pages.ico"), count);
      FileCommandRig rig;
      Form4* form = rig.openFile(tmp_.path("pages.ico"));
      QCOMPARE(chooserCount(rig), QString::number(count));
      QCOMPARE(form->scrollBar()->isVisibleTo(form), count > 21);
      QCOMPARE(shownNumber(form->box(20)), count > 20 ? 20 : -1);
      form->scrollBar()->setValue(1);
      const int first = 14 * form->scrollBar()->value();
      for (int b = 0; b < Form4::kBoxes; ++b)
        QCOMPARE(shownNumber(form->box(b)), first + b < count ? first + b : -1);
      QTest::mouseClick(form->box(20), Qt::LeftButton);
      QCOMPARE(form->hasSelection(), first + 20 < count);
    }
  }

  // The list holds 4097; a file with more says that only those are offered.
  void moreIconsThanTheListHoldsAreSaidToBeCutShort() {
    for (int headers : {4097, 4098}) {
      std::string file;
      for (int n = 0; n < headers; ++n) file.append(kIconSignature.begin(), kIconSignature.end());
      writeFile(tmp_.path("many.bin"), file);
      FileCommandRig rig;
      rig.openFile(tmp_.path("many.bin"));
      QCOMPARE(chooserCount(rig), QStringLiteral("4097"));
      QCOMPARE(rig.lastSaid("Only the first 4097 icons found in " + tmp_.path("many.bin") + " are listed"),
               headers == 4098);
    }
  }

  void selectScrollAndConfirm() {
    writeIconSet(tmp_.path("fifty.ico"), 50);
    FileCommandRig rig;
    rig.state.ico.chosenIcon = 7;  // left by an earlier chooser
    Form4* form = rig.openFile(tmp_.path("fifty.ico"));
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
    QCOMPARE(rig.state.canvas, whiteUnderTransparent(numberedCanvas(31)));
    form = rig.openFile(tmp_.path("fifty.ico"));
    form->scrollBar()->setValue(3);
    QTest::mouseDClick(form->box(0), Qt::LeftButton);
    QCOMPARE(numberOf(rig.state.canvas), 42);
  }

  // An unreadable image: a grey cross, a message, the canvas unchanged. Cancel: the dialog again, there.
  void chooserCancelUnreadableImagesAndANewOpen() {
    writeIconSet(tmp_.path("thirty.ico"), 30, {1});
    writeIconSet(tmp_.path("three.ico"), 3);
    FileCommandRig rig;
    QPointer<Form4> form = rig.openFile(tmp_.path("thirty.ico"));
    QCOMPARE(form->box(1)->content(), Content::Unsupported);
    QTest::mouseDClick(form->box(1), Qt::LeftButton);
    QVERIFY(rig.lastSaid("cannot be read"));
    QCOMPARE(rig.state.canvas, Canvas());
    QTest::mouseClick(form->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));
    QVERIFY(rig.dialog.shown()[1].initDir == tmp_.folder() && !rig.state.busy);
    form = rig.openFile(tmp_.path("thirty.ico"));
    QTest::mouseClick(form->box(11), Qt::LeftButton);
    rig.openFile(tmp_.path("three.ico"));  // a new Open closes the chooser reading the old list
    QVERIFY(!form || !form->isVisible());
    QCOMPARE(chooserCount(rig), QStringLiteral("3"));
  }

  // Drawn, saved at each depth from its menu item and from the chooser, opened: the same canvas.
  void roundTripAtEveryDepth() {
    using Item = void (ui::SaveCommand::*)();
    const std::tuple<Item, const char*, std::size_t> depths[] = {
        {&ui::SaveCommand::mnuFileSaveAs16_Click, "Command3", 766},
        {&ui::SaveCommand::mnuFileSaveAs256_Click, "Command4", 2238},
        {&ui::SaveCommand::mnuFileSaveAs24_Click, "Command5", 3262}};
    for (bool chooser : {false, true})
      for (auto [item, button, size] : depths) {
        FileCommandRig rig;
        // 1009 colours that the second reduction pass brings to 256 (no question), a transparent corner.
        rig.state.canvas = painted([](int i) { return rgb(i % 32 * 8 + 3, i / 32 * 8 + 1, 0x40); });
        for (int i : {0, 1, 32, 33}) rig.state.canvas.cells()[i] = Cell{rgb(3, 1, 0x40), 1};
        const std::string file = tmp_.path(button + std::string(chooser ? "c.ico" : "m.ico"));
        rig.dialog.queue(file);
        rig.boxes.queue(Answer::Ok);  // the menu's 16-colour loss-of-quality warning
        if (chooser) {
          rig.save.mnuFileSaveAs_Click();
          QTest::mouseClick(rig.save.saveForm()->findChild<QPushButton*>(button), Qt::LeftButton);
        } else {
          (rig.save.*item)();
        }
        QCOMPARE(rig.boxes.pending(), std::size_t(chooser || size != 766));
        QCOMPARE(readFile(file).size(), size);
        QVERIFY(rig.state.iconSaved && !rig.state.busy);
        const Canvas saved = whiteUnderTransparent(rig.state.canvas);
        rig.state.canvas.reset();
        rig.openFile(file);
        QVERIFY2(rig.state.canvas == saved, file.c_str());
      }
  }

  void saveChooserPreviewsAndQuality() {
    FileCommandRig rig;
    rig.state.canvas = painted([](int i) { return i < 512 ? rgb(200, 200, 200) : rgb(255, 0, 0); });
    rig.state.canvas.cell(1).transparent = 1;
    rig.save.mnuFileSaveAs_Click();
    ui::SaveForm* form = rig.save.saveForm();
    QVERIFY(form->countLabel()->text() == "2" && !form->qualityLabel()->isVisible());
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

  // Closing the chooser changes nothing; 16 colours with the dialog cancelled reduce the icon (undoably).
  void saveChooserCancelAndAReducedButUnwrittenIcon() {
    FileCommandRig rig;
    rig.state.canvas = painted([](int) { return rgb(250, 10, 10); });
    const Canvas original = rig.state.canvas;
    rig.save.mnuFileSaveAs_Click();
    rig.save.saveForm()->Command1_Click();
    QVERIFY(!rig.save.saveForm() && rig.dialog.shown().empty() && rig.state.canvas == original);
    rig.save.mnuFileSaveAs_Click();
    rig.state.canvas.at(5, 5) = Cell{rgb(0, 0, 250), 0};  // drawn while the chooser is open
    rig.save.saveForm()->Command3_Click();
    QCOMPARE(rig.state.canvas.at(5, 5).colour, rgb(0, 0, 255));
    QCOMPARE(rig.state.canvas.at(0, 0).colour, rgb(255, 0, 0));
    QVERIFY(!rig.state.iconSaved && !rig.state.busy);
    undo(rig.state);
    QCOMPARE(rig.state.canvas.at(0, 0).colour, rgb(250, 10, 10));
  }

  // No to replacing: the dialog again; after an Open it starts in that folder; the name is kept as typed.
  void saveAsDialogAndReplaceQuestion() {
    FileCommandRig rig;
    rig.state.settings.iconDir = "/start";
    const std::string existing = tmp_.path("existing.ico");
    writeFile(existing, "abc");
    rig.dialog.setFileName("left-by-open.ico");
    rig.dialog.queue(existing);
    rig.dialog.queue(existing);
    rig.boxes.queue(Answer::No);
    rig.boxes.queue(Answer::Yes);
    rig.save.mnuFileSaveAs24_Click();
    QCOMPARE(rig.boxes.shown()[0].text,
             "The file " + existing + " already exists.  Do you wish to replace it?");
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));
    for (const auto& shown : rig.dialog.shown())
      QVERIFY(shown.save && shown.fileName.empty() && shown.initDir == "/start" &&
              shown.filter == "Icon Files (*.ico)|*.ico");
    QCOMPARE(readFile(existing).size(), std::size_t(3262));
    rig.state.ico.openedFromFile = true;
    rig.state.ico.lastIconDir = tmp_.folder();
    rig.dialog.queue(tmp_.path("no-extension"));
    rig.save.mnuFileSaveAs24_Click();
    QCOMPARE(rig.dialog.shown().back().initDir, tmp_.folder());
    QCOMPARE(readFile(tmp_.path("no-extension")).size(), std::size_t(3262));
  }

  // A folder that is a file; a file that exists but cannot be replaced (kept as it was).
  void failedSavesSaySoAndMarkNothing() {
    FileCommandRig rig;
    rig.state.iconSaved = false;
    writeFile(tmp_.path("blocker"), "x");
    rig.dialog.queue(tmp_.path("blocker") + "/icon.ico");
    rig.save.mnuFileSaveAs24_Click();
    QVERIFY(rig.lastSaid(tmp_.path("blocker") + "/icon.ico"));
    QCOMPARE(rig.boxes.shown().back().icon, MessageIcon::Critical);
    const std::string before = readFile("/proc/version");
    rig.dialog.queue("/proc/version");
    rig.boxes.queue(Answer::Yes);
    rig.save.mnuFileSaveAs24_Click();
    QVERIFY(rig.lastSaid("/proc/version") && readFile("/proc/version") == before);
    QVERIFY(!rig.state.iconSaved && !rig.state.busy);
  }

  // Three icons at the start and one near the end of a sparse 300 MB file.
  void cancellingTheScanKeepsWhatWasFound() {
    const std::string big = tmp_.path("big.dll");
    writeIconSet(big, 3);
    std::filesystem::resize_file(big, (300 << 20) - 8192);
    const std::vector<std::uint8_t> last = encodeIcon24(numberedCanvas(99));
    std::ofstream(big, std::ios::app | std::ios::binary) << std::string(last.begin(), last.end());
    FileCommandRig rig;
    rig.openFile(big);
    QCOMPARE(rig.state.ico.iconCount, 4);
    // Cancel pressed once the bar moves (a sparse file in the page cache scans
    // faster than events are let through, so the press is not queued).
    ui::WaitForm* wait = rig.open.waitForm();
    connect(wait->progressBar(), &QProgressBar::valueChanged, this, [&](int value) {
      if (value >= 2 && !wait->scanCancelled()) QTest::mouseClick(wait->cancelButton(), Qt::LeftButton);
    });
    rig.openFile(big);
    QCOMPARE(rig.open.lastScan().status, ScanStatus::Cancelled);
    QVERIFY(!wait->isVisible() && !rig.state.busy);
    QCOMPARE(rig.state.ico.iconCount, 3);  // kept; the one at the end never reached
    QCOMPARE(chooserCount(rig), QStringLiteral("3"));
    std::filesystem::remove(big);
  }

  // Every page fills its boxes; the first icon of each depth and the last load as the model decodes them.
  void everyIconIsOfferedAndLoadsAsTheModelDecodesIt() {
    if (!QFileInfo::exists(kShell32)) QSKIP("wine's shell32.dll is not installed");
    FileCommandRig rig;
    ui::Form4* form = rig.openFile(kShell32);
    const int count = rig.state.ico.iconCount, last = form->scrollBar()->maximum();
    QVERIFY(count > 100 && last == (count - 22) / 14 + 1);
    for (int value = 0; value <= last; ++value) {
      form->scrollBar()->setValue(value);
      for (int b = 0; b < ui::Form4::kBoxes; ++b)
        QCOMPARE(form->box(b)->content(), value * 14 + b < count ? Content::Image : Content::Empty);
    }
    std::map<int, int> firstOfDepth;
    for (int k = 0; k < count; ++k) firstOfDepth.emplace(bitCountOf(rig.state.ico, k), k);
    for (int k : {firstOfDepth[4], firstOfDepth[8], firstOfDepth[24], firstOfDepth[32], count - 1}) {
      form = rig.open.chooser() ? rig.open.chooser() : rig.openFile(kShell32);
      const int value = std::min(k / 14, last);
      form->scrollBar()->setValue(value);
      IcoState ico = rig.state.ico;
      Canvas expected;
      QVERIFY(loadTempIco(ico, k));
      moveTempIco2Pixel(ico, expected);
      QVERIFY(expected != Canvas());
      QCOMPARE(form->box(k - 14 * value)->image(), ui::iconImage(expected, Qt::white));
      QTest::mouseDClick(form->box(k - 14 * value), Qt::LeftButton);
      QVERIFY2(rig.state.canvas == expected, qPrintable(QString::number(k)));
    }
    QVERIFY(rig.boxes.shown().empty());
  }

  void screenshotsAndNothingCutOff() {
    if (!QFileInfo::exists(kShell32)) QSKIP("wine's shell32.dll is not installed");
    FileCommandRig rig;
    ui::Form4* form = rig.openFile(kShell32);
    form->scrollBar()->setValue(3);
    QTest::mouseClick(form->box(9), Qt::LeftButton);
    screenshot(*form, "chooser-shell32.png");
    form->scrollBar()->setValue(form->scrollBar()->maximum());
    screenshot(*form, "chooser-shell32-last-page.png");
    rig.open.waitForm()->setProgress(45);
    screenshot(*rig.open.waitForm(), "wait-form.png");
    QTest::mouseClick(form->box(0), Qt::LeftButton);
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    rig.save.mnuFileSaveAs_Click();
    screenshot(*rig.save.saveForm(), "save-type-chooser.png");
    rig.state.canvas = painted([](int i) { return rgb(i % 32 * 8, i / 32 * 8, 255 - i % 32 * 4); });
    rig.save.saveForm()->Form_Activate();
    screenshot(*rig.save.saveForm(), "save-type-chooser-reduced.png");
    ScratchFolder tmp;
    writeIconSet(tmp.path("mixed.ico"), 4, {1});
    screenshot(*rig.openFile(tmp.path("mixed.ico")), "chooser-unsupported.png");
  }
};

QTEST_MAIN(TestOpenSave)
#include "test_open_save.moc"
