#include "platform/ui/QtMessageBoxes.h"

#include "platform/ui/OwnedWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace pictavo::ui {
namespace {

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// A box closed without choosing (Escape, the close button) counts as Cancel where it has one.
Answer answerFor(int clicked, Buttons buttons) {
  switch (clicked) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
  }
  if (buttons == Buttons::Ok) return Answer::Ok;
  if (buttons == Buttons::YesNo) return Answer::No;
  return Answer::Cancel;
}

// A Yes/No question has no gentle answer: Escape and the close button do nothing,
// so a slip of the hand cannot throw away unsaved work.
class RequireChoice : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress)
      return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (event->type() == QEvent::Close) {
      event->ignore();
      return true;
    }
    return false;
  }
};

}  // namespace

Answer QtMessageBoxes::show(const std::string& text, const std::string& title, Buttons buttons,
                            MessageIcon icon) {
  const QString caption = title.empty() ? QStringLiteral("Pictavo") : QString::fromStdString(title);
  QMessageBox box(boxIcon(icon), caption, QString::fromStdString(text), standardButtons(buttons),
                  parent_.data());
  box.setTextFormat(Qt::PlainText);
  centreWhenShown(box);
  RequireChoice requireChoice;
  if (buttons == Buttons::YesNo) box.installEventFilter(&requireChoice);
  return answerFor(box.exec(), buttons);
}

}  // namespace pictavo::ui
