// The floor for the editor's start: a Qt main window of the editor's size and
// title with nothing in it, shown as soon as the application object exists.
// With --menus it also has a menu bar, a toolbar button and a line of text: what
// any window with words and menus costs (fonts, image plugins) before it maps.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Pictavo"));
  window.resize(634, 502);
  if (app.arguments().contains(QStringLiteral("--menus"))) {
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Open Icon"));
    window.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("New"));
    window.setCentralWidget(new QLabel(QStringLiteral("Status")));
  }
  window.show();
  return app.exec();
}
