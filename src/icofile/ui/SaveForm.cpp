#include "icofile/ui/SaveForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "icofile/ColourReduction.h"
#include "icofile/ui/FormControls.h"
#include "icofile/ui/IconPicture.h"
#include "tools/Commands.h"
#include "tools/PointerInput.h"

namespace pictavo::ui {
namespace {

constexpr int kRowTop = 64;
constexpr int kRowPitch = 56;

QRect row(int n, int left, int width, int height, int down = 0) {
  return {left, kRowTop + kRowPitch * n + down, width, height};
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
    : QWidget(parent, Qt::Window), state_(state), canvasChanged_(std::move(canvasChanged)) {
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
  const QColor buttonFace = palette().color(QPalette::Button);
  label8_->hide();
  const int count = countColors(state_);
  label2_->setText(QString::number(count));

  prepared_ = state_.canvas;
  copySourceColours(ico, prepared_);
  picture3_->showImage(iconImage(prepared_, buttonFace));
  std::array<std::int16_t, kCellCount> flags{};
  for (int i = 0; i < kCellCount; ++i) flags[i] = prepared_.cells()[i].transparent;
  prepare16(ico, prepared_);
  picture1_->showImage(iconImage(ico.colors16, &flags, buttonFace));

  const Reduction reduction = prepare256(ico, prepared_, count);
  if (reduction.passes > 0) {
    label8_->setText(quality(reduction.passes));
    label8_->show();
  }
  picture2_->showImage(iconImage(ico.colors256, &flags, buttonFace));
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
