#include "icofile/ui/Form4.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "icofile/IconDecoder.h"
#include "icofile/IconImageLoading.h"
#include "icofile/ui/FormControls.h"
#include "icofile/ui/IconPicture.h"
#include "picture/io/PngIconDecoder.h"
#include "platform/ui/OwnedWindow.h"

namespace pictavo::ui {
namespace {

constexpr int kPitch = 48;  // between boxes, both directions

QPoint boxPosition(int b) { return {40 + kPitch * (b % Form4::kColumns), 72 + kPitch * (b / Form4::kColumns)}; }

QString sizeText(const IconImage& image) {
  return QStringLiteral("%1 × %2").arg(image.width).arg(image.height);
}

bool smaller(const IconImage& a, const IconImage& b) {
  const long long areaA = 1LL * a.width * a.height, areaB = 1LL * b.width * b.height;
  return areaA != areaB ? areaA < areaB : a.width < b.width;
}

}  // namespace

Form4::Form4(ProgramState& state, QWidget* parent) : QWidget(parent), state_(state) {
  ownWindow(*this);
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Choose Icon"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(409, 266);
  buildControls();
}

void Form4::buildControls() {
  placeLabel(this, "Label1", QStringLiteral("The file you have chosen contains"), QRect(80, 16, 169, 17));
  label3_ = placeLabel(this, "Label3", QString(), QRect(247, 16, 33, 17), true);
  label3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  placeLabel(this, "Label4", QStringLiteral("icons."), QRect(280, 16, 65, 17));
  label2_ = placeLabel(this, "Label2",
                       QStringLiteral("Please select the icon that you wish to load and click OK."),
                       QRect(48, 32, 305, 17));
  new OutlineShape(this, "Shape1", QRect(16, 56, 369, 161));
  for (int b = 0; b < kBoxes; ++b) {
    auto* box = new IconPicture(this);
    box->setObjectName(QStringLiteral("Picture1_%1").arg(b));
    box->setProperty("index", b);
    box->move(boxPosition(b));
    connect(box, &IconPicture::clicked, this, [this, b] { Picture1_Click(b); });
    connect(box, &IconPicture::doubleClicked, this, [this, b] { Picture1_DblClick(b); });
    picture1_[static_cast<std::size_t>(b)] = box;
  }
  shape2_ = new OutlineShape(this, "Shape2", QRect(34, 67, 44, 42));
  shape2_->hide();
  vScroll1_ = new QScrollBar(Qt::Vertical, this);
  vScroll1_->setObjectName(QStringLiteral("VScroll1"));
  vScroll1_->setGeometry(376, 56, 25, 161);
  vScroll1_->setRange(0, 0);
  vScroll1_->setPageStep(1);
  connect(vScroll1_, &QScrollBar::valueChanged, this, &Form4::VScroll1_Change);
  command3_ = placeButton(this, "Command3", QStringLiteral("OK"), QRect(104, 232, 89, 25));
  command3_->setEnabled(false);
  command3_->setDefault(true);
  connect(command3_, &QPushButton::clicked, this, &Form4::Command3_Click);
  auto* command2 = placeButton(this, "Command2", QStringLiteral("Cancel"), QRect(200, 232, 89, 25));
  connect(command2, &QPushButton::clicked, this, &Form4::Command2_Click);
  auto* command1 = placeButton(this, "Command1", QStringLiteral("Browse"), QRect(296, 232, 89, 25));
  connect(command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

QWidget* Form4::selectionFrame() const { return shape2_; }

void Form4::showResampledImages(const std::string& path, std::vector<IconImage> images) {
  resampled_ = true;
  imagesPath_ = path;
  images_ = std::move(images);
  // The heading is longer than the instruction it replaces.
  label2_->setGeometry(16, 32, 369, 17);
  label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label2_->setText(resampledHeading(images_));
}

QString Form4::resampledHeading(const std::vector<IconImage>& images) {
  const QString tail = QStringLiteral(" — resampled to 32 × 32");
  if (images.empty()) return QString();
  const auto [least, most] = std::minmax_element(images.begin(), images.end(), smaller);
  if (least->width == most->width && least->height == most->height)
    return sizeText(*least) + QStringLiteral(" images") + tail;
  return QStringLiteral("Images of ") + sizeText(*least) + QStringLiteral(" to ") + sizeText(*most) + tail;
}

int Form4::scrollMaximum(int count) {
  if (count <= kBoxes) return 0;
  // Int((IconCount - 22) / 14) + 1; the numerator is never negative here.
  return (count - 22) / kScrollStep + 1;
}

void Form4::showFirstPage() {
  Form_Activate();
  const bool scrolls = iconCount() >= kBoxes;
  vScroll1_->setVisible(scrolls);
  {
    const QSignalBlocker quiet(vScroll1_);
    vScroll1_->setRange(0, scrollMaximum(iconCount()));
    vScroll1_->setValue(0);
  }
  showPage(0);
}

bool Form4::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(event);
}

void Form4::Form_Activate() {
  shape2_->hide();
  label3_->setText(QString::number(iconCount()));
}

void Form4::VScroll1_Change(int value) {
  showPage(value * kScrollStep);
  shape2_->hide();
}

void Form4::showPage(int firstShown) {
  state_.ico.firstShown = firstShown;
  for (int b = 0; b < kBoxes; ++b) {
    IconPicture& box = *picture1_[static_cast<std::size_t>(b)];
    const int index = firstShown + b;
    if (holdsIcon(index))
      drawIcon(index, box);
    else
      box.clear();
    box.setToolTip(resampled_ && holdsIcon(index) ? sizeText(images_[std::size_t(index)]) : QString());
  }
}

void Form4::drawIcon(int index, IconPicture& box) {
  const bool loaded = resampled_ ? bool(loadImageIntoTempIcon(state_.ico, imagesPath_, images_[std::size_t(index)],
                                                              decodePngIconImage))
                                 : bool(loadTempIco(state_.ico, index));
  if (loaded)
    box.showImage(iconImage(state_.ico.tempColors));
  else
    box.markUnsupported();
}

bool Form4::holdsIcon(int index) const { return index >= 0 && index < iconCount(); }

int Form4::iconCount() const { return resampled_ ? int(images_.size()) : state_.ico.iconCount; }

void Form4::Picture1_Click(int index) {
  const int icon = index + state_.ico.firstShown;
  if (!holdsIcon(icon)) return;
  state_.ico.chosenIcon = icon;
  selected_ = true;
  command3_->setEnabled(true);
  shape2_->show();
  shape2_->raise();
  placeSelectionFrame(index);
}

void Form4::Picture1_DblClick(int index) {
  if (!holdsIcon(index + state_.ico.firstShown)) return;
  state_.ico.chosenIcon = index + state_.ico.firstShown;
  selected_ = true;
  Command3_Click();
}

void Form4::placeSelectionFrame(int b) { shape2_->move(kPitch * (b % kColumns) + 34, kPitch * (b / kColumns) + 67); }

void Form4::Command3_Click() {
  if (!selected_ || !holdsIcon(state_.ico.chosenIcon)) return;
  const int chosen = state_.ico.chosenIcon;
  close();
  emit iconChosen(chosen);
}

void Form4::Command1_Click() {
  close();
  emit browseRequested();
}

void Form4::Command2_Click() { Command1_Click(); }

}  // namespace pictavo::ui
