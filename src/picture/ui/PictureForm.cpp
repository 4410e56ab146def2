#include "picture/ui/PictureForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>

#include "icofile/ui/FormControls.h"
#include "picture/PictureFit.h"
#include "picture/ui/PictureImage.h"
#include "platform/ui/DroppedFiles.h"
#include "platform/ui/OwnedWindow.h"

namespace pictavo::ui {
namespace {

constexpr int kStripTop = 2;
constexpr int kStripHeight = 17;

}  // namespace

PictureForm::PictureForm(Clock clock, QWidget* parent) : QWidget(parent), clock_(std::move(clock)) {
  ownWindow(*this, nullptr, true);
  setObjectName(QStringLiteral("PictureForm"));
  setWindowTitle(QStringLiteral("Picture"));
  resize(kPictureFormWidth, kPictureFormHeight);
  setAcceptDrops(true);

  check2_ = placeCheck("Check2", QStringLiteral("Fit Picture to Window"), 8, 132);
  check1_ = placeCheck("Check1", QStringLiteral("Maintain Proportions"), 144, 140);
  check3_ = placeCheck("Check3", QStringLiteral("Use Entire Screen (Maximize)"), 288, 210);
  check1_->setChecked(true);
  connect(check2_, &QCheckBox::clicked, this, &PictureForm::Check2_Click);
  connect(check3_, &QCheckBox::clicked, this, &PictureForm::Check3_Click);
  label1_ = placeLabel(this, "Label1", QStringLiteral("0"), QRect(504, kStripTop + 1, 44, kStripHeight));
  label1_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  placeLabel(this, "Label2", QStringLiteral("x"), QRect(552, kStripTop + 1, 12, kStripHeight));
  label3_ = placeLabel(this, "Label3", QStringLiteral("0"), QRect(568, kStripTop + 1, 56, kStripHeight));

  image1_ = new PictureImage(this);
  image1_->move(0, kPictureAreaTop);
  connect(image1_, &PictureImage::pressed, this, &PictureForm::Image1_MouseDown);
  connect(image1_, &PictureImage::moved, this, &PictureForm::Image1_MouseMove);
  connect(image1_, &PictureImage::released, this, &PictureForm::Image1_MouseUp);
  shape1_ = new SelectionOutline(this);
}

QCheckBox* PictureForm::placeCheck(const char* name, const QString& caption, int x, int width) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(dialogFont(font()));
  box->setGeometry(x, kStripTop, width, kStripHeight);
  // Keys and focus stay with the picture; the boxes are worked with the pointer.
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

void PictureForm::showPicture(const QImage& picture) {
  picture_ = picture;
  if (image1_->stretched())
    fitPicture();
  else
    image1_->showNatural(picture_);
}

void PictureForm::LayoutPicture() {
  if (image1_->stretched())
    fitPicture();
  else
    image1_->showNatural(picture_);
}

void PictureForm::fitPicture() {
  const AreaSize area = fittedArea({width(), height()}, {picture_.width(), picture_.height()},
                                   check1_->isChecked());
  image1_->showStretched(picture_, QSize(area.width, area.height));
}

QImage PictureForm::displayedPixels() {
  QImage shown(size(), QImage::Format_RGB32);
  render(&shown);
  return shown;
}

void PictureForm::Form_Activate() {
  // The natural size is the picture's own, even while it is shown stretched.
  selection_.activate(clock_());
}

void PictureForm::Check2_Click() {
  if (image1_->stretched())
    image1_->showNatural(picture_);
  else
    fitPicture();
}

void PictureForm::Check3_Click() {
  if (check3_->isChecked())
    showMaximized();
  else
    showNormal();
  LayoutPicture();
}

void PictureForm::Image1_MouseDown(int button, int, double x, double y) {
  selection_.mouseDown(button, x, y);
  showSelection();
}

void PictureForm::Image1_MouseMove(int buttons, int, double x, double y) {
  selection_.mouseMove(buttons, x, y);
  showSelection();
  if (!selection_.shapeVisible()) return;
  label1_->setText(QString::number(selection_.shape().width));
  label3_->setText(QString::number(selection_.shape().height));
}

void PictureForm::Image1_MouseUp(int button, int, double x, double y) {
  const bool convert = selection_.mouseUp(button, x, y, clock_());
  showSelection();
  if (convert) emit convertRequested(selection_.shape());
}

void PictureForm::showSelection() { shape1_->showRect(selection_.shape(), selection_.shapeVisible()); }

bool PictureForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(event);
}

void PictureForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Maximising and restoring take effect when the new size arrives; a fitted
  // picture follows it.
  if (image1_->stretched()) fitPicture();
}

void PictureForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!firstDroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void PictureForm::dropEvent(QDropEvent* event) {
  const QString path = firstDroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  emit fileDropped(path);
}

void PictureForm::closeEvent(QCloseEvent* event) {
  // A closed window is done with its picture, which may be large.
  picture_ = QImage();
  image1_->clear();
  QWidget::closeEvent(event);
}

}  // namespace pictavo::ui
