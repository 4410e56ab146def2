#pragma once
#include <QImage>
#include <QWidget>

#include "picture/InputPause.h"
#include "picture/PictureSelection.h"

class QCheckBox;
class QLabel;

namespace pictavo::ui {

class PictureImage;
class SelectionOutline;

constexpr int kPictureFormWidth = 632;
constexpr int kPictureFormHeight = 453;

// PictureForm ("Picture"): shows a picture and lets the user drag a square or
// free selection over it. A release over a large enough selection asks for it
// to be converted; the window itself never touches the icon.
class PictureForm : public QWidget {
  Q_OBJECT
 public:
  PictureForm(Clock clock, QWidget* parent = nullptr);

  // A newly opened picture: natural size, or fitted when the window shows its
  // picture fitted.
  void showPicture(const QImage& picture);
  // LayoutPicture: sizes the picture area for the current state and window size.
  void LayoutPicture();
  // The client area as it is displayed, without the selection outline if hidden.
  QImage displayedPixels();

  const PictureSelection& selection() const { return selection_; }
  PictureImage* image1() const { return image1_; }
  SelectionOutline* shape1() const { return shape1_; }

 signals:
  void convertRequested(const SelectionRect& rect);
  // A file dropped on the window, for the command to load in place of the picture.
  void fileDropped(const QString& path);

 public slots:
  void Form_Activate();
  void Check2_Click();
  void Check3_Click();
  void Image1_MouseDown(int button, int shift, double x, double y);
  void Image1_MouseMove(int buttons, int shift, double x, double y);
  void Image1_MouseUp(int button, int shift, double x, double y);

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QCheckBox* placeCheck(const char* name, const QString& caption, int x, int width);
  void fitPicture();
  void showSelection();

  Clock clock_;
  PictureSelection selection_;
  QImage picture_;
  QCheckBox* check1_ = nullptr;
  QCheckBox* check2_ = nullptr;
  QCheckBox* check3_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label3_ = nullptr;
  PictureImage* image1_ = nullptr;
  SelectionOutline* shape1_ = nullptr;
};

}  // namespace pictavo::ui
