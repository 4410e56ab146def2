#pragma once
#include <QMainWindow>
#include <memory>
#include <string>

#include "app/ProgramState.h"
#include "app/ui/MainLayout.h"
#include "app/ui/Services.h"

class QPushButton;

namespace pictavo::ui {

class FormSurface;
class OpenCommand;
class SaveCommand;
struct FileCommandHost;
class MainStatusBar;
class MainToolbar;
class PaletteWidget;
class PictureCommand;
class PreviewWidget;
class RecentIconsMenu;

constexpr const char* kSaveBeforeNewTitle = "Save Changes Before New?";
constexpr const char* kSaveBeforeOpenTitle = "Save Changes Before Open?";
constexpr const char* kSaveBeforeExitTitle = "Save Changes Before Exit?";
constexpr const char* kSaveBeforeContinuingText =
    "Would you like to save changes to your current icon before continuing?";
constexpr const char* kSaveBeforeExitingText =
    "Would you like to save changes to your current icon before exiting?";

// frmMain: the editor's main window. The grid, palette, preview and adjustment
// buttons sit on a fixed client area laid out for the screen class in `state`;
// menus, toolbar and buttons run the model's commands on `state`.
class FrmMain : public QMainWindow {
  Q_OBJECT
 public:
  // Lays the window out for state.screenMode and runs its load (Form_Load).
  FrmMain(ProgramState& state, const Services& services, QWidget* parent = nullptr);
  ~FrmMain() override;

  ProgramState& state() { return state_; }
  const MainLayout& mainLayout() const { return layout_; }
  FormSurface* surface() const { return surface_; }
  MainToolbar* toolBar() const { return toolBar_; }
  MainStatusBar* statusBarWidget() const { return statusBar_; }
  PaletteWidget* paletteWidget() const { return palette_; }
  PreviewWidget* previewWidget() const { return preview_; }
  QAction* menuItem(const QString& name) const;

  // The file dialogs: dlgCommonDialog for icons (Open, Save As), CommonDialog1 for pictures.
  FileDialog& dlgCommonDialog();
  FileDialog& commonDialog1();
  OpenCommand& openCommand();
  SaveCommand& saveCommand();
  PictureCommand& pictureCommand();

  // Toolbar buttons addressed by number 1 to 31.
  void setButtonPressed(int number, bool pressed);
  bool isButtonPressed(int number) const;

  // The save prompt: shown only while the icon is unsaved. True when the command
  // may go on (No, or Yes and the icon was saved); false after Cancel, or after
  // Yes when the save was abandoned.
  bool askToSaveChanges(const std::string& title, const std::string& text, Buttons buttons);

 public slots:
  // LayIcon: the preview from the canvas, then the window shows both.
  void layIcon();
  // Repaints whatever the model changed since the last repaint (cells, pen, preview).
  void showModelChanges();

  void Form_Activate();
  void Form_MouseDown(int button, int shift, double x, double y);
  void Form_MouseMove(int buttons, int shift, double x, double y);
  void Form_MouseUp(int button, int shift, double x, double y);
  void Picture1_MouseDown(int button, int shift, double x, double y);
  void Picture1_MouseMove(int buttons, int shift, double x, double y);
  void tbToolBar_ButtonClick(const QString& key);

  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileClose_Click();
  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFileSaveAs16_Click();
  void mnuFileSaveAs256_Click();
  void mnuFileSaveAs24_Click();
  void mnuFileProperties_Click();
  void mnuFilePicture_Click();
  void mnuFileExit_Click();
  void OpenNamedFile();
  // A file of the Recent Icons submenu, opened as the Open command would.
  void mnuFileRecent_Click(const QString& path);

  void mnuEditUndo_Click();
  void mnuEditRedo_Click();
  void mnuEditBackup_Click();
  void mnuEditRestore_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void mnuEditCopyImage_Click();   // the icon to the system clipboard
  void mnuEditPasteImage_Click();  // the system clipboard's image into the picture window

  void mnuToolsFlipX_Click();
  void mnuToolsFlipY_Click();
  void mnuToolsRotate_Click();
  void mnuToolsPen_Click();
  void mnuToolsLine_Click();
  void mnuToolsBox_Click();
  void mnuToolsBoxFill_Click();
  void mnuToolsCircle_Click();
  void mnuToolsCircleFill_Click();
  void mnuToolsFill_Click();
  void mnuToolsScan_Click();
  void mnuCountColors_Click();

  void mnuViewToolbar_Click();
  void mnuViewStatusBar_Click();
  void mnuViewRefresh_Click();
  void mnuViewOptions_Click();

  void mnuHelpContents_Click();
  void mnuHelpAbout_Click();

  void Command2_Click();   // slide up
  void Command5_Click();   // slide down
  void Command3_Click();   // slide left
  void Command4_Click();   // slide right
  void Command7_Click();   // brighter
  void Command6_Click();   // darker
  void Command9_Click();   // more contrast
  void Command8_Click();   // less contrast
  void Command13_Click();  // black and white

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // Form_Unload
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildSurfaceControls();
  void buildAdjustmentButtons();
  QPushButton* addButton(const char* name, const QRect& where, const QString& caption);
  void connectMenus();
  void Form_Load();
  void chooseDrawingToolFromMenu(int button, const char* tool);
  void chooseDrawingToolFromToolbar(const char* tool);
  // Runs a model command on the canvas, then shows what it changed.
  void runCommand(void (*command)(ProgramState&));
  void storeWindowGeometry();
  void closeOtherWindows();
  void showPictureWindow();
  void releaseCopyAndPaste();
  void setUpRecentIcons();
  void setUpClipboard();
  void updatePasteImageItem();
  void openDroppedFile(const QString& path);

  FileCommandHost fileCommandHost();

  ProgramState& state_;
  Services services_;
  MainLayout layout_;
  FormSurface* surface_ = nullptr;
  MainToolbar* toolBar_ = nullptr;
  MainStatusBar* statusBar_ = nullptr;
  PaletteWidget* palette_ = nullptr;
  PreviewWidget* preview_ = nullptr;
  bool activatedOnce_ = false;
  bool closePromptRunning_ = false;
  RecentIconsMenu* recentIcons_ = nullptr;

  // What the window shows, to repaint only what the model changed.
  Canvas shownCanvas_;
  DrawingColour shownColour_;
  Preview shownPreview_;

  // Made on first use; the commands close their windows before the dialogs go.
  std::unique_ptr<FileDialog> ownDlgCommonDialog_;
  std::unique_ptr<FileDialog> ownCommonDialog1_;
  std::unique_ptr<SaveCommand> save_;
  std::unique_ptr<OpenCommand> open_;
  std::unique_ptr<PictureCommand> picture_;
};

}  // namespace pictavo::ui
