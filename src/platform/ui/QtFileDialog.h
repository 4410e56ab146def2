#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/FileDialog.h"

namespace pictavo::ui {

// "Description|*.a;*.b" as a Qt name filter. Each pattern is offered in upper
// case too, since icon files from Windows often carry upper-case names.
QString qtNameFilter(const std::string& filter);

// The platform's standard file dialog (QFileDialog), modal to `parent`.
class QtFileDialog : public FileDialog {
 public:
  QtFileDialog(QWidget* parent, const char* objectName);

 protected:
  std::string run(Mode mode) override;

 private:
  QPointer<QWidget> parent_;
  QString name_;
};

}  // namespace pictavo::ui
