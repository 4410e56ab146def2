// The Qt implementations of the platform services the main window is given.
#include <functional>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/ui/QProcessLauncher.h"
#include "app/ui/QtMessageBoxes.h"
#include "app/ui/QtSettingsStore.h"

using namespace pictavo;

namespace {

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Runs `act` on the next message box once it is up (the timer may fire before it is).
void whenBoxShown(const std::function<void(QMessageBox*)>& act) {
  QTimer::singleShot(0, [act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return whenBoxShown(act);
    act(box);
  });
}

// Answers the next message box by clicking `button` (or pressing Escape) and records it.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton button) {
  whenBoxShown([&seen, button](QMessageBox* box) {
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    if (button == QMessageBox::NoButton)
      QTest::keyClick(box, Qt::Key_Escape);
    else
      box->button(button)->click();
  });
}

}  // namespace

class MainServicesTest : public QObject {
  Q_OBJECT
  QTemporaryDir config_{qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath()) + "/configXXXXXX"};

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
  }

  void messageBoxesShowExactTextsAndAnswer() {
    ui::QtMessageBoxes boxes;
    SeenBox seen;
    answerNextBox(seen, QMessageBox::No);
    QVERIFY(boxes.show("Would you like to save?", "Save Changes Before New?", Buttons::YesNoCancel) ==
            Answer::No);
    QCOMPARE(seen.title, QStringLiteral("Save Changes Before New?"));
    QCOMPARE(seen.text, QStringLiteral("Would you like to save?"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    answerNextBox(seen, QMessageBox::Ok);
    QVERIFY(boxes.show("Done", "", Buttons::Ok, MessageIcon::Information) == Answer::Ok);
    QCOMPARE(seen.title, QStringLiteral("Pictavo"));  // an empty title is the program's
    QCOMPARE(seen.icon, QMessageBox::Information);

    answerNextBox(seen, QMessageBox::NoButton);  // Escape
    QVERIFY(boxes.show("Really?", "Q", Buttons::YesNoCancel) == Answer::Cancel);
  }

  void aYesNoQuestionCannotBeEscaped() {
    ui::QtMessageBoxes boxes;
    bool stillOpen = false;
    whenBoxShown([&stillOpen](QMessageBox* box) {
      QTest::keyClick(box, Qt::Key_Escape);
      if (box->isVisible()) box->close();
      stillOpen = box->isVisible();
      if (stillOpen) box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(boxes.show("Save before exiting?", "Save Changes Before Exit?", Buttons::YesNo) ==
            Answer::Yes);
    QVERIFY(stillOpen);
  }

  void settingsStoreKeepsValuesUnderPictavoSettings() {
    ui::QtSettingsStore store;
    QVERIFY(!store.value("IconDir").has_value());
    store.setValue("IconDir", "/home/a/icons, with comma");
    QCOMPARE(ui::QtSettingsStore().value("IconDir").value_or(""), std::string("/home/a/icons, with comma"));
    QFile file(QDir(config_.path()).filePath("Pictavo/Pictavo.conf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("[Settings]"));
  }

  void launcherReportsHowTheProgramEnded() {
    ui::QProcessLauncher launcher;
    QVERIFY(launcher.run("true", {}).succeeded());
    const LaunchResult failed = launcher.run("sh", {"-c", "echo no such type; exit 3"});
    QVERIFY(failed.started);
    QCOMPARE(failed.exitCode, 3);
    QVERIFY(failed.errorText.find("no such type") != std::string::npos);
    const LaunchResult missing = launcher.run("/nonexistent/xdg-mime", {"default"});
    QVERIFY(!missing.started && !missing.succeeded());
    QVERIFY(!missing.errorText.empty());
  }
};

QTEST_MAIN(MainServicesTest)
#include "test_main_services.moc"
