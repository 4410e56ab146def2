// The platform file dialog behind the FileDialog interface.
#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "app/ui/dialogs/QtFileDialog.h"
#include "support/IconFileFixtures.h"

using namespace pictavo;
using namespace pictavo::testing;

namespace {

// Runs `check` on the file dialog once it is up; `check` answers it.
void whenDialogShows(std::function<void(QFileDialog&)> check) {
  QTimer::singleShot(0, [check] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) dialog = d;
    }
    if (dialog) check(*dialog);
  });
}

}  // namespace

class TestFileDialog : public QObject {
  Q_OBJECT

 private slots:
  void filtersInQtSyntax() {
    QCOMPARE(ui::qtNameFilter("Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe"),
             QStringLiteral("Icon Files (*.ic*;*.dll;*.exe) (*.ic* *.IC* *.dll *.DLL *.exe *.EXE)"));
    QCOMPARE(ui::qtNameFilter("Icon Files (*.ico)|*.ico"),
             QStringLiteral("Icon Files (*.ico) (*.ico *.ICO)"));
    QCOMPARE(ui::qtNameFilter("Anything"), QStringLiteral("Anything (*)"));
  }

  void openStartsInTheFolderAndReturnsThePath() {
    ScratchFolder tmp;
    const std::string file = tmp.path("pick.ico");
    writeIconSet(file, 1);
    ui::QtFileDialog dialog(nullptr, "dlgCommonDialog");
    dialog.setInitDir(tmp.folder());
    dialog.setFileName("pick.ico");
    dialog.setFilter("Icon Files (*.ic*;*.dll;*.exe)|*.ic*;*.dll;*.exe");
    QString name, folder, filter;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
    whenDialogShows([&](QFileDialog& d) {
      name = d.objectName();
      mode = d.acceptMode();
      folder = QDir(d.directory()).canonicalPath();
      filter = d.selectedNameFilter();
      static_cast<QDialog&>(d).accept();
    });
    const std::string chosen = dialog.showOpen();
    QCOMPARE(name, QStringLiteral("dlgCommonDialog"));
    QCOMPARE(mode, QFileDialog::AcceptOpen);
    QCOMPARE(folder, QDir(QString::fromStdString(tmp.folder())).canonicalPath());
    QCOMPARE(filter, QStringLiteral("Icon Files (*.ic*;*.dll;*.exe)"));  // the patterns stay out of sight
    QCOMPARE(QFileInfo(QString::fromStdString(chosen)).canonicalFilePath(),
             QFileInfo(QString::fromStdString(file)).canonicalFilePath());
    QCOMPARE(dialog.fileName(), chosen);
  }

  void cancelGivesAnEmptyName() {
    ScratchFolder tmp;
    ui::QtFileDialog dialog(nullptr, "dlgCommonDialog");
    dialog.setInitDir(tmp.folder());
    dialog.setFileName("left.ico");
    dialog.setFilter("Icon Files (*.ico)|*.ico");
    bool savingWithoutOwnQuestion = false;
    whenDialogShows([&](QFileDialog& d) {
      savingWithoutOwnQuestion =
          d.acceptMode() == QFileDialog::AcceptSave && d.testOption(QFileDialog::DontConfirmOverwrite);
      d.reject();
    });
    QCOMPARE(dialog.showSave(), std::string());
    QVERIFY(savingWithoutOwnQuestion);
    QCOMPARE(dialog.fileName(), std::string());
  }
};

QTEST_MAIN(TestFileDialog)
#include "test_file_dialog.moc"
