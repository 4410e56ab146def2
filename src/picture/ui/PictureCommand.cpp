#include "picture/ui/PictureCommand.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "icofile/ui/OpenCommand.h"
#include "picture/PictureConversion.h"
#include "picture/io/PictureLoader.h"
#include "picture/ui/PictureForm.h"

namespace pictavo::ui {
namespace {

constexpr int kPauseSliceMs = 20;

double secondsSinceStart() {
  static QElapsedTimer started = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return started.nsecsElapsed() / 1e9;
}

// Lets every window event run for a short while; the grid drops the pointer
// input among them because Busy is set.
void runEventsBriefly() {
  QEventLoop loop;
  QTimer::singleShot(kPauseSliceMs, &loop, &QEventLoop::quit);
  loop.exec();
}

PixelReader readerOf(const QImage& shown) {
  return [shown](int x, int y) {
    if (!shown.rect().contains(x, y)) return kNoColour;
    const QRgb p = shown.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
  };
}

}  // namespace

PictureCommand::PictureCommand(const FileCommandHost& host)
    : host_(host), clock_(secondsSinceStart), pauseYield_(runEventsBriefly) {}

PictureCommand::~PictureCommand() { delete form_.data(); }

PictureForm* PictureCommand::pictureForm() const { return form_; }

void PictureCommand::OpenPicture() {
  ProgramState& state = host_.state;
  FileDialog& dialog = host_.dialog;
  const BusyWhile busy(state);
  dialog.setInitDir(lastPictureFolder_.empty() ? state.settings.pictureDir : lastPictureFolder_);
  dialog.setFileName({});
  dialog.setFilter(kPictureFilter);
  const std::string path = dialog.showOpen();
  if (path.empty()) return;
  openPicked(path);
}

void PictureCommand::openPictureFile(const std::string& path) {
  const BusyWhile busy(host_.state);
  openPicked(path);
}

void PictureCommand::openPicked(const std::string& path) {
  picturePath_ = path;
  lastPictureFolder_ = folderOfPickedFile(path);
  const LoadedPicture loaded = loadPicture(QString::fromStdString(picturePath_));
  if (!loaded.ok()) {
    // A path that is no file at all says so; anything else is a bad picture.
    const std::string text = loaded.fileRefused ? loaded.error.toStdString() : kInvalidPictureText;
    host_.messages.show(text, kInvalidPictureTitle, Buttons::Ok);
    return;
  }
  showInWindow(loaded.image);
}

void PictureCommand::showImage(const QImage& image) {
  const BusyWhile busy(host_.state);
  const LoadedPicture loaded = pictureFromImage(image);
  if (!loaded.ok()) {
    host_.messages.show(kInvalidPictureText, kInvalidPictureTitle, Buttons::Ok);
    return;
  }
  showInWindow(loaded.image);
}

void PictureCommand::showInWindow(const QImage& picture) {
  PictureForm* form = reusableForm();
  form->showPicture(picture);
  form->show();
  form->raise();
  form->activateWindow();
  // Already the active window, it gets no activation event of its own.
  form->Form_Activate();
  host_.state.iconSaved = false;
}

// The open window takes the new picture; a closed one is gone and a fresh one
// starts with its initial settings.
PictureForm* PictureCommand::reusableForm() {
  if (form_ && form_->isVisible()) return form_;
  // Not deleted at once: this may run from an event loop nested in its handlers.
  if (form_) form_->deleteLater();
  form_ = new PictureForm([this] { return clock_(); }, host_.mainWindow);
  QObject::connect(form_, &PictureForm::convertRequested, form_,
                   [this](const SelectionRect& rect) { SamplePicture(rect); });
  // Queued: the drop has ended (and the dragging program been answered) before a message can show.
  QObject::connect(
      form_, &PictureForm::fileDropped, form_,
      [this](const QString& path) {
        if (!host_.state.busy) openPictureFile(path.toStdString());
      },
      Qt::QueuedConnection);
  return form_;
}

void PictureCommand::SamplePicture(const SelectionRect& rect) {
  PictureForm* form = form_;
  ProgramState& state = host_.state;
  // The outline is already hidden; let it go from the screen before reading.
  state.yieldToEvents();
  const QImage shown = form->displayedPixels();
  if (host_.mainWindow) {
    host_.mainWindow->raise();
    host_.mainWindow->activateWindow();
  }
  convertPicture(state, rect, readerOf(shown));
  if (host_.showCanvas) host_.showCanvas();
  form->close();
  // The pause runs once the picture window's pointer handlers have returned.
  state.busy = true;
  QTimer::singleShot(0, &lifetime_, [this] { inputPause(host_.state, clock_, pauseYield_); });
}

}  // namespace pictavo::ui
