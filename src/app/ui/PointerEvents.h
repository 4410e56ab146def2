#pragma once
#include <QMouseEvent>

namespace pictavo::ui {

// Button bits of the editor's pointer events: 1 left, 2 right, 4 middle.
inline int buttonBits(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

// Shift state: 1 Shift, 2 Ctrl, 4 Alt.
inline int shiftBits(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace pictavo::ui
