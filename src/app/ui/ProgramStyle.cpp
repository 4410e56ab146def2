#include "app/ui/ProgramStyle.h"

#include "app/ui/DecorPictures.h"

namespace pictavo::ui {

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
  switch (which) {
    case SP_ToolBarHorizontalExtensionButton: return QIcon(arrowPicture(Arrow::Right, 12));
    case SP_ToolBarVerticalExtensionButton: return QIcon(arrowPicture(Arrow::Down, 12));
    default: return QProxyStyle::standardIcon(which, option, widget);
  }
}

}  // namespace pictavo::ui
