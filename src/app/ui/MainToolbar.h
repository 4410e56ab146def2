#pragma once
#include <QToolBar>
#include <array>

class QActionGroup;

namespace pictavo::ui {

// tbToolBar: 31 buttons numbered 1 to 31, separators included. Buttons 7 and 8
// (Copy, Paste) form one group and 19 to 25 (the drawing tools) another: pressing a
// button of a group releases the others of that group. Every other button is a plain push button.
class MainToolbar : public QToolBar {
  Q_OBJECT
 public:
  static constexpr int kButtonCount = 31;

  explicit MainToolbar(QWidget* parent);

  QAction* button(int number) const;  // nullptr outside 1..31
  QString key(int number) const;      // empty for separators

  // Pressed state by number; plain buttons and separators are never held pressed.
  void setButtonPressed(int number, bool pressed);
  bool isButtonPressed(int number) const;

 signals:
  // A click on a button, after the group has pressed it.
  void buttonClick(const QString& key);

 private:
  std::array<QAction*, kButtonCount> buttons_{};
  QActionGroup* copyPaste_;
  QActionGroup* drawingTools_;
};

}  // namespace pictavo::ui
