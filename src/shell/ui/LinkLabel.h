#pragma once
#include <QLabel>

namespace pictavo::ui {

// A label that acts like a link: pointing-hand cursor, underlined, and a
// click signal of its own. markVisited() turns its text dark blue.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(const QString& text, QWidget* parent);
  void markVisited();
  QColor textColour() const;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pictavo::ui
