#include "platform/ui/PointerWidget.h"

#include <QMouseEvent>

namespace pictavo::ui {
namespace {

int buttonBits(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

// 1 Shift, 2 Ctrl, 4 Alt.
int shiftBits(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

void PointerWidget::mousePressEvent(QMouseEvent* event) {
  emit pressed(buttonBits(event->button()), shiftBits(event->modifiers()), event->position().x(),
               event->position().y());
}

// A move reports every button held, a press or release the one that changed.
void PointerWidget::mouseMoveEvent(QMouseEvent* event) {
  emit moved(buttonBits(event->buttons()), shiftBits(event->modifiers()), event->position().x(),
             event->position().y());
}

void PointerWidget::mouseReleaseEvent(QMouseEvent* event) {
  emit released(buttonBits(event->button()), shiftBits(event->modifiers()), event->position().x(),
                event->position().y());
}

}  // namespace pictavo::ui
