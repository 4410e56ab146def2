#include "icofile/ui/SaveForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "icofile/ColourReduction.h"
#include "icofile/ui/FormControls.h"
#include "icofile/ui/IconPicture.h"
#include "tools/Commands.h"
#include "tools/PointerInput.h"
#include "platform/ui/OwnedWindow.h"

namespace pictavo::ui {
namespace {

constexpr int kRowTop = 64;
constexpr int kRowPitch = 56;

QRect row(int n, int left, int width, int height, int down = 0) {
  return {left, kRowTop + kRowPitch * n + down, width, height};
}

using Backdrop = SaveForm::Backdrop;

constexpr QRgb kLightBackdrop = qRgb(255, 255, 255);
constexpr QRgb kDarkBackdrop = qRgb(40, 40, 40);
constexpr QRgb kCheckLight = qRgb(255, 255, 255);
constexpr QRgb kCheckDark = qRgb(204, 204, 204);
constexpr int kCheckSize = 4;  // pixels a square in the previews

QRgb backdropPixel(Backdrop backdrop, QRgb windowColour, int x, int y, int checkSize = kCheckSize) {
  switch (backdrop) {
    case Backdrop::Light: return kLightBackdrop;
    case Backdrop::Dark: return kDarkBackdrop;
    case Backdrop::Checkerboard: return (x / checkSize + y / checkSize) % 2 ? kCheckDark : kCheckLight;
    case Backdrop::Window: break;
  }
  return windowColour;
}

QImage overBackdrop(const QImage& icon, const std::array<std::int16_t, kCellCount>& transparent,
                    Backdrop backdrop, QRgb windowColour) {
  QImage shown = icon;
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x)
      if (transparent[y * kGridSize + x] == 1) shown.setPixel(x, y, backdropPixel(backdrop, windowColour, x, y));
  return shown;
}

// A small framed sample of the backdrop for its toggle button.
QIcon swatch(Backdrop backdrop, QRgb windowColour) {
  constexpr int kSide = 12;
  QImage image(kSide, kSide, QImage::Format_RGB32);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) image.setPixel(x, y, backdropPixel(backdrop, windowColour, x, y, 3));
  QPainter(&image).drawRect(0, 0, kSide - 1, kSide - 1);
  return QIcon(QPixmap::fromImage(image));
}

QString quality(int passes) {
  switch (passes) {
    case 1: return QStringLiteral("90%");
    case 2: return QStringLiteral("80%");
    default: return QStringLiteral("60%");
  }
}

}  // namespace

SaveForm::SaveForm(ProgramState& state, std::function<void()> canvasChanged, QWidget* parent)
    : QWidget(parent), state_(state), canvasChanged_(std::move(canvasChanged)) {
  ownWindow(*this);
  setObjectName(QStringLiteral("SaveForm"));
  setWindowTitle(QStringLiteral("Choose a save type"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(481, 281);
  buildControls();
}

void SaveForm::buildControls() {
  placeLabel(this, "Label1", QStringLiteral("The icon that you are saving has"), QRect(16, 12, 165, 17));
  label2_ = placeLabel(this, "Label2", QString(), QRect(181, 12, 33, 17), true);
  label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  placeLabel(this, "Label3", QStringLiteral("unique colors in it."), QRect(216, 12, 121, 17));
  placeLabel(this, "Label4", QStringLiteral("How would you like to save the icon?"), QRect(16, 36, 233, 17));

  picture1_ = new IconPicture(this, true);
  picture2_ = new IconPicture(this, true);
  picture3_ = new IconPicture(this, true);
  const char* names[] = {"Picture1", "Picture2", "Picture3"};
  IconPicture* pictures[] = {picture1_, picture2_, picture3_};
  for (int n = 0; n < 3; ++n) {
    pictures[n]->setObjectName(QString::fromLatin1(names[n]));
    pictures[n]->move(row(n, 16, 0, 0).topLeft());
  }
  label8_ = placeLabel(this, "Label8", QString(), row(1, 16, 34, 13, 36), true);
  label8_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label8_->hide();

  const struct {
    const char* button;
    const char* caption;
    void (SaveForm::*handler)();
    const char* label;
    const char* text;
  } depths[] = {
      {"Command3", "16-color", &SaveForm::Command3_Click, "Label5",
       "16 color - 766 bytes - Windows standard - compatible with all desktop settings"},
      {"Command4", "256-color", &SaveForm::Command4_Click, "Label6",
       "256 color - 2238 bytes - Visible only if color depth is greater than 16-bit, and high color "
       "icons are enabled in Windows 95"},
      {"Command5", "24-bit color", &SaveForm::Command5_Click, "Label7",
       "24-bit color - 3262 bytes - Visible only if color depth is greater than 16-bit, and high "
       "color icons are enabled in Windows 95"}};
  for (int n = 0; n < 3; ++n) {
    auto* b = placeButton(this, depths[n].button, QString::fromLatin1(depths[n].caption), row(n, 64, 97, 25, 4));
    connect(b, &QPushButton::clicked, this, depths[n].handler);
    auto* label = placeLabel(this, depths[n].label, QString(), row(n, 176, 289, 43));
    label->setWordWrap(true);
    label->setText(QString::fromLatin1(depths[n].text));
  }
  check1_ = new QCheckBox(QStringLiteral("Use the next choice as the default, and do not ask again"), this);
  check1_->setObjectName(QStringLiteral("Check1"));
  check1_->setFont(dialogFont(font()));
  check1_->setGeometry(16, 240, 345, 25);
  auto* cancel = placeButton(this, "Command1", QStringLiteral("Cancel"), QRect(376, 240, 89, 25));
  connect(cancel, &QPushButton::clicked, this, &SaveForm::Command1_Click);
  buildBackdropToggle();
}

void SaveForm::buildBackdropToggle() {
  auto* label = placeLabel(this, "BackdropLabel", QStringLiteral("Background:"), QRect(300, 36, 85, 17));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const struct {
    const char* name;
    const char* tip;
  } kinds[] = {{"BackdropWindow", "Previews on the window color"},
               {"BackdropLight", "Previews on a light background"},
               {"BackdropDark", "Previews on a dark background"},
               {"BackdropCheckerboard", "Previews on a checkerboard"}};
  auto* group = new QButtonGroup(this);
  const QRgb windowColour = palette().color(QPalette::Button).rgb();
  for (int n = 0; n < 4; ++n) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(kinds[n].name));
    b->setToolTip(QString::fromLatin1(kinds[n].tip));
    b->setIcon(swatch(Backdrop(n), windowColour));
    b->setIconSize(QSize(12, 12));
    b->setCheckable(true);
    // The chosen one must stand out at a glance, which the style's pressed look does not.
    b->setStyleSheet(QStringLiteral("QToolButton { border: 1px solid palette(mid); background: palette(button); }"
                                    "QToolButton:checked { border: 2px solid palette(highlight); }"));
    b->setGeometry(389 + 19 * n, 35, 18, 18);
    group->addButton(b, n);
    backdropButtons_[n] = b;
  }
  backdropButtons_[int(backdrop_)]->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this, [this](int id) { setBackdrop(Backdrop(id)); });
}

void SaveForm::setBackdrop(Backdrop backdrop) {
  backdrop_ = backdrop;
  backdropButtons_[int(backdrop)]->setChecked(true);
  showPreviews();
}

void SaveForm::showPreviews() {
  if (previews_[0].isNull()) return;  // not worked out yet
  const QRgb windowColour = palette().color(QPalette::Button).rgb();
  IconPicture* pictures[] = {picture3_, picture1_, picture2_};
  for (int n = 0; n < 3; ++n)
    pictures[n]->showImage(overBackdrop(previews_[n], transparent_, backdrop_, windowColour));
}

IconPicture* SaveForm::picture(int n) const {
  return n == 1 ? picture1_ : n == 2 ? picture2_ : n == 3 ? picture3_ : nullptr;
}

bool SaveForm::event(QEvent* event) {
  // Shown without a window manager the window may never become active.
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) Form_Activate();
  return QWidget::event(event);
}

void SaveForm::Form_Activate() {
  // No window events run in here: a close they delivered would delete the
  // window under this handler, and the work takes about a millisecond.
  endDrag(state_);  // a selection outline in progress is not part of the icon
  IcoState& ico = state_.ico;
  label8_->hide();
  const int count = countColors(state_);
  label2_->setText(QString::number(count));

  prepared_ = state_.canvas;
  copySourceColours(ico, prepared_);
  for (int i = 0; i < kCellCount; ++i) transparent_[i] = prepared_.cells()[i].transparent;
  previews_[0] = iconImage(prepared_, Qt::white);
  prepare16(ico, prepared_);
  previews_[1] = iconImage(ico.colors16);

  const Reduction reduction = prepare256(ico, prepared_, count);
  if (reduction.passes > 0) {
    label8_->setText(quality(reduction.passes));
    label8_->show();
  }
  previews_[2] = iconImage(ico.colors256);
  showPreviews();
}

void SaveForm::chooseReducedDepth(int depth) {
  // Tables prepared from an older canvas would undo the edits made since.
  if (state_.canvas != prepared_) Form_Activate();
  state_.saveDepth = static_cast<std::int16_t>(depth);
  doBackup(state_);
  const Canvas before = state_.canvas;
  applyPreparedColours(state_.ico, depth, state_.canvas);
  // If the user then abandons the save, the reduced canvas is still a change.
  if (state_.canvas != before) state_.iconSaved = false;
  layIcon(state_.canvas, state_.preview);
  if (canvasChanged_) canvasChanged_();
  close();
  emit saveRequested();
}

void SaveForm::chooseDepth(int depth) {
  state_.saveDepth = static_cast<std::int16_t>(depth);
  close();
  emit saveRequested();
}

void SaveForm::Command3_Click() { chooseReducedDepth(16); }
void SaveForm::Command4_Click() { chooseReducedDepth(256); }
void SaveForm::Command5_Click() { chooseDepth(24); }
void SaveForm::Command1_Click() { close(); }

void SaveForm::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closed();
}

}  // namespace pictavo::ui
