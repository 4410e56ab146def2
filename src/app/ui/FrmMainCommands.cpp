// The main window's menu, toolbar and button commands.
#include <QAction>

#include "app/ui/FrmMain.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolbar.h"
#include "tools/Commands.h"
#include "tools/PointerInput.h"

namespace pictavo::ui {
namespace {

constexpr int kCopyButton = 7;
constexpr int kPasteButton = 8;
// Released by the Paste menu item, in this order; 22, 24 and 25 are left alone.
constexpr int kReleasedByPaste[] = {7, 8, 17, 18, 19, 20, 21, 23};

struct DrawingTool {
  const char* key;   // toolbar key
  int button;        // toolbar button number
  const char* tool;  // Tool value
};

constexpr DrawingTool kDrawingTools[] = {
    {"Draw", 19, "Pen"},         {"DrawLine", 20, "Line"},          {"DrawBox", 21, "Box"},
    {"DrawBoxFill", 22, "BoxFill"}, {"DrawCircle", 23, "Circle"}, {"DrawCircleFill", 24, "CircleFill"},
    {"Fill", 25, "Fill"}};

const DrawingTool& drawingTool(int button) { return kDrawingTools[button - 19]; }

}  // namespace

void FrmMain::connectMenus() {
  const std::pair<const char*, void (FrmMain::*)()> handlers[] = {
      {"mnuFileNew", &FrmMain::mnuFileNew_Click},
      {"mnuFileOpen", &FrmMain::mnuFileOpen_Click},
      {"mnuFileClose", &FrmMain::mnuFileClose_Click},
      {"mnuFileSave", &FrmMain::mnuFileSave_Click},
      {"mnuFileSaveAs", &FrmMain::mnuFileSaveAs_Click},
      {"mnuFileSaveAs16", &FrmMain::mnuFileSaveAs16_Click},
      {"mnuFileSaveAs256", &FrmMain::mnuFileSaveAs256_Click},
      {"mnuFileSaveAs24", &FrmMain::mnuFileSaveAs24_Click},
      {"mnuFileProperties", &FrmMain::mnuFileProperties_Click},
      {"mnuFilePicture", &FrmMain::mnuFilePicture_Click},
      {"mnuFileExit", &FrmMain::mnuFileExit_Click},
      {"mnuEditUndo", &FrmMain::mnuEditUndo_Click},
      {"mnuEditRedo", &FrmMain::mnuEditRedo_Click},
      {"mnuEditBackup", &FrmMain::mnuEditBackup_Click},
      {"mnuEditRestore", &FrmMain::mnuEditRestore_Click},
      {"mnuEditCopy", &FrmMain::mnuEditCopy_Click},
      {"mnuEditPaste", &FrmMain::mnuEditPaste_Click},
      {"mnuEditCopyImage", &FrmMain::mnuEditCopyImage_Click},
      {"mnuEditPasteImage", &FrmMain::mnuEditPasteImage_Click},
      {"mnuToolsFlipX", &FrmMain::mnuToolsFlipX_Click},
      {"mnuToolsFlipY", &FrmMain::mnuToolsFlipY_Click},
      {"mnuToolsRotate", &FrmMain::mnuToolsRotate_Click},
      {"mnuToolsPen", &FrmMain::mnuToolsPen_Click},
      {"mnuToolsLine", &FrmMain::mnuToolsLine_Click},
      {"mnuToolsBox", &FrmMain::mnuToolsBox_Click},
      {"mnuToolsBoxFill", &FrmMain::mnuToolsBoxFill_Click},
      {"mnuToolsCircle", &FrmMain::mnuToolsCircle_Click},
      {"mnuToolsCircleFill", &FrmMain::mnuToolsCircleFill_Click},
      {"mnuToolsFill", &FrmMain::mnuToolsFill_Click},
      {"mnuToolsScan", &FrmMain::mnuToolsScan_Click},
      {"mnuCountColors", &FrmMain::mnuCountColors_Click},
      {"mnuViewToolbar", &FrmMain::mnuViewToolbar_Click},
      {"mnuViewStatusBar", &FrmMain::mnuViewStatusBar_Click},
      {"mnuViewRefresh", &FrmMain::mnuViewRefresh_Click},
      {"mnuViewOptions", &FrmMain::mnuViewOptions_Click},
      {"mnuHelpContents", &FrmMain::mnuHelpContents_Click},
      {"mnuHelpAbout", &FrmMain::mnuHelpAbout_Click},
  };
  for (const auto& [name, handler] : handlers)
    connect(menuItem(QString::fromLatin1(name)), &QAction::triggered, this, handler);
}

void FrmMain::tbToolBar_ButtonClick(const QString& key) {
  const std::pair<const char*, void (FrmMain::*)()> plain[] = {
      {"New", &FrmMain::mnuFileNew_Click},
      {"Open", &FrmMain::mnuFileOpen_Click},
      {"Save", &FrmMain::mnuFileSave_Click},
      {"Options", &FrmMain::mnuViewOptions_Click},
      {"Undo", &FrmMain::mnuEditUndo_Click},
      {"Redo", &FrmMain::mnuEditRedo_Click},
      {"Backup", &FrmMain::mnuEditBackup_Click},
      {"Restore", &FrmMain::mnuEditRestore_Click},
      {"FlipVertical", &FrmMain::mnuToolsFlipY_Click},
      {"FlipHorizontal", &FrmMain::mnuToolsFlipX_Click},
      {"Rotate", &FrmMain::mnuToolsRotate_Click},
      {"ScanBitmap", &FrmMain::mnuToolsScan_Click},
      {"CountColors", &FrmMain::mnuCountColors_Click},
      {"Help1", &FrmMain::mnuHelpContents_Click},
  };
  for (const auto& [k, handler] : plain)
    if (key == QLatin1String(k)) return (this->*handler)();
  for (const DrawingTool& t : kDrawingTools)
    if (key == QLatin1String(t.key)) return chooseDrawingToolFromToolbar(t.tool);
  if (key == QLatin1String("Copy")) {
    setButtonPressed(kPasteButton, false);
    selectTool(state_, "Pointer");
    showModelChanges();
  } else if (key == QLatin1String("Paste")) {
    setButtonPressed(kPasteButton, true);
    mnuEditPaste_Click();
  }
}

void FrmMain::chooseDrawingToolFromToolbar(const char* tool) {
  setButtonPressed(kCopyButton, false);
  setButtonPressed(kPasteButton, false);
  selectTool(state_, tool);
  showModelChanges();
}

// The menu presses the tool's button but leaves a pressed Copy or Paste button pressed.
void FrmMain::chooseDrawingToolFromMenu(int button, const char* tool) {
  setButtonPressed(button, true);
  selectTool(state_, tool);
  showModelChanges();
}

void FrmMain::mnuFileNew_Click() {
  if (!askToSaveChanges(kSaveBeforeNewTitle, kSaveBeforeContinuingText, Buttons::YesNoCancel)) return;
  runCommand(newIcon);
}

void FrmMain::mnuFileClose_Click() { mnuFileNew_Click(); }

void FrmMain::mnuFileProperties_Click() { mnuViewOptions_Click(); }

void FrmMain::mnuFilePicture_Click() { mnuToolsScan_Click(); }

void FrmMain::mnuFileExit_Click() {
  if (!askToSaveChanges(kSaveBeforeExitTitle, kSaveBeforeExitingText, Buttons::YesNoCancel)) return;
  state_.iconSaved = true;
  selectTool(state_, "Exit");
  close();
}

void FrmMain::mnuEditUndo_Click() { runCommand(undo); }
void FrmMain::mnuEditRedo_Click() { runCommand(redo); }
void FrmMain::mnuEditBackup_Click() { runCommand(backupIcon); }
void FrmMain::mnuEditRestore_Click() { runCommand(restoreIcon); }

void FrmMain::mnuEditCopy_Click() {
  setButtonPressed(kCopyButton, true);
  setButtonPressed(kPasteButton, false);
  selectTool(state_, "Pointer");
  showModelChanges();
}

void FrmMain::mnuEditPaste_Click() {
  for (int button : kReleasedByPaste) setButtonPressed(button, false);
  setButtonPressed(kPasteButton, true);
  selectTool(state_, "Paste");
  showModelChanges();
}

void FrmMain::mnuToolsFlipX_Click() { runCommand(flipHorizontal); }
void FrmMain::mnuToolsFlipY_Click() { runCommand(flipVertical); }
void FrmMain::mnuToolsRotate_Click() { runCommand(rotateQuarter); }

void FrmMain::mnuToolsPen_Click() { chooseDrawingToolFromMenu(19, drawingTool(19).tool); }
void FrmMain::mnuToolsLine_Click() { chooseDrawingToolFromMenu(20, drawingTool(20).tool); }
void FrmMain::mnuToolsBox_Click() { chooseDrawingToolFromMenu(21, drawingTool(21).tool); }
void FrmMain::mnuToolsBoxFill_Click() { chooseDrawingToolFromMenu(22, drawingTool(22).tool); }
void FrmMain::mnuToolsCircle_Click() { chooseDrawingToolFromMenu(23, drawingTool(23).tool); }
void FrmMain::mnuToolsCircleFill_Click() { chooseDrawingToolFromMenu(24, drawingTool(24).tool); }
void FrmMain::mnuToolsFill_Click() { chooseDrawingToolFromMenu(25, drawingTool(25).tool); }

void FrmMain::mnuToolsScan_Click() {
  releaseCopyAndPaste();
  showPictureWindow();
}

// What every way into the picture window does first.
void FrmMain::releaseCopyAndPaste() {
  setButtonPressed(kCopyButton, false);
  setButtonPressed(kPasteButton, false);
}

void FrmMain::mnuCountColors_Click() {
  countColorsCommand(state_, services_.messages);
  showModelChanges();
}

// The bar's own visibility is the truth: the menu has already flipped the tick when this runs.
static void toggleBar(QWidget* bar, QAction* item) {
  const bool shown = !bar->isHidden();
  bar->setVisible(!shown);
  item->setChecked(!shown);
}

void FrmMain::mnuViewToolbar_Click() { toggleBar(toolBar_, menuItem(QStringLiteral("mnuViewToolbar"))); }

void FrmMain::mnuViewStatusBar_Click() {
  toggleBar(statusBar_, menuItem(QStringLiteral("mnuViewStatusBar")));
}

void FrmMain::mnuViewRefresh_Click() { layIcon(); }

void FrmMain::Command2_Click() { runCommand(slideUp); }
void FrmMain::Command5_Click() { runCommand(slideDown); }
void FrmMain::Command3_Click() { runCommand(slideLeft); }
void FrmMain::Command4_Click() { runCommand(slideRight); }
void FrmMain::Command7_Click() { runCommand(brighter); }
void FrmMain::Command6_Click() { runCommand(darker); }
void FrmMain::Command9_Click() { runCommand(moreContrast); }
void FrmMain::Command8_Click() { runCommand(lessContrast); }
void FrmMain::Command13_Click() { runCommand(blackAndWhite); }

}  // namespace pictavo::ui
