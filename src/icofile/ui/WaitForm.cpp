#include "icofile/ui/WaitForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include "canvas/Rounding.h"
#include "icofile/ui/FormControls.h"
#include "platform/ui/OwnedWindow.h"

namespace pictavo::ui {
namespace {

constexpr qint64 kEventIntervalMs = 33;

}  // namespace

WaitForm::WaitForm(QWidget* parent) : QWidget(parent) {
  ownWindow(*this);
  setObjectName(QStringLiteral("WaitForm"));
  setWindowTitle(QStringLiteral("Please Wait"));
  setFixedSize(276, 79);
  // While the file is read only this window takes input, so no other command
  // can start a second scan or replace the list being filled.
  setWindowModality(Qt::ApplicationModal);
  label1_ = placeLabel(this, "Label1", QStringLiteral("Please wait while I scan the file."),
                       QRect(8, 8, 257, 17), true);
  progressBar1_ = new QProgressBar(this);
  progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar1_->setGeometry(16, 24, 249, 17);
  progressBar1_->setRange(0, 100);
  progressBar1_->setTextVisible(false);
  command1_ = placeButton(this, "Command1", QStringLiteral("Cancel"), QRect(80, 48, 113, 25), true);
  connect(command1_, &QPushButton::clicked, this, &WaitForm::Command1_Click);
}

void WaitForm::beginScan() {
  scanCancelled_ = false;
  progressBar1_->setValue(0);
  show();
}

void WaitForm::setProgress(double percent) {
  progressBar1_->setValue(qBound(0, roundHalfEven(percent), 100));
}

void WaitForm::Command1_Click() { scanCancelled_ = true; }

void WaitForm::closeEvent(QCloseEvent* event) {
  if (isVisible()) scanCancelled_ = true;
  event->accept();
}

ScanOutcome scanIconsWithProgress(IcoState& ico, WaitForm& form, const ScanOptions& options) {
  QPointer<WaitForm> window(&form);
  form.beginScan();
  QCoreApplication::processEvents();
  QElapsedTimer sinceEvents;
  sinceEvents.start();
  const ScanProgress progress = [&](double percent) {
    if (!window) return false;
    window->setProgress(percent);
    if (sinceEvents.elapsed() >= kEventIntervalMs) {
      QCoreApplication::processEvents();
      sinceEvents.restart();
    }
    return window && !window->scanCancelled();
  };
  ScanOutcome outcome;
  try {
    outcome = scanIcons(ico, progress, options);
  } catch (const std::exception& e) {
    // The model's file handle is already closed by now; only the window is left.
    ico.iconCount = 0;
    outcome = {ScanStatus::Unreadable, "Could not read " + ico.openPath + ": " + e.what()};
  }
  if (window) window->hide();
  return outcome;
}

}  // namespace pictavo::ui
