#include "app/ui/QtMessageBoxes.h"

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

// A box closed without choosing (Escape, the close button) counts as its gentlest answer.
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

}  // namespace

Answer QtMessageBoxes::show(const std::string& text, const std::string& title, Buttons buttons,
                            MessageIcon icon) {
  const QString caption = title.empty() ? QStringLiteral("Pictavo") : QString::fromStdString(title);
  QMessageBox box(boxIcon(icon), caption, QString::fromStdString(text), standardButtons(buttons),
                  parent_.data());
  box.setTextFormat(Qt::PlainText);
  return answerFor(box.exec(), buttons);
}

}  // namespace pictavo::ui
