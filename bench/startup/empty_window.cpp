// The floor for the editor's start: a Qt main window of the editor's size and
// title with nothing in it, shown as soon as the application object exists.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Pictavo"));
  window.resize(634, 502);
  window.show();
  return app.exec();
}
