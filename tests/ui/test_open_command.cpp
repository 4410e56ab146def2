// The Open command, the start-up open and the icon chooser, on generated icon files.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "icofile/ui/Form4.h"
#include "icofile/ui/IconPicture.h"
#include "icofile/ui/SaveForm.h"
#include "icofile/ui/WaitForm.h"
#include "support/IconFileFixtures.h"

using namespace pictavo;
using namespace pictavo::testing;
using ui::Form4;
using ui::IconPicture;

namespace {

// The number an icon's thumbnail shows in its top-left pixel, -1 for a box without image.
int shownNumber(const IconPicture* box) {
  if (box->content() != IconPicture::Content::Image) return -1;
  const QRgb p = box->image().pixel(0, 0);
  return qRed(p) + 256 * qGreen(p);
}

Canvas decoded(const Canvas& canvas) {
  Canvas c = canvas;  // a file holds no colour under transparent cells
  for (Cell& cell : c.cells())
    if (cell.transparent) cell.colour = kWhite;
  return c;
}

}  // namespace

class TestOpenCommand : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setQuitOnLastWindowClosed(false); }

  void singleIconLoadsAtOnceWithoutChangingSavedFlag() {
    ScratchFolder tmp;
    const std::string file = tmp.path("one.ico");
    writeIconSet(file, 1);
    FileCommandRig rig;
    rig.state.settings.iconDir = "/icons/start";
    rig.dialog.setFileName("left-by-save.ico");
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();

    QCOMPARE(rig.dialog.shown().size(), std::size_t(1));
    const auto& shown = rig.dialog.shown()[0];
    QVERIFY(!shown.save);
    QCOMPARE(shown.filter, std::string("Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe"));
    QCOMPARE(shown.initDir, std::string("/icons/start"));
    QCOMPARE(shown.fileName, std::string("left-by-save.ico"));  // kept: no remembered folder
    QVERIFY(rig.open.chooser() == nullptr);
    QVERIFY(rig.state.canvas == decoded(numberedCanvas(0)));
    QCOMPARE(rig.state.preview.pixel(0, 0), numberedCanvas(0).cell(1).colour);
    QVERIFY(rig.repaints > 0);
    QVERIFY(rig.state.iconSaved);
    QVERIFY(!rig.state.busy);
    QVERIFY(rig.state.ico.openedFromFile);
    QCOMPARE(rig.state.ico.lastIconDir, tmp.folder());
    ui::WaitForm* wait = rig.open.waitForm();
    QVERIFY(!wait->isVisible());
    QCOMPARE(wait->windowTitle(), QStringLiteral("Please Wait"));
    QCOMPARE(wait->size(), QSize(276, 79));
    QCOMPARE(wait->findChild<QLabel*>("Label1")->text(), QStringLiteral("Please wait while I scan the file."));
    QVERIFY(wait->findChild<QLabel*>("Label1")->font().bold());
    QCOMPARE(wait->cancelButton()->text(), QStringLiteral("Cancel"));
    QVERIFY(wait->cancelButton()->font().bold());
    QCOMPARE(wait->progressBar()->maximum(), 100);
    QCOMPARE(clippedLabels(*wait), std::vector<std::string>{});

    // The next Open starts in that folder with the name cleared.
    rig.dialog.setFileName("stale.ico");
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.dialog.shown()[1].initDir, tmp.folder());
    QCOMPARE(rig.dialog.shown()[1].fileName, std::string());
    QVERIFY(!rig.state.busy);
  }

  void folderOfPickedFile() {
    QCOMPARE(ui::folderOfPickedFile("/home/user/icons/app.ico"), std::string("/home/user/icons"));
    QCOMPARE(ui::folderOfPickedFile("/app.ico"), std::string("/"));
    QCOMPARE(ui::folderOfPickedFile("app.ico"), std::string());
  }

  void savePromptCancelNoAndYes() {
    ScratchFolder tmp;
    FileCommandRig rig;
    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::Cancel);
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.boxes.shown()[0].title, std::string("Save Changes Before Open?"));
    QCOMPARE(rig.boxes.shown()[0].text,
             std::string("Would you like to save changes to your current icon before continuing?"));
    QCOMPARE(rig.boxes.shown()[0].buttons, Buttons::YesNoCancel);
    QVERIFY(rig.dialog.shown().empty());

    // No: the dialog comes with its name cleared; the icon stays unsaved.
    rig.boxes.queue(Answer::No);
    rig.dialog.setFileName("proposed.ico");
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.dialog.shown().size(), std::size_t(1));
    QCOMPARE(rig.dialog.shown()[0].fileName, std::string());
    QVERIFY(!rig.state.iconSaved);
    QVERIFY(!rig.state.busy);

    // Yes, then the save is abandoned in the chooser: the Open ends as after Cancel.
    rig.boxes.queue(Answer::Yes);
    QTimer::singleShot(0, [&] { rig.save.saveForm()->Command1_Click(); });
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.dialog.shown().size(), std::size_t(1));
    QVERIFY(!rig.state.iconSaved);

    // Yes and a 24-bit save: "Save Successful", then the Open dialog.
    const std::string saved = tmp.path("saved.ico");
    rig.boxes.queue(Answer::Yes);
    rig.dialog.queue(saved);
    QTimer::singleShot(0, [&] { rig.save.saveForm()->Command5_Click(); });
    rig.open.mnuFileOpen_Click();
    QVERIFY(rig.state.iconSaved);
    QCOMPARE(readBytes(saved).size(), std::size_t(3262));
    QCOMPARE(rig.titles().back(), std::string("Save Successful"));
    QCOMPARE(rig.texts().back(), std::string("File Saved Successfully"));
    QCOMPARE(rig.dialog.shown().size(), std::size_t(3));  // save dialog, then the Open dialog
    QVERIFY(rig.dialog.shown()[1].save);
    QVERIFY(!rig.dialog.shown()[2].save);
    QVERIFY(!rig.state.busy);
  }

  void fileWithoutIconsAsksAgainInItsFolder() {
    ScratchFolder tmp;
    const std::string empty = tmp.path("plain.dll");
    writeBytes(empty, std::vector<std::uint8_t>(9000, 0x28));
    FileCommandRig rig;
    rig.dialog.queue(empty);  // then cancel
    const Canvas before = rig.state.canvas;
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.texts(), std::vector<std::string>{"There were no icons in the file you selected"});
    QCOMPARE(rig.titles(), std::vector<std::string>{""});  // the program's title
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));
    QCOMPARE(rig.dialog.shown()[1].initDir, tmp.folder());
    QCOMPARE(rig.dialog.shown()[1].fileName, std::string());
    QVERIFY(rig.state.canvas == before);
    QVERIFY(!rig.state.busy);
  }

  void unreadableFileIsReportedAndClosesTheScan() {
    ScratchFolder tmp;
    FileCommandRig rig;
    rig.dialog.queue(tmp.folder());  // a folder cannot be scanned
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.boxes.shown().size(), std::size_t(1));
    QVERIFY(QString::fromStdString(rig.texts()[0]).contains(QString::fromStdString(tmp.folder())));
    QVERIFY(!rig.open.waitForm()->isVisible());
    QCOMPARE(rig.dialog.shown().size(), std::size_t(1));
    QVERIFY(!rig.state.busy);
  }

  void chooserPagesOf35And34Icons() {
    ScratchFolder tmp;
    FileCommandRig rig;
    for (int count : {35, 34}) {
      const std::string file = tmp.path(std::to_string(count) + ".ico");
      writeIconSet(file, count);
      rig.dialog.queue(file);
      rig.open.mnuFileOpen_Click();
      Form4* form = rig.open.chooser();
      QVERIFY(form && form->isVisible());
      QCOMPARE(form->windowTitle(), QStringLiteral("Choose Icon"));
      QCOMPARE(form->size(), QSize(409, 266));
      QCOMPARE(form->findChild<QLabel*>("Label3")->text(), QString::number(count));
      QCOMPARE(clippedLabels(*form), std::vector<std::string>{});
      QVERIFY(form->scrollBar()->isVisible());
      QCOMPARE(form->scrollBar()->maximum(), 1);
      for (int b = 0; b < Form4::kBoxes; ++b) QCOMPARE(shownNumber(form->box(b)), b);
      QCOMPARE(form->box(20)->pos(), QPoint(40 + 48 * 6, 72 + 48 * 2));

      form->scrollBar()->setValue(1);
      for (int b = 0; b < Form4::kBoxes; ++b)
        QCOMPARE(shownNumber(form->box(b)), 14 + b < count ? 14 + b : -1);
      QCOMPARE(form->box(20)->content(),
               count == 35 ? IconPicture::Content::Image : IconPicture::Content::Empty);
      // A box without an icon cannot be selected.
      QTest::mouseClick(form->box(20), Qt::LeftButton);
      QCOMPARE(form->hasSelection(), count == 35);
      QVERIFY(!rig.state.busy);
    }
  }

  void fewIconsHaveNoScrollBar() {
    ScratchFolder tmp;
    FileCommandRig rig;
    const std::string file = tmp.path("five.ico");
    writeIconSet(file, 5);
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    QVERIFY(!form->scrollBar()->isVisible());
    QCOMPARE(shownNumber(form->box(4)), 4);
    QCOMPARE(form->box(5)->content(), IconPicture::Content::Empty);
    QCOMPARE(Form4::scrollMaximum(21), 0);
    QCOMPARE(Form4::scrollMaximum(22), 1);
    QCOMPARE(Form4::scrollMaximum(36), 2);
  }

  void selectScrollAndConfirm() {
    ScratchFolder tmp;
    FileCommandRig rig;
    const std::string file = tmp.path("fifty.ico");
    writeIconSet(file, 50);
    rig.state.ico.chosenIcon = 7;  // left by an earlier chooser
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    QVERIFY(!form->okButton()->isEnabled());
    form->Command3_Click();  // nothing chosen in this window yet
    QVERIFY(form->isVisible());

    form->scrollBar()->setValue(2);
    QTest::mouseClick(form->box(3), Qt::LeftButton);
    QCOMPARE(rig.state.ico.chosenIcon, 31);
    QVERIFY(form->selectionFrame()->isVisible());
    QCOMPARE(form->selectionFrame()->geometry(), QRect(178, 67, 44, 42));
    QVERIFY(form->okButton()->isEnabled());

    // Scrolling or coming back to the window hides the frame but keeps the choice.
    form->scrollBar()->setValue(3);
    QVERIFY(!form->selectionFrame()->isVisible());
    QTest::mouseClick(form->box(0), Qt::LeftButton);
    form->Form_Activate();
    QVERIFY(!form->selectionFrame()->isVisible());
    QCOMPARE(rig.state.ico.chosenIcon, 42);
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(numberOf(rig.state.canvas), 42);
  }

  void doubleClickLoadsTheIcon() {
    ScratchFolder tmp;
    FileCommandRig rig;
    const std::string file = tmp.path("fifty.ico");
    writeIconSet(file, 50);
    rig.state.iconSaved = false;
    rig.boxes.queue(Answer::No);
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    form->scrollBar()->setValue(2);
    QTest::mouseDClick(form->box(3), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(rig.state.canvas == decoded(numberedCanvas(31)));
    QVERIFY(!rig.state.iconSaved);  // a load is not a save
  }

  void unreadableImageIsMarkedAndRefused() {
    ScratchFolder tmp;
    FileCommandRig rig;
    const std::string file = tmp.path("mixed.ico");
    writeIconSet(file, 3, {1});
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();
    Form4* form = rig.open.chooser();
    QCOMPARE(form->box(1)->content(), IconPicture::Content::Unsupported);
    QCOMPARE(shownNumber(form->box(2)), 2);
    const Canvas before = rig.state.canvas;
    QTest::mouseDClick(form->box(1), Qt::LeftButton);
    QCOMPARE(rig.boxes.shown().size(), std::size_t(1));
    QVERIFY(QString::fromStdString(rig.texts()[0]).contains(QStringLiteral("cannot be read")));
    QVERIFY(rig.state.canvas == before);

    // A file whose only image cannot be read says so too.
    const std::string single = tmp.path("single.ico");
    writeIconSet(single, 1, {0});
    rig.dialog.queue(single);
    rig.open.mnuFileOpen_Click();
    QCOMPARE(rig.boxes.shown().size(), std::size_t(2));
    QVERIFY(rig.state.canvas == before);
  }

  void cancelInTheChooserShowsTheDialogAgain() {
    ScratchFolder tmp;
    FileCommandRig rig;
    const std::string file = tmp.path("many.ico");
    writeIconSet(file, 4);
    rig.dialog.queue(file);
    rig.open.mnuFileOpen_Click();
    QTest::mouseClick(rig.open.chooser()->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCOMPARE(rig.dialog.shown().size(), std::size_t(2));
    QCOMPARE(rig.dialog.shown()[1].initDir, tmp.folder());
    QCOMPARE(rig.dialog.shown()[1].fileName, std::string());
    QVERIFY(rig.open.chooser() == nullptr);
    QVERIFY(!rig.state.busy);
  }

  void newOpenClosesTheChooserFirst() {
    ScratchFolder tmp;
    FileCommandRig rig;
    const std::string first = tmp.path("first.ico");
    const std::string second = tmp.path("second.ico");
    writeIconSet(first, 30);
    writeIconSet(second, 3);
    rig.dialog.queue(first);
    rig.open.mnuFileOpen_Click();
    QPointer<Form4> old = rig.open.chooser();
    old->scrollBar()->setValue(1);
    QTest::mouseClick(old->box(11), Qt::LeftButton);  // icon 25
    QCOMPARE(rig.state.ico.chosenIcon, 25);

    rig.dialog.queue(second);
    rig.open.mnuFileOpen_Click();
    QVERIFY(!old || !old->isVisible());
    QVERIFY(rig.open.chooser() != old.data());
    QCOMPARE(rig.open.chooser()->findChild<QLabel*>("Label3")->text(), QStringLiteral("3"));
    QVERIFY(!rig.open.chooser()->okButton()->isEnabled());
  }

  void commandLineFile() {
    ScratchFolder tmp;
    {
      FileCommandRig rig;
      rig.state.ico.openPath = tmp.path("missing.ico");
      rig.open.openNamedFile();
      QCOMPARE(rig.boxes.shown().size(), std::size_t(1));
      QVERIFY(QString::fromStdString(rig.texts()[0]).contains(QStringLiteral("missing.ico")));
      QVERIFY(rig.state.canvas == Canvas());
      QVERIFY(rig.dialog.shown().empty());
    }
    {
      FileCommandRig rig;
      const std::string file = tmp.path("named.ico");
      writeIconSet(file, 1);
      rig.state.iconSaved = false;
      rig.state.ico.openPath = file;
      rig.open.openNamedFile();
      QVERIFY(rig.boxes.shown().empty());  // no save prompt
      QCOMPARE(numberOf(rig.state.canvas), 0);
      QVERIFY(!rig.state.ico.openedFromFile);
      QCOMPARE(rig.state.ico.lastIconDir, std::string());
    }
  }
};

QTEST_MAIN(TestOpenCommand)
#include "test_open_command.moc"
