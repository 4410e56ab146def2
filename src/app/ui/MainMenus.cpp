#include "app/ui/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>

namespace pictavo::ui {
namespace {

struct Item {
  const char* name;
  const char* caption;  // "-" is a separator line
  const char* shortcut;
};

struct Menu {
  const char* name;
  const char* caption;
  std::initializer_list<Item> items;
};

const std::initializer_list<Menu> kMenus = {
    {"mnuFile", "&File",
     {{"mnuFileNew", "&New", "Ctrl+N"},
      {"mnuFileOpen", "&Open Icon", "Ctrl+O"},
      {"mnuFileClose", "&Close", ""},
      {"mnuFileBar1", "-", ""},
      {"mnuFileSave", "&Save", "Ctrl+S"},
      {"mnuFileSaveAs", "Save &As...", "Ctrl+A"},
      {"mnuFileSaveAs16", "Save As (16 color)", ""},
      {"mnuFileSaveAs256", "Save As (256 color)", ""},
      {"mnuFileSaveAs24", "Save As (24-bit color)", ""},
      {"mnuFileBar2", "-", ""},
      {"mnuFileProperties", "Op&tions", ""},
      {"mnuFileBar3", "-", ""},
      {"mnuFilePicture", "Open &Image", ""},
      {"mnuFileBar6", "-", ""},
      {"mnuFileRecent", "Recent Icons", ""},
      {"mnuFileBar7", "-", ""},
      {"mnuFileExit", "E&xit", ""}}},
    {"mnuEdit", "&Edit",
     {{"mnuEditUndo", "&Undo", "Ctrl+Z"},
      {"mnuEditRedo", "&Redo", ""},
      {"mnuEditBar1", "-", ""},
      {"mnuEditBackup", "Backup Icon", ""},
      {"mnuEditRestore", "Restore Icon", ""},
      {"mnuEditBar2", "-", ""},
      {"mnuEditCopy", "&Copy", "Ctrl+C"},
      {"mnuEditPaste", "&Paste", "Ctrl+V"},
      {"mnuEditBar3", "-", ""},
      {"mnuEditCopyImage", "Copy Icon as Image", "Ctrl+Shift+C"},
      {"mnuEditPasteImage", "Paste Image", "Ctrl+Shift+V"}}},
    {"mnuTools", "&Tools",
     {{"mnuToolsFlipX", "Flip Horizontal", ""},
      {"mnuToolsFlipY", "Flip Vertical", ""},
      {"mnuToolsRotate", "Rotate", ""},
      {"mnuToolsbar1", "-", ""},
      {"mnuToolsPen", "&Pen", "Ctrl+P"},
      {"mnuToolsLine", "&Line", "Ctrl+L"},
      {"mnuToolsBox", "&Box", "Ctrl+B"},
      {"mnuToolsBoxFill", "Fille&d Box", "Ctrl+D"},
      {"mnuToolsCircle", "Ci&rcle", "Ctrl+R"},
      {"mnuToolsCircleFill", "Filled Circl&e", "Ctrl+E"},
      {"mnuToolsFill", "&Fill", "Ctrl+F"},
      {"mnuToolsbar2", "-", ""},
      {"mnuToolsScan", "Open &Image", "Ctrl+I"},
      {"mnuToolsbar3", "-", ""},
      {"mnuCountColors", "Count Colors", ""}}},
    {"mnuView", "&View",
     {{"mnuViewToolbar", "&Toolbar", ""},
      {"mnuViewStatusBar", "Status &Bar", ""},
      {"mnuViewBar2", "-", ""},
      {"mnuViewRefresh", "&Refresh", ""},
      {"mnuViewOptions", "&Options...", ""}}},
    {"mnuHelp", "&Help",
     {{"mnuHelpContents", "&Contents", ""},
      {"mnuHelpbar1", "-", ""},
      {"mnuHelpAbout", "&About Pictavo", ""}}},
};

// Items that open a submenu, which the main window fills.
bool isSubmenu(const QString& name) { return name == QLatin1String("mnuFileRecent"); }

bool isTickedAtStart(const QString& name) {
  return name == QLatin1String("mnuViewToolbar") || name == QLatin1String("mnuViewStatusBar");
}

}  // namespace

void buildMenuBar(QMenuBar& bar) {
  for (const Menu& menuDef : kMenus) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(menuDef.caption));
    menu->setObjectName(QString::fromLatin1(menuDef.name));
    for (const Item& item : menuDef.items) {
      const QString name = QString::fromLatin1(item.name);
      const QString caption = QString::fromLatin1(item.caption);
      QAction* action = nullptr;
      if (caption == QLatin1String("-")) {
        action = menu->addSeparator();
      } else if (isSubmenu(name)) {
        QMenu* submenu = menu->addMenu(caption);
        submenu->setObjectName(name);
        action = submenu->menuAction();
      } else {
        action = menu->addAction(caption);
      }
      action->setObjectName(name);
      if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
      if (isTickedAtStart(name)) {
        action->setCheckable(true);
        action->setChecked(true);
      }
    }
  }
}

}  // namespace pictavo::ui
