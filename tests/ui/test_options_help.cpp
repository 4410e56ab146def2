// The Options dialog, the help windows, the high-colour window and the about box, driven from the main window.
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <csignal>
#include <sys/resource.h>

#include "app/ui/AppIcon.h"
#include "shell/ui/Form1.h"
#include "shell/ui/Form11.h"
#include "shell/ui/Form12.h"
#include "shell/ui/Form9.h"
#include "shell/ui/FrmAbout.h"
#include "shell/ui/HelpPage.h"
#include "shell/ui/LinkLabel.h"
#include "support/IconFileFixtures.h"
#include "support/MainWindowHarness.h"

using namespace pictavo;
using namespace pictavo::testing;
using ui::Form1;

namespace {

const QColor kVisited(0, 0, 128);

const std::string kOldIni = "\" \",\"/old/icons/\",\"/old/pictures/\",\"2\",\"a\",\"b\",\"c\",\"Version_20b\"\r\n";

QLineEdit* box(Form1& form, const char* name) { return named(form.findChild<QLineEdit*>(name), name); }
void click(QWidget& form, const char* name) {
  QTest::mouseClick(named(form.findChild<QPushButton*>(name), name), Qt::LeftButton);
}

// Opens Options from the View menu and runs `act` on the modal dialog; `act` must close it.
void withOptions(MainWindowHarness& h, std::function<void(Form1&)> act) {
  bool ran = false;
  whenShown<Form1>([&](Form1& form) {
    QVERIFY(form.isModal() && form.parentWidget() == h.window.get());
    act(form);
    ran = true;
  });
  h.triggerMenu("mnuViewOptions");
  QVERIFY(ran);
}

void saveShot(QWidget& window, const char* name) {
  const QString dir =
      qEnvironmentVariable("PICTAVO_SCREENSHOTS", qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath()));
  QVERIFY(QDir().mkpath(dir) && window.grab().save(dir + QLatin1Char('/') + QLatin1String(name)));
  QCOMPARE(clippedLabels(window), std::vector<std::string>{});
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A canvas of more than 256 colours, so each depth shows it differently.
Canvas colourfulCanvas() {
  Canvas c;
  for (int r = 0; r < kGridSize; ++r)
    for (int col = 0; col < kGridSize; ++col) c.at(col, r) = Cell{rgb(col * 8 + 3, r * 8 + 5, (col * r) % 256), 0};
  return c;
}

}  // namespace

class TestOptionsHelp : public QObject {
  Q_OBJECT

  ScratchFolder tmp_;

  std::unique_ptr<MainWindowHarness> harness() {
    auto h = std::make_unique<MainWindowHarness>();
    writeFile(tmp_.path("pictav.ini"), kOldIni);
    h->state.settings.installDir = tmp_.folder() + "/";
    h->state.settings.user = " ";
    h->state.settings.iconDir = "/old/icons/";
    h->state.settings.pictureDir = "/old/pictures/";
    h->state.settings.multiIconFile = "2";
    h->state.settings.carried = {"a", "b", "c"};
    return h;
  }

  ui::HelpWindows helpFor(MainWindowHarness& h, std::set<std::string> onPath = {}) {
    return ui::HelpWindows({h.state, h.boxes, h.launcher, h.window.get(), "",
                            [onPath](const std::string& p) { return onPath.count(p) > 0; }});
  }

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(pictavo::ui::pictavoIcon());  // as the program sets it
  }

  // Apply and OK store what the boxes hold (one separator added) and rewrite the file; Cancel stores nothing.
  void applyOkAndCancel_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("closeWith");
    QTest::addColumn<QString>("iniLine");
    QTest::newRow("apply adds a separator, ticked") << "/new/icons" << true << "Command3"
        << "\"Ann\",\"/new/icons/\",\"/new/icons/\",\"1\",\"a\",\"b\",\"c\",\"Version_20b\"\r\n";
    QTest::newRow("ok keeps a separator, unticked") << "/new/icons/" << false << "Command1"
        << "\"Ann\",\"/new/icons/\",\"/new/icons/\",\"2\",\"a\",\"b\",\"c\",\"Version_20b\"\r\n";
    QTest::newRow("cancel") << "/new/icons" << true << "Command2" << QString::fromStdString(kOldIni);
  }
  void applyOkAndCancel() {
    QFETCH(QString, typed);
    QFETCH(bool, ticked);
    QFETCH(QString, closeWith);
    QFETCH(QString, iniLine);
    auto h = harness();
    const Settings before = h->state.settings;
    withOptions(*h, [&](Form1& form) {
      QCOMPARE(box(form, "Text1")->text() + "|" + box(form, "Text2")->text() + "|" + box(form, "Text3")->text(),
               QString(" |/old/icons/|/old/pictures/"));
      QVERIFY(!form.findChild<QCheckBox*>("Check1")->isChecked());
      box(form, "Text1")->setText("Ann");
      box(form, "Text2")->setText(typed);
      box(form, "Text3")->setText(typed);
      form.findChild<QCheckBox*>("Check1")->setChecked(ticked);
      click(form, closeWith.toLatin1().constData());
      if (form.isVisible()) click(form, "Command2");  // after Apply, Cancel changes nothing more
    });
    QCOMPARE(QString::fromStdString(readFile(tmp_.path("pictav.ini"))), iniLine);
    if (closeWith == "Command2") {
      QCOMPARE(h->state.settings.iconDir + h->state.settings.user, before.iconDir + before.user);
    } else {
      QCOMPARE(h->state.settings.pictureDir, std::string("/new/icons/"));
      QCOMPARE(h->state.settings.multiIconFile, std::string(ticked ? "1" : "2"));
    }
    QVERIFY(h->boxes.shown().empty());
  }

  // Browse puts the folder of the picked file in its box and in LastIconDir; a cancelled one
  // leaves the box and an empty LastIconDir. Busy only while the dialog is open.
  void browse_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("shownFolder");
    QTest::newRow("icons") << "Command4" << "/home/ann/icons/a.ico" << "/home/ann/icons";
    QTest::newRow("pictures, file in the root") << "Command5" << "/cat.jpg" << "/";
    QTest::newRow("cancelled") << "Command4" << "" << "/old/icons/";
  }
  void browse() {
    QFETCH(QString, button);
    QFETCH(QString, picked);
    QFETCH(QString, shownFolder);
    auto h = harness();
    h->state.ico.lastIconDir = "/earlier";
    std::vector<bool> busyWhileShown;
    h->optionsDialog.onShow([&] { busyWhileShown.push_back(h->state.busy); });
    if (!picked.isEmpty()) h->optionsDialog.queue(picked.toStdString());
    const bool icons = button == "Command4";
    withOptions(*h, [&](Form1& form) {
      QVERIFY(!h->state.busy);
      h->optionsDialog.setFileName("left over");
      click(form, button.toLatin1().constData());
      QVERIFY(!h->state.busy);
      QCOMPARE(box(form, icons ? "Text2" : "Text3")->text(), shownFolder);
      click(form, "Command2");
    });
    const auto& shown = h->optionsDialog.shown();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(busyWhileShown, std::vector<bool>{true});
    QCOMPARE(shown[0].initDir, std::string(icons ? "/old/icons/" : "/old/pictures/"));
    QCOMPARE(shown[0].fileName, std::string());
    QCOMPARE(shown[0].filter, std::string(icons ? "Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe"
                                                : "Convertible Pictures (*.jpg;*.bmp;*.ico;*.gif;*.emf;*.wmf;*.rle)|"
                                                  "*.jpg;*.bmp;*.ico;*.gif;*.emf;*.wmf;*.rle"));
    QCOMPARE(QString::fromStdString(h->state.ico.lastIconDir), picked.isEmpty() ? QString() : shownFolder);
    QCOMPARE(h->state.settings.iconDir, std::string("/old/icons/"));  // Cancel: nothing stored
  }

  // A settings file that cannot be written (here: the file size limit, which binds root too)
  // is named in a message; the old file stays as it was and the new values still apply.
  void unwritableSettingsFileIsReportedAndKept() {
    auto h = harness();
    withOptions(*h, [&](Form1& form) {
      box(form, "Text2")->setText("/new/icons");
      rlimit old{};
      getrlimit(RLIMIT_FSIZE, &old);
      rlimit tiny = old;
      tiny.rlim_cur = 16;
      const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
      setrlimit(RLIMIT_FSIZE, &tiny);
      click(form, "Command1");
      setrlimit(RLIMIT_FSIZE, &old);
      std::signal(SIGXFSZ, oldHandler);
    });
    QCOMPARE(readFile(tmp_.path("pictav.ini")), kOldIni);
    QCOMPARE(h->boxes.shown().size(), std::size_t(1));
    QVERIFY(h->boxes.shown()[0].text.find(tmp_.path("pictav.ini")) != std::string::npos);
    QCOMPARE(h->state.settings.iconDir, std::string("/new/icons/"));
    QCOMPARE(QDir(QString::fromStdString(tmp_.folder())).entryList(QDir::Files | QDir::Hidden).size(), 1);
  }

  void icoButtonAsksBeforeAssociating() {
    auto h = harness();
    h->boxes.queue(Answer::No);
    withOptions(*h, [&](Form1& form) {
      click(form, "Command6");
      saveShot(form, "options.png");
      click(form, "Command2");
    });
    QCOMPARE(h->boxes.shown().at(0).title, std::string("Make Default?"));
    QVERIFY(h->launcher.calls.empty());
  }

  // From the menu, "Copy" then "Pen" shows pages 2 and 3; Next on page 2 unloads it and brings
  // page 3 to the front. Visited entries stay dark blue until the menu is closed and reopened.
  void helpChainAndVisitedEntries() {
    MainWindowHarness h;
    h.clickToolbar(31);
    auto* menu = named(h.window->findChild<ui::Form9*>("Form9"), "Form9");
    QCOMPARE(menu->windowTitle(), QString("Help Main Menu"));
    saveShot(*menu, "help-menu.png");
    ui::HelpWindows help = helpFor(h);
    QTest::mouseClick(menu->link("Copy"), Qt::LeftButton);
    QTest::mouseClick(menu->link("Pen"), Qt::LeftButton);
    QPointer<ui::HelpPage> page2 = help.page(2), page3 = help.page(3);
    QVERIFY(page2 && page3 && page2->isVisible() && page3->isVisible());
    QCOMPARE(page2->objectName() + page3->objectName(), QString("Form6Form7"));
    QCOMPARE(page3->windowTitle(), QString("Help (Tools)"));
    saveShot(*page2, "help-page2.png");
    QCOMPARE(menu->link("Copy")->textColour(), kVisited);
    QVERIFY(menu->link("Paste")->textColour() != kVisited);

    const int raised = page3->frontRequests();
    click(*page2, "Command2");
    flushDeletes();
    QVERIFY(!page2 && page3 && page3->isVisible());
    QCOMPARE(help.page(3), page3.data());
    QCOMPARE(page3->frontRequests(), raised + 1);
    click(*page3, "Command1");  // Back
    flushDeletes();
    QVERIFY(!page3 && help.page(2));

    h.triggerMenu("mnuHelpContents");  // shown again: the same window, still marked
    QCOMPARE(h.window->findChildren<ui::Form9*>().size(), qsizetype(1));
    QCOMPARE(menu->link("Pen")->textColour(), kVisited);
    click(*menu, "Command1");
    flushDeletes();
    QVERIFY(!help.page(2));
    ui::Form9* again = help.showMenu();
    QVERIFY(again->link("Pen")->textColour() != kVisited);
    again->close();
  }

  // The menu's Close takes the topic pages with it, not the tips or the high-colour window;
  // the tips' "here" links open the high-colour window and page 4, the tips staying open.
  void menuCloseSparesTipsAndHighColour() {
    MainWindowHarness h;
    ui::HelpWindows help = helpFor(h);
    ui::Form9* menu = help.showMenu();
    for (const char* entry : {"Editor Tools", "How To Use The Icons You Create", "Tips and Tricks"})
      QTest::mouseClick(menu->link(entry), Qt::LeftButton);
    QVERIFY(help.page(1) && help.page(4));
    auto* tips = help.loaded<ui::Form11>();
    QVERIFY(tips && tips->windowTitle() == "Tips and Tricks");
    saveShot(*tips, "tips.png");
    help.page(4)->close();
    QCOMPARE(tips->hereLinks().size(), std::size_t(2));
    QTest::mouseClick(tips->hereLinks()[0], Qt::LeftButton);
    QTest::mouseClick(tips->hereLinks()[1], Qt::LeftButton);
    QVERIFY(help.loaded<ui::Form12>() && help.page(4) && tips->isVisible());

    click(*menu, "Command1");
    flushDeletes();
    QVERIFY(!help.loaded<ui::Form9>() && !help.page(1) && !help.page(4));
    QVERIFY(help.loaded<ui::Form11>() && help.loaded<ui::Form12>());
    help.loaded<ui::Form11>()->close();
    help.loaded<ui::Form12>()->close();
  }

  // The three samples are one icon at 16, 256 and 24-bit colour: all different for a colourful
  // icon, the last exactly the canvas. Display starts the desktop's settings each time.
  void highColourSamplesAndButtons() {
    MainWindowHarness h;
    h.state.canvas = colourfulCanvas();
    ui::HelpWindows help = helpFor(h, {"xfce4-display-settings"});
    ui::Form12* form = help.showHighColour();
    saveShot(*form, "high-colour.png");
    const QImage i16 = form->picture(1)->image(), i256 = form->picture(2)->image(), i24 = form->picture(3)->image();
    QVERIFY(i16 != i256 && i256 != i24 && i16 != i24);
    QCOMPARE(i24.pixelColor(31, 2), QColor(31 * 8 + 3, 2 * 8 + 5, 62));
    auto* enable = form->findChild<QPushButton*>("Command1");
    QVERIFY(!enable->isEnabled() && !enable->toolTip().isEmpty());
    click(*form, "Command2");
    click(*form, "Command2");
    QCOMPARE(h.launcher.calls.size(), std::size_t(2));
    QVERIFY(h.launcher.calls[1].detached && h.launcher.calls[1].program == "xfce4-display-settings");
    QVERIFY(form->isVisible());
    form->close();
    flushDeletes();

    // An empty canvas: the program's own icon, and no display settings to start.
    h.state.canvas.reset();
    ui::Form12* plain = helpFor(h).showHighColour();
    QVERIFY(!plain->findChild<QPushButton*>("Command2")->isEnabled());
    QVERIFY(plain->picture(3)->image() != plain->picture(1)->image());
    plain->close();
  }

  void aboutBoxIsModelessWithTheIconAndVersion() {
    MainWindowHarness h;
    h.triggerMenu("mnuHelpAbout");
    auto* about = named(h.window->findChild<ui::FrmAbout*>("frmAbout"), "frmAbout");
    QVERIFY(about->isVisible() && !about->isModal() && about->windowTitle() == "About Pictavo");
    QVERIFY(about->findChild<QLabel*>("lblVersion")->text().contains("2.0"));
    QCOMPARE(about->findChild<QLabel*>("picIcon")->pixmap().size(), QSize(32, 32));
    saveShot(*about, "about.png");
    click(*about, "cmdOK");
    QVERIFY(!about->isVisible());
  }
};

QTEST_MAIN(TestOptionsHelp)
#include "test_options_help.moc"
