#pragma once

class QMenuBar;

namespace pictavo::ui {

// Fills the menu bar with the File, Edit, Tools, View and Help menus. Menus and
// items carry their names (mnuFile, mnuFileNew, ...) as object names; separators too.
// The Toolbar and Status Bar items of the View menu are ticked; the File menu's
// mnuFileRecent is an empty submenu (a QMenu and its action share the name).
void buildMenuBar(QMenuBar& bar);

}  // namespace pictavo::ui
