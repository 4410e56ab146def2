#include "app/ui/MainToolbar.h"

#include <QActionGroup>
#include <QLayout>

#include "app/ui/ToolbarIcons.h"

namespace pictavo::ui {
namespace {

enum class Style { Plain, GroupA, GroupB, Separator };

struct ButtonDef {
  const char* key;
  const char* tooltip;
  Style style;
};

constexpr ButtonDef kButtons[MainToolbar::kButtonCount] = {
    {"New", "New", Style::Plain},
    {"Open", "Open", Style::Plain},
    {"Save", "Save", Style::Plain},
    {"", "", Style::Separator},
    {"Options", "Options", Style::Plain},
    {"", "", Style::Separator},
    {"Copy", "Copy", Style::GroupA},
    {"Paste", "Paste", Style::GroupA},
    {"", "", Style::Separator},
    {"Undo", "Undo", Style::Plain},
    {"Redo", "Redo", Style::Plain},
    {"Backup", "Backup Icon", Style::Plain},
    {"Restore", "Restore Icon", Style::Plain},
    {"", "", Style::Separator},
    {"FlipVertical", "Flip Vertical", Style::Plain},
    {"FlipHorizontal", "Flip Horizontal", Style::Plain},
    {"Rotate", "Rotate", Style::Plain},
    {"", "", Style::Separator},
    {"Draw", "Draw", Style::GroupB},
    {"DrawLine", "Draw Line", Style::GroupB},
    {"DrawBox", "Draw Box", Style::GroupB},
    {"DrawBoxFill", "Draw Filled Box", Style::GroupB},
    {"DrawCircle", "Draw Circle", Style::GroupB},
    {"DrawCircleFill", "Draw Filled Circle", Style::GroupB},
    {"Fill", "Fill", Style::GroupB},
    {"", "", Style::Separator},
    {"ScanBitmap", "Open Image", Style::Plain},
    {"", "", Style::Separator},
    {"CountColors", "Count Colors", Style::Plain},
    {"", "", Style::Separator},
    {"Help1", "Help", Style::Plain},
};

constexpr int kDrawButton = 19;

}  // namespace

MainToolbar::MainToolbar(QWidget* parent)
    : QToolBar(parent), copyPaste_(new QActionGroup(this)), drawingTools_(new QActionGroup(this)) {
  setObjectName(QStringLiteral("tbToolBar"));
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  layout()->setSpacing(0);
  setContentsMargins(0, 0, 0, 0);

  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonDef& button = kButtons[i];
    QAction* action = nullptr;
    if (button.style == Style::Separator) {
      action = addSeparator();
    } else {
      const QString key = QString::fromLatin1(button.key);
      action = addAction(toolbarIcon(key), QString::fromLatin1(button.tooltip));
      action->setObjectName(key);
      action->setToolTip(QString::fromLatin1(button.tooltip));
      connect(action, &QAction::triggered, this, [this, key] { emit buttonClick(key); });
    }
    action->setProperty("buttonNumber", i + 1);
    action->setProperty("key", QString::fromLatin1(button.key));
    if (button.style == Style::GroupA || button.style == Style::GroupB) {
      action->setCheckable(true);
      (button.style == Style::GroupA ? copyPaste_ : drawingTools_)->addAction(action);
    }
    buttons_[static_cast<std::size_t>(i)] = action;
  }
  button(kDrawButton)->setChecked(true);
}

QAction* MainToolbar::button(int number) const {
  if (number < 1 || number > kButtonCount) return nullptr;
  return buttons_[static_cast<std::size_t>(number - 1)];
}

QString MainToolbar::key(int number) const {
  QAction* action = button(number);
  return action ? action->property("key").toString() : QString();
}

void MainToolbar::setButtonPressed(int number, bool pressed) {
  QAction* action = button(number);
  if (action && action->isCheckable()) action->setChecked(pressed);
}

bool MainToolbar::isButtonPressed(int number) const {
  QAction* action = button(number);
  return action && action->isChecked();
}

}  // namespace pictavo::ui
