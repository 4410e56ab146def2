#include "app/ui/ScriptedRun.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

namespace pictavo::ui {
namespace {

QWidget* shownWidget(const QString& name) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    if (top->objectName() == name) return top;
    for (QWidget* w : top->findChildren<QWidget*>(name))
      if (w->isVisible()) return w;
  }
  return nullptr;
}

void click(QWidget& widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->click();
    return;
  }
  const QPointF centre = QRectF(widget.rect()).center();
  const QPointF global = widget.mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &press);
  QCoreApplication::sendEvent(&widget, &release);
}

bool answer(const QString& text) {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box) return false;
  for (QAbstractButton* button : box->buttons())
    if (button->text().remove(QLatin1Char('&')).compare(text, Qt::CaseInsensitive) == 0) {
      button->click();
      return true;
    }
  return false;
}

bool pickFile(const QString& path) {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (!dialog) return false;
  // Typed as a user would: selecting waits for the folder to be listed.
  if (auto* typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
    typed->setText(path);
  else
    dialog->selectFile(path);
  QMetaObject::invokeMethod(dialog, "accept");
  return true;
}

bool run(QMainWindow& main, const QString& verb, const QString& argument) {
  if (verb == QLatin1String("trigger")) {
    auto* action = main.findChild<QAction*>(argument);
    if (action) action->trigger();
    return action;
  }
  if (verb == QLatin1String("answer")) return answer(argument);
  if (verb == QLatin1String("file")) return pickFile(argument);
  QWidget* widget = shownWidget(argument);
  if (!widget) return false;
  if (verb == QLatin1String("click")) click(*widget);
  else if (verb == QLatin1String("close")) widget->window()->close();
  else return false;
  return true;
}

class CommandReader : public QObject {
 public:
  explicit CommandReader(QMainWindow& main)
      : QObject(&main), main_(&main), notifier_(STDIN_FILENO, QSocketNotifier::Read, this) {
    connect(&notifier_, &QSocketNotifier::activated, this, [this] { readAvailable(); });
  }

 private:
  void readAvailable() {
    char chunk[4096];
    const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (got <= 0) {
      notifier_.setEnabled(false);  // the driver has gone; the program carries on
      return;
    }
    pending_.append(chunk, int(got));
    for (int end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
      const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
      pending_.remove(0, end + 1);
      if (!line.isEmpty()) QTimer::singleShot(0, this, [this, line] { perform(line); });
    }
  }

  void perform(const QString& line) {
    const int space = line.indexOf(QLatin1Char(' '));
    const QString verb = line.left(space);
    const QString argument = space < 0 ? QString() : line.mid(space + 1);
    if (!main_ || !run(*main_, verb, argument)) qWarning("pictavo: could not %s", qPrintable(line));
  }

  QPointer<QMainWindow> main_;
  QSocketNotifier notifier_;
  QByteArray pending_;
};

}  // namespace

void followCommandsWhenScripted(QMainWindow& mainWindow) {
  if (qEnvironmentVariable("PICTAVO_COMMANDS") != QLatin1String("stdin")) return;
  new CommandReader(mainWindow);
}

}  // namespace pictavo::ui
