// The desktop's style, with one icon drawn by code: a menu bar asks the style for its overflow
// button's icon as it is made, and reading that icon's image file loads every image format
// plugin before the main menu is first painted. The overflow chevron is drawn instead, if a
// bar is ever too narrow for its menus; the plugins load when an image is first read.
#pragma once

#include <QProxyStyle>

namespace sylvandra::ui {

class DesktopStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace sylvandra::ui
