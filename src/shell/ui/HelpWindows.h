#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "app/ProgramState.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLauncher.h"
#include "shell/HelpText.h"

namespace pictavo::ui {

class Form9;
class Form11;
class Form12;
class HelpPage;

// What the help windows need of the program.
struct HelpHost {
  ProgramState& state;
  MessageBoxes& messages;
  ProgramLauncher& launcher;
  QPointer<QWidget> owner;  // the main window; every help window is its child
  std::string currentDesktop;                          // XDG_CURRENT_DESKTOP
  std::function<bool(const std::string&)> installed;  // a program found on PATH
};

// A help window: loaded when first shown, unloaded (and deleted) when closed.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Centred over `anchor` when it is shown, else over the owner.
  HelpWindow(QWidget* owner, const char* name, const QString& caption, QWidget* anchor = nullptr);
  bool isLoaded() const { return loaded_; }
  // Brings an already shown window to the front.
  void showInFront();
  // How often it was asked to come to the front; window managers may refuse it.
  int frontRequests() const { return frontRequests_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool loaded_ = true;
  int frontRequests_ = 0;
};

// Opens and finds the help windows, loading each on first show.
class HelpWindows {
 public:
  explicit HelpWindows(HelpHost host);

  Form9* showMenu();
  HelpPage* showPage(int page);
  Form11* showTips();
  Form12* showHighColour();
  void show(HelpTarget target);

  // The loaded window, or null.
  HelpPage* page(int page) const;
  template <typename T>
  T* loaded() const {
    for (T* w : host_.owner->findChildren<T*>())
      if (w->isLoaded()) return w;
    return nullptr;
  }

  // What a page opens over: the help menu while it is shown.
  QWidget* pageAnchor() const;

  // Unloads the four topic pages, whichever are loaded.
  void closePages();
  const HelpHost& host() const { return host_; }

 private:
  template <typename T>
  T* showOne(T* existing, const std::function<T*()>& make);

  HelpHost host_;
};

// Whether a program of that name is on PATH.
bool isOnPath(const std::string& program);
// The host's desktop name from the environment.
std::string currentDesktopName();

}  // namespace pictavo::ui
