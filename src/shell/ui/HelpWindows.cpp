#include "shell/ui/HelpWindows.h"

#include <QCloseEvent>
#include <QStandardPaths>

#include "icofile/ui/FormControls.h"
#include "platform/ui/OwnedWindow.h"
#include "shell/ui/Form11.h"
#include "shell/ui/Form12.h"
#include "shell/ui/Form9.h"
#include "shell/ui/HelpPage.h"

namespace pictavo::ui {

HelpWindow::HelpWindow(QWidget* owner, const char* name, const QString& caption, QWidget* anchor)
    : QWidget(owner) {
  ownWindow(*this, anchor);
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(dialogFont(font()));
}

void HelpWindow::showInFront() {
  ++frontRequests_;
  show();
  raise();
  activateWindow();
}

void HelpWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // Deletion waits for the event loop; until then the window counts as unloaded.
  if (event->isAccepted()) loaded_ = false;
}

HelpWindows::HelpWindows(HelpHost host) : host_(std::move(host)) {
  if (!host_.installed) host_.installed = isOnPath;
}

template <typename T>
T* HelpWindows::showOne(T* existing, const std::function<T*()>& make) {
  T* window = existing ? existing : make();
  window->showInFront();
  return window;
}

Form9* HelpWindows::showMenu() {
  return showOne<Form9>(loaded<Form9>(), [this] { return new Form9(*this); });
}

QWidget* HelpWindows::pageAnchor() const { return loaded<Form9>(); }

HelpPage* HelpWindows::page(int number) const {
  for (HelpPage* p : host_.owner->findChildren<HelpPage*>())
    if (p->isLoaded() && p->number() == number) return p;
  return nullptr;
}

HelpPage* HelpWindows::showPage(int number) {
  return showOne<HelpPage>(page(number), [this, number] { return new HelpPage(*this, number); });
}

Form11* HelpWindows::showTips() {
  return showOne<Form11>(loaded<Form11>(), [this] { return new Form11(*this); });
}

Form12* HelpWindows::showHighColour() {
  return showOne<Form12>(loaded<Form12>(), [this] { return new Form12(*this); });
}

void HelpWindows::show(HelpTarget target) {
  switch (target) {
    case HelpTarget::Tips: showTips(); break;
    case HelpTarget::HighColour: showHighColour(); break;
    default: showPage(static_cast<int>(target)); break;
  }
}

void HelpWindows::closePages() {
  for (int n = 1; n <= 4; ++n)
    if (HelpPage* p = page(n)) p->close();
}

bool isOnPath(const std::string& program) {
  return !QStandardPaths::findExecutable(QString::fromStdString(program)).isEmpty();
}

std::string currentDesktopName() { return qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString(); }

}  // namespace pictavo::ui
