#include "shell/ui/FrmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "icofile/ui/FormControls.h"
#include "platform/ui/OwnedWindow.h"

namespace pictavo::ui {

FrmAbout::FrmAbout(QWidget* owner) : QWidget(owner) {
  ownWindow(*this);
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Pictavo"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(dialogFont(font()));
  setFixedSize(345, 177);

  QIcon icon = owner ? owner->window()->windowIcon() : QIcon();
  if (icon.isNull()) icon = QApplication::windowIcon();
  auto* picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setGeometry(16, 16, 32, 32);
  picIcon->setPixmap(icon.pixmap(32, 32));

  auto* title = placeLabel(this, "lblTitle", QStringLiteral("Pictavo"), QRect(72, 12, 257, 29), true);
  QFont big = title->font();
  big.setPixelSize(22);
  title->setFont(big);
  placeLabel(this, "lblVersion", QStringLiteral("Version 2.0"), QRect(72, 44, 257, 17));
  auto* description = new QLabel(QStringLiteral("An editor for 32 x 32 Windows icons: draw them, open "
                                                 "them from .ico, .exe and .dll files, make them from "
                                                 "pictures and save them in 16, 256 or 24-bit colour."),
                                  this);
  description->setObjectName(QStringLiteral("lblDescription"));
  description->setWordWrap(true);
  description->setGeometry(72, 68, 257, 60);
  auto* ok = placeButton(this, "cmdOK", QStringLiteral("OK"), QRect(240, 140, 89, 25));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
}

void FrmAbout::cmdOK_Click() { close(); }

}  // namespace pictavo::ui
