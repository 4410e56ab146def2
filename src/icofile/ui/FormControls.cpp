#include "icofile/ui/FormControls.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace pictavo::ui {

namespace {

constexpr int kTextPixels = 11;
constexpr int kSmallestTextPixels = 8;

// A fixed-width label shrinks its font rather than cut its text off.
void fitToWidth(QLabel& label) {
  if (label.wordWrap()) return;
  QFont f = label.font();
  while (f.pixelSize() > kSmallestTextPixels &&
         QFontMetrics(f).horizontalAdvance(label.text()) > label.width()) {
    f.setPixelSize(f.pixelSize() - 1);
  }
  label.setFont(f);
}

}  // namespace

QFont dialogFont(const QFont& base, bool bold) {
  QFont f = base;
  // The positions were made for a narrow sans serif; these come close.
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                 QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"), base.family()});
  f.setPixelSize(kTextPixels);
  f.setBold(bold);
  return f;
}

QLabel* placeLabel(QWidget* form, const char* name, const QString& text, const QRect& where, bool bold) {
  auto* label = new QLabel(text, form);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(dialogFont(form->font(), bold));
  label->setGeometry(where);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fitToWidth(*label);
  return label;
}

QPushButton* placeButton(QWidget* form, const char* name, const QString& caption, const QRect& where,
                         bool bold) {
  auto* button = new QPushButton(caption, form);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(dialogFont(form->font(), bold));
  button->setGeometry(where);
  return button;
}

OutlineShape::OutlineShape(QWidget* form, const char* name, const QRect& where) : QWidget(form) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(where);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawRect(0, 0, width() - 1, height() - 1);
}

}  // namespace pictavo::ui
