// The menu bar of a window with menu items: a menu per top-level item, an entry per item placed
// in a menu. Choosing an entry is a click on its control. sync() follows the items' captions,
// visibility and enabled state. The bar and its menus are zoomed with the rest of the window.
#pragma once

#include <QObject>
#include <vector>

#include "platform/window.h"

class QAction;
class QMenuBar;
class QWidget;

namespace sylvandra::ui {

class EventSink;

class MenuBarView : public QObject {
 public:
  static bool hasMenus(const Window& window);

  // The bar is created as a child of parent, at its top-left corner; sink may be null.
  MenuBarView(Window& window, QWidget* parent, EventSink* sink);
  ~MenuBarView() override;

  int height() const;
  void setWidth(int width);
  // Shows the bar's and its menus' text `zoom` times the desktop's own menu font.
  void setZoom(double zoom);
  void sync();
  QMenuBar* bar() const { return bar_; }
  // The action that shows the item (a menu's own action for a top-level item), or null.
  QAction* actionFor(const Control& item) const;

 private:
  struct Item {
    Control* control;
    QAction* action;
  };

  QMenuBar* bar_;
  std::vector<Item> items_;
};

}  // namespace sylvandra::ui
