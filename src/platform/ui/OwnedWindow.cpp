#include "platform/ui/OwnedWindow.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>

namespace pictavo::ui {
namespace {

QMargins frameMargins(const QWidget& w) {
  const QRect frame = w.frameGeometry();
  const QRect client = w.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

// Centres on every opening (a reopened window included), never when the window
// manager shows it again after minimising.
class CentreOnShow : public QObject {
 public:
  CentreOnShow(QWidget& window, QWidget* anchor) : QObject(&window), window_(window), anchor_(anchor) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show && !event->spontaneous()) {
      // The window's own show handling comes first: some (message boxes) take their size there.
      static_cast<QObject&>(window_).event(event);
      centre();
      followUntilFramed();
      return true;
    }
    if (watched == followed_ && event->type() == QEvent::Move) {
      if (!frameMargins(*followed_).isNull()) stopFollowing();
      if (window_.isVisible()) centre();
    }
    return false;
  }

 private:
  const QWidget* over() const {
    if (anchor_ && anchor_->isVisible()) return anchor_->window();
    return window_.parentWidget() ? window_.parentWidget()->window() : nullptr;
  }

  void centre() {
    const QWidget* target = over();
    if (!target || window_.isMaximized() || window_.isFullScreen()) return;
    // A window never shown has no frame yet and is placed by its inside; the owner's
    // frame is the best guess at the one it will get.
    QMargins margins = frameMargins(window_);
    QPoint insideOffset;
    if (margins.isNull()) {
      margins = frameMargins(*target);
      insideOffset = QPoint(margins.left(), margins.top());
    }
    const QSize frame = window_.size().grownBy(margins);
    const QScreen* screen = target->screen();
    const QRect room = screen ? screen->availableGeometry() : target->frameGeometry();
    window_.move(centredOver(frame, target->frameGeometry(), room).topLeft() + insideOffset);
  }

  // An owner not yet placed by the window manager (the main window at its first
  // activation) reports a provisional place; the window follows it until it is framed.
  void followUntilFramed() {
    stopFollowing();
    QWidget* target = const_cast<QWidget*>(over());
    if (!target || !frameMargins(*target).isNull()) return;
    followed_ = target;
    target->installEventFilter(this);
  }

  void stopFollowing() {
    if (followed_) followed_->removeEventFilter(this);
    followed_ = nullptr;
  }

  QWidget& window_;
  QPointer<QWidget> anchor_;
  QPointer<QWidget> followed_;
};

}  // namespace

QRect centredOver(const QSize& frameSize, const QRect& over, const QRect& screen) {
  QRect r(QPoint(over.x() + (over.width() - frameSize.width()) / 2,
                 over.y() + (over.height() - frameSize.height()) / 2),
          frameSize);
  if (r.right() > screen.right()) r.moveRight(screen.right());
  if (r.bottom() > screen.bottom()) r.moveBottom(screen.bottom());
  if (r.left() < screen.left()) r.moveLeft(screen.left());
  if (r.top() < screen.top()) r.moveTop(screen.top());
  return r;
}

void ownWindow(QWidget& window, QWidget* anchor, bool maximizable) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (maximizable) flags |= Qt::WindowMinMaxButtonsHint;
  window.setWindowFlags(flags);
  centreWhenShown(window, anchor);
}

void centreWhenShown(QWidget& window, QWidget* anchor) {
  window.installEventFilter(new CentreOnShow(window, anchor));
}

}  // namespace pictavo::ui
