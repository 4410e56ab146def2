#pragma once
#include <QIcon>
#include <QString>

namespace pictavo::ui {

// The program's own icon (drawn with the editor), at every size the desktop asks for.
QIcon pictavoIcon();

// Resource path of the same icon as a 24-bit .ico file, for windows that show it as an icon.
QString pictavoIcoResource();

}  // namespace pictavo::ui
