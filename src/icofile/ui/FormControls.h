#pragma once
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace pictavo::ui {

// Controls placed at fixed pixel positions on the icon file windows, with the
// small dialog font those positions were made for.
QFont dialogFont(const QFont& base, bool bold = false);
QLabel* placeLabel(QWidget* form, const char* name, const QString& text, const QRect& where,
                   bool bold = false);
QPushButton* placeButton(QWidget* form, const char* name, const QString& caption, const QRect& where,
                         bool bold = false);

// A rectangle outline drawn over other controls; clicks pass through it.
class OutlineShape : public QWidget {
  Q_OBJECT
 public:
  OutlineShape(QWidget* form, const char* name, const QRect& where);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace pictavo::ui
