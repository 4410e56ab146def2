#pragma once
#include <QObject>
#include <string>

#include "platform/SettingsStore.h"

class QMenu;

namespace pictavo {
class RecentIcons;
}

namespace pictavo::ui {

// The File menu's "Recent Icons" submenu over the list kept in the per-user
// store. The list is read afresh each time the File menu opens, so every main
// window on the same store shows the same files.
class RecentIconsMenu : public QObject {
  Q_OBJECT
 public:
  RecentIconsMenu(QMenu& fileMenu, QMenu& submenu, SettingsStore& store);

  // An icon file opened or saved: first in the list from now on.
  void remember(const std::string& path);
  // Drops files that are gone and lists the rest; the submenu is disabled when empty.
  void refresh();

 signals:
  void chosen(const QString& path);

 private:
  void store(const RecentIcons& recent);

  QMenu& submenu_;
  SettingsStore& store_;
};

}  // namespace pictavo::ui
