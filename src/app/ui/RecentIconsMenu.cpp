#include "app/ui/RecentIconsMenu.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/RecentIcons.h"

namespace pictavo::ui {
namespace {

bool isFile(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }

QString captionOf(std::size_t number, const QString& path) {
  // The file name is what users look for; the folder follows, shortened from the middle.
  const QFileInfo info(path);
  QString folder = QDir::toNativeSeparators(info.absolutePath());
  constexpr int kFolderChars = 60;
  if (folder.size() > kFolderChars)
    folder = folder.left(kFolderChars / 2 - 1) + QStringLiteral("...") + folder.right(kFolderChars / 2 - 2);
  QString caption = QStringLiteral("%1 (%2)").arg(info.fileName(), folder);
  caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 ").arg(number) + caption;
}

}  // namespace

RecentIconsMenu::RecentIconsMenu(QMenu& fileMenu, QMenu& submenu, SettingsStore& store)
    : QObject(&submenu), submenu_(submenu), store_(store) {
  connect(&fileMenu, &QMenu::aboutToShow, this, &RecentIconsMenu::refresh);
  refresh();
}

void RecentIconsMenu::remember(const std::string& path) {
  RecentIcons recent = loadRecentIcons(store_);
  const QString absolute = QDir::cleanPath(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
  recent.add(absolute.toStdString());
  store(recent);
}

void RecentIconsMenu::refresh() {
  RecentIcons recent = loadRecentIcons(store_);
  if (recent.dropMissing(isFile)) store(recent);
  submenu_.clear();
  std::size_t number = 0;
  for (const std::string& path : recent.paths()) {
    const QString file = QString::fromStdString(path);
    QAction* item = submenu_.addAction(captionOf(++number, file));
    item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(number));
    item->setToolTip(file);
    item->setData(file);
    connect(item, &QAction::triggered, this, [this, file] { emit chosen(file); });
  }
  submenu_.menuAction()->setEnabled(!recent.paths().empty());
}

void RecentIconsMenu::store(const RecentIcons& recent) {
  try {
    storeRecentIcons(store_, recent);
  } catch (const std::exception&) {
    // A store that cannot be written costs only the list; the file itself is open or saved.
  }
}

}  // namespace pictavo::ui
