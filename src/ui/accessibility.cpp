#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "platform/control.h"
#include "platform/shown_label.h"
#include "plot/drawn_graph.h"
#include "plot/graph_export.h"
#include "ui/qt_conversions.h"

namespace sylvandra::ui {
namespace {

// A caption pressed like a button: a member of a control array (the menu's chapters) is an
// item of a list, a lone one a button. Its name is its caption as shown.
class AccessibleActivatable : public QAccessibleWidget {
 public:
  AccessibleActivatable(QWidget* widget, Activatable& activatable)
      : QAccessibleWidget(widget, activatable.shownControl().index() >= 0 ? QAccessible::ListItem
                                                                          : QAccessible::Button),
        activatable_(activatable) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      return ToQString(SpokenText(activatable_.shownControl().caption()));
    }
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && widget()->isEnabled()) {
      activatable_.activate();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  Activatable& activatable_;
};

class AccessibleLayout : public QAccessibleWidget {
 public:
  explicit AccessibleLayout(QWidget* widget)
      : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(ordered().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QWidget*> children = ordered();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(children[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    const std::vector<QWidget*> children = ordered();
    const auto found = std::find(children.begin(), children.end(), child->object());
    return found == children.end() ? -1 : static_cast<int>(found - children.begin());
  }

 private:
  std::vector<QWidget*> ordered() const {
    std::vector<QWidget*> children;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child && !child->isWindow() && !qobject_cast<QMenu*>(child)) children.push_back(child);
    }
    std::stable_sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
      if (a->y() != b->y()) return a->y() < b->y();
      return a->x() < b->x();
    });
    return children;
  }
};

// An option button. The model decides which option of a group is chosen, so the toolkit's
// button is not exclusive, and the toolkit would call it a check box.
class AccessibleOption : public QAccessibleWidget {
 public:
  explicit AccessibleOption(QRadioButton* option)
      : QAccessibleWidget(option, QAccessible::RadioButton), option_(option) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return QString(option_->text()).remove(QLatin1Char('&'));
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = option_->isChecked();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      if (option_->isEnabled()) option_->click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QRadioButton* option_;
};

class AccessibleDrawing : public QAccessibleWidget {
 public:
  explicit AccessibleDrawing(DrawingAlternative* drawing)
      : QAccessibleWidget(drawing, QAccessible::Graphic), drawing_(drawing) {}

  QString text(QAccessible::Text kind) const override {
    // Worked out when asked: a run redraws far more often than a reader reads.
    if (kind == QAccessible::Name) return ToQString(DescribeDrawing(drawing_->window()).name);
    if (kind == QAccessible::Description) {
      return ToQString(DescribeDrawing(drawing_->window()).description);
    }
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (DescribeDrawing(drawing_->window()).name.empty()) state.invisible = true;
    return state;
  }

 private:
  DrawingAlternative* drawing_;
};

QAccessibleInterface* ProgramWidgets(const QString&, QObject* object) {
  if (auto* drawing = dynamic_cast<DrawingAlternative*>(object)) {
    return new AccessibleDrawing(drawing);
  }
  if (dynamic_cast<ReadInLayoutOrder*>(object)) {
    if (auto* widget = qobject_cast<QWidget*>(object)) return new AccessibleLayout(widget);
  }
  if (auto* option = qobject_cast<QRadioButton*>(object)) return new AccessibleOption(option);
  // A caption nobody can press is plain text, as the toolkit shows it.
  if (auto* activatable = dynamic_cast<Activatable*>(object);
      activatable && activatable->shownControl().onClick) {
    if (auto* widget = qobject_cast<QWidget*>(object)) {
      return new AccessibleActivatable(widget, *activatable);
    }
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ProgramWidgets);
    return true;
  }();
  (void)installed;
}

DrawingText DescribeDrawing(Window& window) {
  DrawingText text;
  text.description = WindowCsv(window);
  if (const DrawnGraph* graph = CurrentGraph(window)) {
    text.name = "Graph";
    if (!graph->title.empty()) text.name += " against " + SpokenText(graph->title);
    const char* separator = ": ";
    for (const DrawnSeries& series : graph->series) {
      // The highest value plotted, then the value at the top of the frame it is drawn against.
      text.name += separator + SpokenText(series.name);
      if (!series.points.empty()) {
        double highest = series.points.front().value;
        for (const DrawnPoint& point : series.points) highest = std::max(highest, point.value);
        text.name += ", maximum " + ShownValue(highest);
      }
      text.name += " (scale " + ShownValue(series.maximum) + ")";
      separator = "; ";
    }
  } else if (!text.description.empty()) {
    text.name = "Printed table";
  }
  return text;
}

DrawingAlternative::DrawingAlternative(Window& window, QWidget* parent)
    : QWidget(parent), window_(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  lower();
}

}  // namespace sylvandra::ui
