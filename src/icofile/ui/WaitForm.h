#pragma once
#include <QWidget>

#include "icofile/IconScanner.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace pictavo::ui {

// WaitForm: "Please Wait", shown while a file is scanned for icons. Its Cancel
// button only raises a flag; the scan looks at it and the scan hides the window.
class WaitForm : public QWidget {
  Q_OBJECT
 public:
  explicit WaitForm(QWidget* parent = nullptr);

  bool scanCancelled() const { return scanCancelled_; }
  // Shows the window for a new scan: bar at 0, Cancel not pressed.
  void beginScan();
  void setProgress(double percent);

  QProgressBar* progressBar() const { return progressBar1_; }
  QPushButton* cancelButton() const { return command1_; }

 public slots:
  void Command1_Click();

 protected:
  // Closing the window during a scan is a Cancel; the scan hides it.
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* label1_ = nullptr;
  QProgressBar* progressBar1_ = nullptr;
  QPushButton* command1_ = nullptr;
  bool scanCancelled_ = false;
};

// ScanIcons as the user sees it: WaitForm shown while the model scans, painted
// and its Cancel honoured by letting window events run from the progress
// reports (at most about 30 times a second), hidden again however the scan ends.
ScanOutcome scanIconsWithProgress(IcoState& ico, WaitForm& form, const ScanOptions& options = {});

}  // namespace pictavo::ui
