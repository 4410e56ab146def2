#pragma once
#include <QIcon>
#include <QString>

namespace pictavo::ui {

inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64};

// The program's own icon (drawn with the editor), at the sizes windows show it.
QIcon pictavoIcon();

// Resource path of the same icon as a 24-bit .ico file, for windows that show it as an icon.
QString pictavoIcoResource();

}  // namespace pictavo::ui
