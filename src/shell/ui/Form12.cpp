#include "shell/ui/Form12.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "icofile/ui/FormControls.h"
#include "icofile/ui/IconPicture.h"

namespace pictavo::ui {
namespace {

constexpr int kTextWidth = 560;
constexpr const char* kNoRegistryNeeded =
    "Not needed here: this desktop always shows icons in all their colours.";
constexpr const char* kNoDisplaySettings =
    "No display settings program of GNOME, KDE Plasma, Xfce or LXQt was found.";

bool hasContent(const Canvas& canvas) {
  for (const Cell& cell : canvas.cells())
    if (cell.transparent == 0) return true;
  return false;
}

// The program's own icon as cells; half-transparent pixels count as transparent.
Canvas canvasFromIcon(const QIcon& icon) {
  Canvas canvas;
  const QImage image = icon.pixmap(kGridSize, kGridSize)
                           .toImage()
                           .scaled(kGridSize, kGridSize)
                           .convertToFormat(QImage::Format_ARGB32);
  for (int r = 0; r < kGridSize; ++r)
    for (int c = 0; c < kGridSize; ++c) {
      const QRgb p = image.pixel(c, r);
      if (qAlpha(p) >= 128) canvas.at(c, r) = Cell{rgb(qRed(p), qGreen(p), qBlue(p)), 0};
    }
  return canvas;
}

QLabel* text(QWidget* parent, const char* words, bool bold = false) {
  auto* label = new QLabel(QString::fromUtf8(words), parent);
  label->setWordWrap(true);
  label->setFixedWidth(kTextWidth);
  if (bold) label->setFont(dialogFont(parent->font(), true));
  return label;
}

}  // namespace

Form12::Form12(const HelpWindows& windows)
    : HelpWindow(windows.host().owner, "Form12", QStringLiteral("Enable High Color Icons"),
                 windows.pageAnchor()),
      windows_(windows),
      display_(findDisplaySettings(windows.host().currentDesktop, windows.host().installed)) {
  auto* layout = new QVBoxLayout(this);
  QLabel* heading = text(this, "How to tell your computer to show icons in all possible colors", true);
  QFont big = heading->font();
  big.setPixelSize(14);
  heading->setFont(big);
  layout->addWidget(heading);
  layout->addWidget(buildSamples(), 0, Qt::AlignHCenter);
  layout->addWidget(text(this,
      "This program creates icons of a higher quality than Windows 3.1, and 95 will allow in their "
      "default mode. If you create an icon from a picture, and it looks like the 16-color icon above, "
      "then you will have to perform the steps described below."));

  layout->addSpacing(6);
  layout->addWidget(text(this, "Windows 95:", true));
  layout->addWidget(text(this, "Enable full color icons in the system registry:"));
  layout->addWidget(text(this,
      "1. Click the following button to attempt to modify the registry. If it was successfull you "
      "will receive a message stating that the information has been added to the registry."));
  command1_ = placeButton(this, "Command1", QStringLiteral("Enable Full Color Icons"), QRect(0, 0, 161, 25));
  command1_->setFixedSize(171, 25);
  connect(command1_, &QPushButton::clicked, this, &Form12::Command1_Click);
  layout->addWidget(command1_, 0, Qt::AlignLeft);
  layout->addWidget(text(this, "You will have to reboot your system before the changes will take effect."));

  layout->addSpacing(6);
  layout->addWidget(text(this, "Windows 98, Me, 2000, XP:", true));
  layout->addWidget(text(this,
      "Windows 98 or newer will show icons in all possible colors by default. No action is needed."));

  layout->addSpacing(6);
  layout->addWidget(text(this,
      "Set the desktop to display at least 16-bit color (This change will also make pictures on the "
      "Internet look better):", true));
  auto* step1 = new QHBoxLayout;
  QLabel* step1Text = text(this,
      "1. Right click an empty area of the desktop, and choose Properties on the pop-up menu, or "
      "click this button.");
  step1Text->setFixedWidth(kTextWidth - 97);
  step1->addWidget(step1Text);
  command2_ = placeButton(this, "Command2", QStringLiteral("Display"), QRect(0, 0, 89, 25));
  command2_->setFixedSize(89, 25);
  connect(command2_, &QPushButton::clicked, this, &Form12::Command2_Click);
  step1->addWidget(command2_, 0, Qt::AlignTop);
  layout->addLayout(step1);
  for (const char* step :
       {"2. Click the Settings tab, and look in the box labeled: \"Color Palette\"",
        "If the value is 16-bit color or greater, then you are done, if it claims 16 or 256 then you "
        "will have to continue to step 3.",
        "3. Click the color palette list arrow, and change to a higher value (at least 16-bit color).",
        "Note: If a value higher than 256 does not exist, then your video card may not be able to "
        "support high color graphics, or your video card drivers are not installed properly.",
        "4. Click the Apply button. The computer may ask you to reboot before the changes will take "
        "effect. If the computer prompts you to reboot, choose NO, and follow the steps in the next "
        "section first."})
    layout->addWidget(text(this, step));

  auto* close = placeButton(this, "Command3", QStringLiteral("Close"), QRect(0, 0, 89, 25));
  close->setFixedSize(89, 25);
  connect(close, &QPushButton::clicked, this, &Form12::Command3_Click);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

#ifndef _WIN32
  command1_->setEnabled(false);
  command1_->setToolTip(QString::fromLatin1(kNoRegistryNeeded));
#endif
  command2_->setEnabled(display_.has_value());
  if (!display_) command2_->setToolTip(QString::fromLatin1(kNoDisplaySettings));
  showSamples(sampleIcon());
}

QWidget* Form12::buildSamples() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(40);
  const char* names[] = {"Picture1", "Picture2", "Picture3"};
  const char* captions[] = {"16 color", "256 color", "24-bit Color"};
  for (int n = 0; n < 3; ++n) {
    pictures_[n] = new IconPicture(box, true);
    pictures_[n]->setObjectName(QString::fromLatin1(names[n]));
    grid->addWidget(pictures_[n], 0, n, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QString::fromLatin1(captions[n]), box), 1, n, Qt::AlignHCenter);
  }
  return box;
}

IconPicture* Form12::picture(int n) const { return n >= 1 && n <= 3 ? pictures_[n - 1] : nullptr; }

// The icon being edited when there is one, else the program's own.
Canvas Form12::sampleIcon() const {
  const Canvas& canvas = windows_.host().state.canvas;
  if (hasContent(canvas)) return canvas;
  QWidget* owner = windows_.host().owner;
  QIcon icon = owner ? owner->window()->windowIcon() : QIcon();
  if (icon.isNull()) icon = QApplication::windowIcon();
  return canvasFromIcon(icon);
}

void Form12::showSamples(const Canvas& icon) {
  const HighColourSamples s = highColourSamples(icon);
  const QColor background = palette().color(QPalette::Window);
  pictures_[0]->showImage(iconImage(s.colours16, &s.transparent, background));
  pictures_[1]->showImage(iconImage(s.colours256, &s.transparent, background));
  pictures_[2]->showImage(iconImage(s.colours24, &s.transparent, background));
}

void Form12::Command1_Click() {
#ifdef _WIN32
  const HelpHost& host = windows_.host();
  host.launcher.startDetached("regedit", {"-s", host.state.settings.installDir + kWin95IcoRegFileName});
  host.messages.show("You will have to restart Windows for the changes to take effect.", "Restart Windows",
                     Buttons::Ok);
#endif
}

void Form12::Command2_Click() {
  if (!display_) return;
  const HelpHost& host = windows_.host();
  if (!host.launcher.startDetached(display_->program, display_->arguments))
    host.messages.show("The display settings (" + display_->program + ") could not be started.", "",
                       Buttons::Ok, MessageIcon::Warning);
}

void Form12::Command3_Click() { close(); }

}  // namespace pictavo::ui
