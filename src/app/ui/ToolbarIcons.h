#pragma once
#include <QIcon>
#include <QString>

namespace pictavo::ui {

constexpr int kToolbarIconSize = 16;

// The picture of the toolbar button with this key, drawn in code; a null icon
// for a key without one.
QIcon toolbarIcon(const QString& key);

}  // namespace pictavo::ui
