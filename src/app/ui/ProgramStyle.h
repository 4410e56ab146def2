#pragma once
#include <QProxyStyle>

namespace pictavo::ui {

// The platform's style, except for the overflow chevrons of the menu bar and
// toolbar, which are drawn here: the stock ones are loaded by file name, and
// Qt then loads every image-format and icon-engine plugin to ask about that
// file while the main window is still being built.
class ProgramStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace pictavo::ui
