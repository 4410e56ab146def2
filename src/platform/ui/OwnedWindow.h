#pragma once
#include <QRect>
#include <QWidget>

namespace pictavo::ui {

// A secondary window belongs to the main window: the window manager keeps it on top of
// it, gives it no taskbar entry of its own and minimises it with it (a transient
// dialog-type window). Each time it opens it is centred over `anchor`, or over its
// parent's window when the anchor is gone or hidden, and kept on that screen.
// `maximizable` keeps the maximise button (and lets the program maximise it).
void ownWindow(QWidget& window, QWidget* anchor = nullptr, bool maximizable = false);

// The centring alone, for dialogs that are already owned (message boxes, file dialogs).
void centreWhenShown(QWidget& window, QWidget* anchor = nullptr);

// Where a window frame of `frameSize` goes: centred over `over`, moved back inside
// `screen` (its top-left corner wins when it is larger than the screen).
QRect centredOver(const QSize& frameSize, const QRect& over, const QRect& screen);

}  // namespace pictavo::ui
