#include "ui/run_record.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/keyboard.h"
#include "platform/program.h"
#include "platform/window.h"
#include "plot/drawn_graph.h"
#include "plot/graph_export.h"
#include "plot/output/output_windows.h"
#include "ui/application.h"
#include "ui/qt_conversions.h"
#include "ui/surface_painter.h"

namespace sylvandra {
namespace {

using ui::ToQString;
using Entry = std::pair<QString, QString>;  // a field's label and its value

bool IsOutputWindow(const Window& window) {
  return dynamic_cast<const outpt*>(&window) || dynamic_cast<const Outpt2*>(&window) ||
         dynamic_cast<const outmap*>(&window);
}

// A window the program has created already (looking one up must not create it).
Window* CreatedWindow(Program& program, const std::string& name) {
  for (Window* window : program.windows()) {
    if (window->name() == name) return window;
  }
  return nullptr;
}

struct RecordedWindows {
  Window* exercise = nullptr;
  std::vector<Window*> outputs;
};

RecordedWindows FindRecordedWindows(Window& window) {
  RecordedWindows found;
  Program& program = window.program();
  if (IsOutputWindow(window)) {
    found.outputs.push_back(&window);
    if (const DrawnGraph* graph = CurrentGraph(window)) {
      found.exercise = CreatedWindow(program, graph->exercise);
    }
    return found;
  }
  found.exercise = &window;
  for (Window* output : program.windows()) {
    if (!IsOutputWindow(*output)) continue;
    const DrawnGraph* graph = CurrentGraph(*output);
    if (graph && graph->exercise == window.name()) found.outputs.push_back(output);
  }
  if (!found.outputs.empty() || !window.visible()) return found;
  // A printed table keeps no record of who printed it: the output shown beside the exercise is
  // its own (Return hides an exercise with its output).
  for (Window* output : program.windows()) {
    if (IsOutputWindow(*output) && output->visible() && !output->surface().marks().empty()) {
      found.outputs.push_back(output);
    }
  }
  return found;
}

// The window's input and result fields, in the order the window declares them.
void CollectFields(const Window& window, std::vector<Entry>& inputs, std::vector<Entry>& results) {
  for (const auto& owned : window.controls()) {
    const Control& control = *owned;
    if (!control.visible()) continue;
    switch (control.kind()) {
      case ControlKind::TextBox: {
        // A record names a field as the window shows it, never by its internal name; every
        // field of an exercise window has its label (the model pages test checks it).
        if (!control.labelled()) break;
        const Entry entry{ToQString(control.label()), ToQString(control.text()).simplified()};
        (IsResultField(control) ? results : inputs).push_back(entry);
        break;
      }
      case ControlKind::OptionButton:
        if (control.value() != 0) inputs.push_back({ToQString(control.caption()), "chosen"});
        break;
      case ControlKind::CheckBox:
        inputs.push_back({ToQString(control.caption()), control.value() ? "checked" : "unchecked"});
        break;
      default:
        break;
    }
  }
}

// Lays out text top to bottom on the page, in points.
class PageWriter {
 public:
  PageWriter(QPainter& painter, double width, double height)
      : painter_(painter), width_(width), height_(height) {}

  double y() const { return y_; }
  double width() const { return width_; }
  double left() const { return height_ - y_; }  // points below the text so far
  void skip(double points) { y_ += points; }

  void line(const QString& text, const QFont& font) {
    painter_.setFont(font);
    const QFontMetricsF metrics(font);
    painter_.drawText(QPointF(0, y_ + metrics.ascent()),
                      metrics.elidedText(text, Qt::ElideRight, width_));
    y_ += metrics.lineSpacing();
  }

  // Label and value pairs in as many columns as keep the list short.
  void entries(const std::vector<Entry>& list, const QFont& font) {
    if (list.empty()) return;
    const int columns = list.size() > 36 ? 4 : list.size() > 24 ? 3 : list.size() > 8 ? 2 : 1;
    const int rows = static_cast<int>((list.size() + columns - 1) / columns);
    const double columnWidth = width_ / columns;
    const double labelWidth = columnWidth * (columns == 1 ? 0.45 : 0.6);
    const QFontMetricsF metrics(font);
    painter_.setFont(font);
    for (size_t i = 0; i < list.size(); ++i) {
      const double x = columnWidth * static_cast<double>(i / static_cast<size_t>(rows));
      const double baseline =
          y_ + metrics.ascent() + metrics.lineSpacing() * static_cast<double>(i % rows);
      painter_.drawText(QPointF(x, baseline),
                        metrics.elidedText(list[i].first, Qt::ElideRight, labelWidth - 6));
      painter_.drawText(
          QPointF(x + labelWidth, baseline),
          metrics.elidedText(list[i].second, Qt::ElideRight, columnWidth - labelWidth - 6));
    }
    y_ += metrics.lineSpacing() * rows;
  }

  // The surface's drawing scaled to fit `box` points high, with the surface painter.
  void drawing(const Surface& surface, double box) {
    const double pixelsWide = surface.ScaleWidth() / kTwipsPerPixel;
    const double pixelsHigh = surface.ScaleHeight() / kTwipsPerPixel;
    if (pixelsWide <= 0 || pixelsHigh <= 0 || box <= 0) return;
    const double scale = std::min(width_ / pixelsWide, box / pixelsHigh);
    painter_.save();
    painter_.translate(0, y_);
    painter_.scale(scale, scale);
    const QRectF area(0, 0, pixelsWide, pixelsHigh);
    painter_.setClipRect(area);
    painter_.fillRect(area, ui::ToQColor(surface.BackColor()));
    if (surface.picture()) ui::PaintPicture(painter_, *surface.picture());
    for (const Mark& mark : surface.marks()) ui::PaintMark(painter_, mark);
    painter_.setClipping(false);
    painter_.setPen(QPen(Qt::gray, 0));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(area);
    painter_.restore();
    y_ += pixelsHigh * scale;
  }

 private:
  QPainter& painter_;
  double width_, height_;
  double y_ = 0;
};

QFont PageFont(double points, bool bold = false) {
  QFont font("DejaVu Sans");
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QString KeptRunLine(Window& output) {
  const auto& marks = output.surface().marks();
  if (std::none_of(marks.begin(), marks.end(), [](const Mark& mark) { return mark.kept; })) {
    return {};
  }
  const std::optional<DrawnGraph>& kept = output.program().state<DrawnGraphs>().kept;
  if (!kept) return {};
  QStringList names;
  for (const DrawnSeries& series : kept->series) names << ToQString(series.name);
  QString from = ToQString(kept->exercise);
  if (Window* exercise = CreatedWindow(output.program(), kept->exercise)) {
    from = ToQString(exercise->caption());
  }
  return "Kept run for comparison (drawn faded): " + from + ", " + ToQString(kept->title) +
         " against " + names.join(", ");
}

}  // namespace

bool WriteRunRecord(Window& window, const std::string& file, std::string& error) {
  ui::EnsureGuiApplication();
  const RecordedWindows recorded = FindRecordedWindows(window);
  const Window& titled = recorded.exercise ? *recorded.exercise : window;

  QPdfWriter writer(ToQString(file));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  writer.setResolution(72);  // a device unit is a point
  writer.setTitle(ToQString(titled.caption()));
  writer.setCreator("Laboratory Exercises for Sylvandra");
  QPainter painter;
  if (!painter.begin(&writer)) {
    error = "cannot write " + file;
    return false;
  }
  PageWriter page(painter, writer.width(), writer.height());
  const QFont body = PageFont(9);
  // A window of many fields lists them smaller, to leave the drawing room on the page.
  const QFont fields = [&] {
    size_t count = 0;
    if (recorded.exercise) {
      for (const auto& control : recorded.exercise->controls()) {
        count += control->kind() == ControlKind::TextBox ? 1 : 0;
      }
    }
    return count > 40 ? PageFont(7) : body;
  }();
  const QFont heading = PageFont(11, true);

  page.line(ToQString(titled.caption()), PageFont(16, true));
  // The date alone: a student's record names no internal window.
  page.line("Recorded " + QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss"), body);
  if (recorded.exercise) {
    std::vector<Entry> inputs, results;
    CollectFields(*recorded.exercise, inputs, results);
    page.skip(8);
    page.line("Inputs", heading);
    if (inputs.empty()) page.line("(none)", body);
    page.entries(inputs, fields);
    if (!results.empty()) {
      page.skip(8);
      page.line("Results", heading);
      page.entries(results, fields);
    }
  }

  QFont fixed("DejaVu Sans Mono");
  fixed.setPointSizeF(7);
  for (size_t i = 0; i < recorded.outputs.size(); ++i) {
    Window& output = *recorded.outputs[i];
    const QString keptLine = KeptRunLine(output);
    // A graph's texts (axes, legend, the lines printed under it) are text in the drawing itself;
    // a printed table is also written out in its fixed pitch, to read and copy row by row.
    QStringList printed;
    if (!CurrentGraph(output)) printed = ToQString(PrintedText(output.surface())).split('\n');
    while (!printed.isEmpty() && printed.back().trimmed().isEmpty()) printed.removeLast();
    const double lineHeight = QFontMetricsF(fixed).lineSpacing();
    const double share = page.left() / static_cast<double>(recorded.outputs.size() - i);
    const double end = page.y() + share;
    page.skip(8);
    page.line(ToQString(output.caption()), heading);
    if (!keptLine.isEmpty()) page.line(keptLine, body);
    // The drawing takes what its printed text leaves, and at least half of this output's share.
    const double textHeight = lineHeight * (printed.size() + 2);
    const double drawingHeight = std::max(share * 0.5, share - textHeight - 40);
    page.drawing(output.surface(), drawingHeight);
    if (printed.isEmpty()) continue;
    page.skip(6);
    page.line("Printed on the window", body);
    const auto fits = static_cast<qsizetype>(std::max(0.0, (end - page.y()) / lineHeight));
    if (printed.size() > fits) {
      const qsizetype more = printed.size() - std::max<qsizetype>(fits - 1, 0);
      printed = printed.mid(0, std::max<qsizetype>(fits - 1, 0));
      printed << QString("(%1 more lines: see the drawing)").arg(more);
    }
    for (const QString& row : printed) page.line(row, fixed);
  }
  if (!painter.end()) {
    error = "cannot write " + file;
    return false;
  }
  return true;
}

}  // namespace sylvandra
