// The main window with the rest of the desktop: files dropped on it and the
// system clipboard.
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

#include "app/ui/FrmMain.h"
#include "icofile/ui/OpenCommand.h"
#include "picture/PictureFileChecks.h"
#include "picture/io/PngOutput.h"
#include "picture/ui/PictureCommand.h"
#include "platform/ui/DroppedFiles.h"
#include "platform/ui/SystemClipboard.h"

namespace pictavo::ui {

void FrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!state_.busy && !firstDroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FrmMain::dropEvent(QDropEvent* event) {
  const QString path = firstDroppedFile(event->mimeData());
  if (state_.busy || path.isEmpty()) return;
  event->acceptProposedAction();
  // Opened after the drop has ended: a prompt or dialog must not keep the
  // dragging program waiting for its answer.
  QMetaObject::invokeMethod(this, [this, path] { openDroppedFile(path); }, Qt::QueuedConnection);
}

// A picture goes to the picture window as Open Image's pick would; anything
// else is scanned for icons as Open's pick would.
void FrmMain::openDroppedFile(const QString& path) {
  if (state_.busy) return;
  const std::string file = path.toStdString();
  const std::optional<PictureType> type = pictureTypeOfPath(file);
  if (type && *type != PictureType::Ico) {
    releaseCopyAndPaste();
    pictureCommand().openPictureFile(file);
  } else {
    openCommand().openFile(file);
  }
}

void FrmMain::setUpClipboard() {
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &FrmMain::updatePasteImageItem);
  // Other programs' clipboards may not announce changes (X11 without a
  // clipboard manager), so the menu looks again as it opens.
  connect(findChild<QMenu*>(QStringLiteral("mnuEdit")), &QMenu::aboutToShow, this,
          &FrmMain::updatePasteImageItem);
  // Asking another program for its clipboard takes a round trip; the window shows first.
  menuItem(QStringLiteral("mnuEditPasteImage"))->setEnabled(false);
  QTimer::singleShot(0, this, &FrmMain::updatePasteImageItem);
}

void FrmMain::updatePasteImageItem() {
  menuItem(QStringLiteral("mnuEditPasteImage"))->setEnabled(clipboardHasImage());
}

void FrmMain::mnuEditCopyImage_Click() { putImageOnClipboard(canvasImage(state_.canvas)); }

void FrmMain::mnuEditPasteImage_Click() {
  releaseCopyAndPaste();
  pictureCommand().showImage(imageFromClipboard());
}

}  // namespace pictavo::ui
