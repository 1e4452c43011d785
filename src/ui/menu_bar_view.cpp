#include "ui/menu_bar_view.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cmath>

#include "platform/program.h"
#include "ui/event_sink.h"
#include "ui/qt_conversions.h"

namespace sylvandra::ui {

bool MenuBarView::hasMenus(const Window& window) {
  for (const auto& control : window.controls()) {
    if (control->kind() == ControlKind::MenuItem) return true;
  }
  return false;
}

MenuBarView::MenuBarView(Window& window, QWidget* parent, EventSink* sink)
    : bar_(new QMenuBar(parent)) {
  // Menus first, then their entries, each in declaration order.
  for (const auto& control : window.controls()) {
    if (control->kind() != ControlKind::MenuItem || !control->container().empty()) continue;
    QMenu* menu = bar_->addMenu(ToQString(control->caption()));
    items_.push_back({control.get(), menu->menuAction()});
  }
  for (const auto& control : window.controls()) {
    if (control->kind() != ControlKind::MenuItem || control->container().empty()) continue;
    QMenu* menu = nullptr;
    for (const Item& item : items_) {
      if (item.control->name() == control->container()) menu = item.action->menu();
    }
    if (!menu) continue;
    QAction* action = menu->addAction(ToQString(control->caption()));
    Control* item = control.get();
    connect(action, &QAction::triggered, this, [item, sink] {
      if (sink) sink->dispatch([item] { item->window().program().click(*item); });
    });
    items_.push_back({item, action});
  }
  bar_->adjustSize();
  bar_->move(0, 0);
  sync();
}

MenuBarView::~MenuBarView() = default;

int MenuBarView::height() const {
  return bar_->sizeHint().height();
}

void MenuBarView::setWidth(int width) {
  bar_->setGeometry(0, 0, width, height());
}

void MenuBarView::setZoom(double zoom) {
  // The font the desktop gives this kind of widget, not one set on it before.
  const auto zoomed = [zoom](const QWidget* widget) {
    QFont font = QApplication::font(widget);
    if (font.pointSizeF() > 0) {
      font.setPointSizeF(font.pointSizeF() * zoom);
    } else {
      font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * zoom))));
    }
    return font;
  };
  bar_->setFont(zoomed(bar_));
  // A menu is a window of its own, which takes no font from the bar.
  for (QAction* action : bar_->actions()) {
    if (QMenu* menu = action->menu()) menu->setFont(zoomed(menu));
  }
}

void MenuBarView::sync() {
  for (const Item& item : items_) {
    const QString caption = ToQString(item.control->caption());
    if (item.action->text() != caption) item.action->setText(caption);
    if (item.action->isVisible() != item.control->visible()) {
      item.action->setVisible(item.control->visible());
    }
    if (item.action->isEnabled() != item.control->enabled()) {
      item.action->setEnabled(item.control->enabled());
    }
  }
}

QAction* MenuBarView::actionFor(const Control& item) const {
  for (const Item& entry : items_) {
    if (entry.control == &item) return entry.action;
  }
  return nullptr;
}

}  // namespace sylvandra::ui
