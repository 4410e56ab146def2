#include "app/ui/FrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "app/ui/ColourBudgetPanel.h"
#include "app/ui/DecorPictures.h"
#include "app/ui/FormSurface.h"
#include "app/ui/MainMenus.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolbar.h"
#include "app/ui/PaletteWidget.h"
#include "app/ui/PreviewWidget.h"
#include "icofile/ui/OpenCommand.h"
#include "icofile/ui/SaveCommand.h"
#include "picture/ui/PictureCommand.h"
#include "tools/PointerInput.h"

namespace pictavo::ui {
namespace {

constexpr int kTwips = 15;  // per pixel
constexpr int kArrowSize = 7;

QFont captionFont(const QFont& base, int pixels, bool bold = false) {
  QFont f = base;
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

}  // namespace

FrmMain::FrmMain(ProgramState& state, const Services& services, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      services_(services),
      layout_(MainLayout::forMode(state.screenMode)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Pictavo"));
  buildMenuBar(*menuBar());
  surface_ = new FormSurface(state_, layout_, this);
  setCentralWidget(surface_);
  buildSurfaceControls();
  connectMenus();
  setUpRecentIcons();
  setUpClipboard();
  setAcceptDrops(true);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Only painting and timers may run inside a tool; user input waits for it to finish.
  state_.yieldToEvents = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  Form_Load();
}

void FrmMain::buildSurfaceControls() {
  toolBar_ = new MainToolbar(surface_);
  toolBar_->setGeometry(0, 0, layout_.client.width(), layout_.toolBarHeight);
  connect(toolBar_, &MainToolbar::buttonClick, this, &FrmMain::tbToolBar_ButtonClick);

  // The menus and the toolbar's pictures measure no text; the status bar is the first.
  if (services_.fontsReady) services_.fontsReady();
  statusBar_ = new MainStatusBar(state_.canvas, surface_);
  statusBar_->setGeometry(0, layout_.client.height() - layout_.statusBarHeight,
                          layout_.client.width(), layout_.statusBarHeight);

  palette_ = new PaletteWidget(layout_.command13, surface_);
  palette_->move(layout_.picture1.topLeft());
  connect(palette_, &PaletteWidget::pressed, this, &FrmMain::Picture1_MouseDown);
  connect(palette_, &PaletteWidget::moved, this, &FrmMain::Picture1_MouseMove);
  connect(palette_->bwButton(), &QPushButton::clicked, this, &FrmMain::Command13_Click);

  preview_ = new PreviewWidget(state_.preview, surface_);
  preview_->move(layout_.picture3.topLeft());

  buildAdjustmentButtons();
  // A press on the toolbar, a button or a picture belongs to that control; the
  // form must not take it for a right-button pick of its own surface.
  for (QWidget* child : surface_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    child->setAttribute(Qt::WA_NoMousePropagation);
  connect(surface_, &FormSurface::pressed, this, &FrmMain::Form_MouseDown);
  connect(surface_, &FormSurface::moved, this, &FrmMain::Form_MouseMove);
  connect(surface_, &FormSurface::released, this, &FrmMain::Form_MouseUp);
}

// The slide, brightness and contrast buttons below the grid.
void FrmMain::buildAdjustmentButtons() {
  const struct {
    const char* name;
    QRect where;
    Arrow arrow;
    void (FrmMain::*handler)();
  } slides[] = {{"Command2", layout_.command2, Arrow::Up, &FrmMain::Command2_Click},
                {"Command5", layout_.command5, Arrow::Down, &FrmMain::Command5_Click},
                {"Command3", layout_.command3, Arrow::Left, &FrmMain::Command3_Click},
                {"Command4", layout_.command4, Arrow::Right, &FrmMain::Command4_Click}};
  for (const auto& s : slides) {
    QPushButton* b = addButton(s.name, s.where, QString());
    b->setIcon(QIcon(arrowPicture(s.arrow, kArrowSize)));
    b->setIconSize(QSize(kArrowSize, kArrowSize));
    connect(b, &QPushButton::clicked, this, s.handler);
  }
  addButton("Command10", layout_.command10, QStringLiteral("Brightness"))->setFocusPolicy(Qt::NoFocus);
  addButton("Command11", layout_.command11, QStringLiteral("Contrast"))->setFocusPolicy(Qt::NoFocus);
  const struct {
    const char* name;
    QRect where;
    const char* caption;
    void (FrmMain::*handler)();
  } steps[] = {{"Command6", layout_.command6, "-", &FrmMain::Command6_Click},
               {"Command7", layout_.command7, "+", &FrmMain::Command7_Click},
               {"Command8", layout_.command8, "-", &FrmMain::Command8_Click},
               {"Command9", layout_.command9, "+", &FrmMain::Command9_Click}};
  for (const auto& s : steps) {
    QPushButton* b = addButton(s.name, s.where, QString::fromLatin1(s.caption));
    b->setFont(captionFont(font(), 12, true));
    connect(b, &QPushButton::clicked, this, s.handler);
  }
  const char* tips[][2] = {{"Command2", "Slide Up"},   {"Command5", "Slide Down"},
                           {"Command3", "Slide Left"}, {"Command4", "Slide Right"},
                           {"Command6", "Darker"},     {"Command7", "Brighter"},
                           {"Command8", "Less Contrast"}, {"Command9", "More Contrast"}};
  for (const auto& tip : tips)
    surface_->findChild<QPushButton*>(QString::fromLatin1(tip[0]))->setToolTip(QString::fromLatin1(tip[1]));
}

QPushButton* FrmMain::addButton(const char* name, const QRect& where, const QString& caption) {
  auto* b = new QPushButton(caption, surface_);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(where);
  b->setFont(captionFont(font(), 9));
  return b;
}

QAction* FrmMain::menuItem(const QString& name) const { return findChild<QAction*>(name); }

void FrmMain::setButtonPressed(int number, bool pressed) { toolBar_->setButtonPressed(number, pressed); }

bool FrmMain::isButtonPressed(int number) const { return toolBar_->isButtonPressed(number); }

void FrmMain::Form_Load() {
  if (layout_.windowTop >= 0) move(0, layout_.windowTop);
  state_.canvas.reset();
  state_.colour.penColor = kBlack;
  shownCanvas_ = state_.canvas;
  shownColour_ = state_.colour;
  shownPreview_ = state_.preview;
}

void FrmMain::layIcon() {
  pictavo::layIcon(state_.canvas, state_.preview);
  showModelChanges();
}

void FrmMain::showModelChanges() {
  QRect dirty;
  for (int row = 0; row < kGridSize; ++row)
    for (int column = 0; column < kGridSize; ++column)
      if (state_.canvas.at(column, row) != shownCanvas_.at(column, row))
        dirty |= surface_->cellArea(column, row);
  if (!dirty.isEmpty()) statusBar_->budgetPanel()->canvasChanged();
  const DrawingColour& c = state_.colour;
  if (c.penColor != shownColour_.penColor || c.penTransparent != shownColour_.penTransparent)
    dirty |= layout_.shape2;
  if (!dirty.isEmpty()) surface_->update(dirty);
  if (!(state_.preview == shownPreview_)) preview_->update();
  shownCanvas_ = state_.canvas;
  shownColour_ = state_.colour;
  shownPreview_ = state_.preview;
}

void FrmMain::runCommand(void (*command)(ProgramState&)) {
  command(state_);
  showModelChanges();
}

bool FrmMain::askToSaveChanges(const std::string& title, const std::string& text, Buttons buttons) {
  if (state_.iconSaved) return true;
  const Answer answer = services_.messages.show(text, title, buttons);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) {
    saveCommand().saveAndWait();
    // A save the user abandoned ends the command as Cancel would.
    if (!state_.iconSaved) return false;
  }
  return true;
}

bool FrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QMainWindow::event(event);
}

void FrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (windowHandle()) windowHandle()->installEventFilter(this);
  // Without a window manager the window may never be activated; the file named
  // on the command line is opened all the same.
  if (activatedOnce_) return;
  QTimer::singleShot(0, this, [this] {
    if (!activatedOnce_) Form_Activate();
  });
}

void FrmMain::Form_Activate() {
  activatedOnce_ = true;
  if (layout_.windowTop >= 0 && pos().y() != layout_.windowTop) move(pos().x(), layout_.windowTop);
  if (state_.settings.startupFile.empty()) return;
  state_.ico.openPath = state_.settings.startupFile;
  // Cleared first: a message box shown while opening re-activates this window.
  state_.settings.startupFile.clear();
  OpenNamedFile();
}

void FrmMain::Form_MouseDown(int button, int shift, double x, double y) {
  formMouseDown(state_, button, shift, x, y,
                [this](double px, double py) { return services_.readSurface(*surface_, px, py); });
  showModelChanges();
}

void FrmMain::Form_MouseMove(int buttons, int shift, double x, double y) {
  formMouseMove(state_, buttons, shift, x, y);
  showModelChanges();
}

void FrmMain::Form_MouseUp(int button, int shift, double x, double y) {
  formMouseUp(state_, button, shift, x, y);
  showModelChanges();
}

void FrmMain::Picture1_MouseDown(int button, int shift, double x, double y) {
  paletteMouseDown(state_, button, shift, x, y);
  showModelChanges();
}

void FrmMain::Picture1_MouseMove(int buttons, int shift, double x, double y) {
  paletteMouseMove(state_, buttons, shift, x, y);
  showModelChanges();
}

// While the close prompt waits for its save, a second close request (the title
// bar again) would otherwise end the program with the icon unsaved.
bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (closePromptRunning_ && event->type() == QEvent::Close && watched == windowHandle()) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent* event) {
  closePromptRunning_ = true;
  const bool goOn = askToSaveChanges(kSaveBeforeExitTitle, kSaveBeforeExitingText, Buttons::YesNo);
  closePromptRunning_ = false;
  if (!goOn) {
    event->ignore();
    return;
  }
  closeOtherWindows();
  if (!isMinimized()) storeWindowGeometry();
  QCoreApplication::processEvents();
  event->accept();
}

void FrmMain::closeOtherWindows() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (QWidget* w : windows)
    if (w != this && w->isVisible()) w->close();
}

void FrmMain::storeWindowGeometry() {
  const QRect frame = frameGeometry();
  const std::pair<const char*, int> values[] = {{"MainLeft", frame.left() * kTwips},
                                                {"MainTop", frame.top() * kTwips},
                                                {"MainWidth", frame.width() * kTwips},
                                                {"MainHeight", frame.height() * kTwips}};
  for (const auto& [key, value] : values) {
    try {
      services_.store.setValue(key, std::to_string(value));
    } catch (const std::exception&) {
      // Nothing reads these back; a store that cannot be written loses only them.
    }
  }
}

}  // namespace pictavo::ui
