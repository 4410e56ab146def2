#pragma once
#include <QPointer>
#include <QWidget>

#include "platform/MessageBoxes.h"

namespace pictavo::ui {

// Message boxes shown with QMessageBox, modal to the window given as parent.
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  Answer show(const std::string& text, const std::string& title, Buttons buttons,
              MessageIcon icon = MessageIcon::None) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace pictavo::ui
