#include "ui/desktop_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace sylvandra::ui {
namespace {

// Two chevrons pointing right, in the text colour, as the overflow button shows them.
class ChevronIcon : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const QRectF box = QRectF(rect).adjusted(rect.width() * 0.25, rect.height() * 0.3,
                                             -rect.width() * 0.25, -rect.height() * 0.3);
    QPainterPath path;
    for (const double left : {box.left(), box.center().x()}) {
      path.moveTo(left, box.top());
      path.lineTo(left + box.width() / 2, box.center().y());
      path.lineTo(left, box.bottom());
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(mode == QIcon::Disabled ? Qt::gray : Qt::black, 1.5));
    painter->drawPath(path);
    painter->restore();
  }
  QIconEngine* clone() const override { return new ChevronIcon; }
};

}  // namespace

QIcon DesktopStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (standardIcon == SP_ToolBarHorizontalExtensionButton) return QIcon(new ChevronIcon);
  return QProxyStyle::standardIcon(standardIcon, option, widget);
}

}  // namespace sylvandra::ui
