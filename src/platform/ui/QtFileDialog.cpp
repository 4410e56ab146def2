#include "platform/ui/QtFileDialog.h"

#include <QFileDialog>
#include <QStringList>

#include "platform/FolderPaths.h"
#include "platform/ui/OwnedWindow.h"

namespace pictavo::ui {

QString qtNameFilter(const std::string& filter) {
  const QString text = QString::fromStdString(filter);
  const int bar = text.indexOf(QLatin1Char('|'));
  const QString description = bar < 0 ? text : text.left(bar);
  const QString patternList = bar < 0 ? QStringLiteral("*") : text.mid(bar + 1);
  QStringList patterns;
  for (const QString& p : patternList.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString pattern = p.trimmed();
    patterns << pattern;
    if (pattern.toUpper() != pattern) patterns << pattern.toUpper();
  }
  if (patterns.isEmpty()) patterns << QStringLiteral("*");
  return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QtFileDialog::QtFileDialog(QWidget* parent, const char* objectName)
    : parent_(parent), name_(QString::fromLatin1(objectName)) {}

std::string QtFileDialog::run(Mode mode) {
  QFileDialog dialog(parent_.data());
  dialog.setObjectName(name_);
  centreWhenShown(dialog);
  dialog.setAcceptMode(mode == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(mode == Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The description already names the patterns; SaveAs asks before replacing.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(qtNameFilter(filter()));
  // A start folder that no longer exists (or was typed wrong in Options) opens its nearest parent.
  const std::string startFolder = nearestExistingFolder(initDir());
  if (!startFolder.empty()) dialog.setDirectory(QString::fromStdString(startFolder));
  if (!fileName().empty()) dialog.selectFile(QString::fromStdString(fileName()));
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::string() : chosen.front().toStdString();
}

}  // namespace pictavo::ui
