#include "app/ui/UnattendedRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace pictavo::ui {
namespace {

QAbstractButton* chosenButton(QMessageBox& box, const QString& answer) {
  const auto wanted = answer.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0 ? QMessageBox::Yes
                                                                                        : QMessageBox::No;
  if (QAbstractButton* button = box.button(wanted)) return button;
  if (QAbstractButton* button = box.defaultButton()) return button;
  const auto buttons = box.buttons();
  return buttons.isEmpty() ? nullptr : buttons.first();
}

void answerOpenBox(const QString& answer) {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || !box->isVisible()) return;
  QAbstractButton* button = chosenButton(*box, answer);
  if (!button) return;
  qWarning("pictavo: message box \"%s\": %s -> %s", qPrintable(box->windowTitle()),
           qPrintable(box->text()), qPrintable(button->text().remove(QLatin1Char('&'))));
  button->click();
}

}  // namespace

void answerMessageBoxesWhenUnattended() {
  if (qEnvironmentVariableIsEmpty("PICTAVO_SCREENSHOT")) return;
  const QString answer = qEnvironmentVariable("PICTAVO_ANSWER");
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [answer] { answerOpenBox(answer); });
  timer->start(100);
}

}  // namespace pictavo::ui
