#include "ui/window_view.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <string>

#include "platform/conversions.h"
#include "platform/program.h"
#include "plot/drawn_graph.h"
#include "plot/graph_export.h"
#include "plot/output/output_windows.h"
#include "ui/accessibility.h"
#include "ui/control_view.h"
#include "ui/event_sink.h"
#include "ui/menu_bar_view.h"
#include "ui/qt_conversions.h"
#include "ui/run_record.h"
#include "ui/window_image.h"

namespace sylvandra::ui {
namespace {

bool SameRect(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// The client area of a window with a menu bar: paints the window's drawing under its controls.
class ClientArea : public QWidget, public ReadInLayoutOrder {
 public:
  ClientArea(QWidget* parent, std::function<void(QPainter&)> paint)
      : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

// Keeps a window whose designed position lies partly off a small screen fully on it.
QPoint OnScreen(QRect client) {
  const QScreen* screen = QGuiApplication::screenAt(client.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return client.topLeft();
  const QRect available = screen->availableGeometry();
  QPoint at = client.topLeft();
  at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - client.width())));
  at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - client.height())));
  return at;
}

}  // namespace

WindowView::WindowView(Window& window, EventSink* sink, Mode mode)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      window_(window),
      sink_(sink),
      mode_(mode),
      canvas_(mode == Mode::Desktop ? SurfaceCanvas::Transients::Drop
                                    : SurfaceCanvas::Transients::Keep) {
  setObjectName(ToQString(window.name()));
  if (mode == Mode::Image) setAttribute(Qt::WA_DontShowOnScreen);
  if (mode == Mode::Desktop && resizable()) {
    setWindowFlags((windowFlags() & ~Qt::MSWindowsFixedSizeDialogHint) |
                   Qt::WindowMaximizeButtonHint);
    setMouseTracking(true);
    addOutputActions();
  }
  // An exercise window is one with a model page button.
  if (mode == Mode::Desktop && !resizable() && window.find("ModelHelp")) addRecordAction();
  const SurfaceCanvas::Transients transients = canvas_.transients();
  client_ = this;
  // The menu bar, like the title bar, lies outside the client area that a picture shows.
  if (mode == Mode::Desktop && MenuBarView::hasMenus(window)) {
    menuBar_ = std::make_unique<MenuBarView>(window, this, sink);
    menuHeight_ = menuBar_->height();
    // The controls and the drawing sit on a client area below the bar.
    client_ = new ClientArea(this, [this](QPainter& painter) {
      canvas_.update(window_.surface(), designedSize(), devicePixelRatioF() * zoom_);
      if (zoom_ != 1) painter.scale(zoom_, zoom_);
      canvas_.draw(painter);
    });
    client_->move(0, menuHeight_);
  }
  if (mode == Mode::Desktop) {
    InstallAccessibility();
    drawing_ = new DrawingAlternative(window, client_);
  }
  // Frames lie under the controls placed on them; the rest stack in declaration order.
  for (const auto& control : window.controls()) {
    if (control->kind() != ControlKind::Frame) continue;
    controls_.push_back(std::make_unique<ControlView>(*control, client_, sink, transients));
  }
  for (const auto& control : window.controls()) {
    if (control->kind() == ControlKind::Frame || control->kind() == ControlKind::MenuItem) {
      continue;
    }
    controls_.push_back(std::make_unique<ControlView>(*control, client_, sink, transients));
  }
  for (const auto& view : controls_) view->widget()->installEventFilter(this);
  if (mode == Mode::Desktop && sink) addZoomActions();
  sync();
}

void WindowView::setZoom(double zoom) {
  if (mode_ != Mode::Desktop || zoom == zoom_) return;
  zoom_ = zoom;
  if (menuBar_) {
    menuBar_->setZoom(zoom_);
    menuHeight_ = menuBar_->height();
    client_->move(0, menuHeight_);
  }
  appliedRect_.reset();
  sync();
  if (client_ != this) client_->update();
  update();
}

void WindowView::addZoomActions() {
  struct Entry {
    const char* text;
    QList<QKeySequence> keys;
    ZoomStep step;
  };
  const std::vector<Entry> entries{
      {"Zoom In",
       {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
       ZoomStep::In},
      {"Zoom Out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, ZoomStep::Out},
      {"Actual Size", {QKeySequence(Qt::CTRL | Qt::Key_0)}, ZoomStep::Actual},
  };
  EventSink* sink = sink_;
  QMenu* menu = menuBar_ ? menuBar_->bar()->addMenu(QStringLiteral("View")) : nullptr;
  for (const Entry& entry : entries) {
    const ZoomStep step = entry.step;
    if (menu) {
      QAction* action = menu->addAction(QString::fromLatin1(entry.text));
      action->setShortcuts(entry.keys);
      connect(action, &QAction::triggered, this, [sink, step] { sink->changeZoom(step); });
      continue;
    }
    // Shortcuts of their own, so that an output window's graph menu does not list them.
    for (const QKeySequence& keys : entry.keys) {
      auto* shortcut = new QShortcut(keys, this);
      connect(shortcut, &QShortcut::activated, this, [sink, step] { sink->changeZoom(step); });
    }
  }
}

WindowView::~WindowView() = default;

void WindowView::sync() {
  if (retired_) return;
  if (menuBar_) {
    menuBar_->sync();
    client_->update();
  }
  if (appliedCaption_ != window_.caption() || !appliedRect_) {
    appliedCaption_ = window_.caption();
    setWindowTitle(ToQString(appliedCaption_));
  }
  syncGeometry();
  for (const auto& control : controls_) control->sync();
  const bool changed = updateCanvas();
  if (changed) marked_.reset();
  if (changed || window_.drawingCovered() != appliedCovered_) update();
  appliedCovered_ = window_.drawingCovered();
  if (mode_ == Mode::Desktop) syncVisibility();
  syncFocus();
}

void WindowView::syncFocus() {
  const Control* focused = window_.focusedControl();
  if (focused == appliedFocus_) return;
  // Captions and pictures draw their focus mark from the model.
  if (QWidget* previous = appliedFocus_ ? widgetFor(*appliedFocus_) : nullptr) previous->update();
  appliedFocus_ = focused;
  if (QWidget* widget = focused ? widgetFor(*focused) : nullptr) {
    // A click gave the widget its focus (and its caret) already. Otherwise the focus came by
    // Tab or from the program, and a field entered so has its text selected: typing replaces it.
    const bool clicked = client_->focusWidget() == widget;
    widget->setFocus(Qt::TabFocusReason);
    if (!clicked) {
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
      if (auto* editor = qobject_cast<QPlainTextEdit*>(widget)) editor->selectAll();
    }
    widget->update();
  }
}

bool WindowView::sendKey(const QKeyEvent& event, const QObject* watched) {
  if (!sink_) return false;
  const bool inText = qobject_cast<const QLineEdit*>(watched) != nullptr;
  // A multi-line field being written in keeps its Return and arrows; a read-only one does not.
  const auto* editor = qobject_cast<const QPlainTextEdit*>(watched);
  const bool inEditor = editor && !editor->isReadOnly();
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  std::string name;
  const int key = event.key();
  if (modifiers == Qt::AltModifier &&
      ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))) {
    name = std::string("Alt+") + static_cast<char>(key);
  } else if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && modifiers == Qt::ShiftModifier)) {
    name = "Backtab";
  } else if (modifiers != Qt::NoModifier && !(modifiers == Qt::KeypadModifier)) {
    return false;
  } else if (key == Qt::Key_Tab) {
    name = "Tab";
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (inEditor) return false;
    name = "Return";
  } else if (key == Qt::Key_Escape) {
    name = "Escape";
  } else if (key == Qt::Key_F1) {
    name = "F1";
  } else if (!inText && !inEditor && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    name = key == Qt::Key_Up ? "Up" : "Down";
  } else if (!inText && !inEditor && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    name = key == Qt::Key_Left ? "Left" : "Right";
  } else if (key == Qt::Key_Space && !inText && !inEditor &&
             !qobject_cast<const QAbstractButton*>(watched)) {
    // Buttons press themselves on Space; clickable captions and pictures are pressed here.
    name = "Space";
  } else {
    return false;
  }
  Window& window = window_;
  sink_->dispatch([&window, name] { window.program().key(window, name); });
  return true;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && sendKey(*static_cast<QKeyEvent*>(event), watched)) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  if (!sendKey(*event, this)) QWidget::keyPressEvent(event);
}

bool WindowView::focusNextPrevChild(bool next) {
  if (!sink_) return QWidget::focusNextPrevChild(next);
  Window& window = window_;
  sink_->dispatch([&window, next] { window.program().key(window, next ? "Tab" : "Backtab"); });
  return true;
}

void WindowView::syncGeometry() {
  if (appliedRect_ && SameRect(*appliedRect_, window_.rect())) return;
  appliedRect_ = window_.rect();
  QRect client = PixelRect(*appliedRect_, zoom_);
  client.setSize(client.size().expandedTo(QSize(1, 1)));
  if (menuBar_) {
    menuBar_->setWidth(client.width());
    client_->resize(client.size());
    client.setHeight(client.height() + menuHeight_);
  }
  if (mode_ == Mode::Desktop) client.moveTopLeft(OnScreen(client));
  if (mode_ == Mode::Desktop && resizable()) {
    // The program placing the window gives it back its designed size.
    setMinimumSize(client.size() / 2);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(client.size());
  }
  setGeometry(client);
  const double scale = viewScale();
  for (const auto& control : controls_) control->setScale(scale);
  if (drawing_) drawing_->setGeometry(QRect(QPoint(0, 0), client_->size()));
}

void WindowView::syncVisibility() {
  const bool visible = window_.visible();
  if (isHidden() == visible) setVisible(visible);
  // The offscreen platform used by tests and pictures has no stacking order.
  static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
  if (visible && canRaise && window_.raiseRequests() != appliedRaises_) {
    raise();
    activateWindow();
  }
  appliedRaises_ = window_.raiseRequests();
}

void WindowView::retire() {
  retired_ = true;
  hide();
}

QWidget* WindowView::widgetFor(const Control& control) const {
  for (const auto& view : controls_) {
    if (&view->control() == &control) return view->widget();
  }
  return nullptr;
}

bool WindowView::resizable() const {
  return dynamic_cast<const outpt*>(&window_) || dynamic_cast<const Outpt2*>(&window_) ||
         dynamic_cast<const outmap*>(&window_);
}

QSize WindowView::designedSize() const {
  return PixelRect(window_.rect()).size().expandedTo(QSize(1, 1));
}

double WindowView::viewScale() const {
  if (mode_ != Mode::Desktop) return 1;
  if (!resizable()) return zoom_;
  const QSize designed = designedSize();
  return std::min(static_cast<double>(width()) / designed.width(),
                  static_cast<double>(height()) / designed.height());
}

bool WindowView::stretched() const {
  return mode_ == Mode::Desktop && resizable();
}

MarkScale WindowView::markScale() const {
  if (!stretched()) return {};
  // Lines keep their width on screen however large the window is made.
  const QSize designed = designedSize();
  return {static_cast<double>(width()) / designed.width(),
          static_cast<double>(height()) / designed.height(), zoom_};
}

bool WindowView::updateCanvas() {
  if (stretched()) {
    return canvas_.update(window_.surface(), size(), devicePixelRatioF(), markScale());
  }
  return canvas_.update(window_.surface(), designedSize(),
                        devicePixelRatioF() * renderScale_ * viewScale());
}

void WindowView::paintEvent(QPaintEvent*) {
  const double scale = stretched() ? 1 : viewScale();
  updateCanvas();
  QPainter painter(this);
  if (window_.drawingCovered()) {
    painter.fillRect(rect(), ToQColor(window_.backColor()));
    return;
  }
  if (scale != 1) {
    painter.fillRect(rect(), ToQColor(window_.backColor()));
    painter.scale(scale, scale);
  }
  canvas_.draw(painter);
  if (marked_) {
    // A ring around the point the tooltip names, the same size at any window size.
    const MarkScale at = markScale();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 2 / scale));
    painter.setBrush(Qt::NoBrush);
    const double radius = 7 / scale;
    painter.drawEllipse(
        QPointF(marked_->x() / kTwipsPerPixel * at.x, marked_->y() / kTwipsPerPixel * at.y), radius,
        radius);
  }
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const double scale = viewScale();
  for (const auto& control : controls_) control->setScale(scale);
  if (drawing_) drawing_->setGeometry(QRect(QPoint(0, 0), client_->size()));
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  if (mode_ == Mode::Desktop && resizable()) showReadout(event->position().toPoint());
}

void WindowView::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!marked_) return;
  marked_.reset();
  QToolTip::hideText();
  update();
}

void WindowView::showReadout(QPoint at) {
  const MarkScale scale = markScale();
  std::optional<Readout> readout;
  if (!window_.drawingCovered()) {
    readout =
        ReadOut(window_, at.x() / scale.x * kTwipsPerPixel, at.y() / scale.y * kTwipsPerPixel);
  }
  if (!readout) {
    if (marked_) {
      marked_.reset();
      QToolTip::hideText();
      update();
    }
    return;
  }
  const QString text = ToQString(ReadoutText(*readout));
  marked_ = QPointF(readout->xTwips, readout->yTwips);
  QToolTip::showText(mapToGlobal(at), text, this);
  update();
}

void WindowView::saveFile(const QString& title, const QString& filter,
                          const std::function<void(const QString&)>& write) {
  // Files are written only where the person picks.
  const QString file = QFileDialog::getSaveFileName(this, title, QString(), filter);
  if (!file.isEmpty()) write(file);
}

namespace {

void WriteText(const QString& file, const std::string& text) {
  QFile out(file);
  if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    out.write(text.data(), static_cast<qint64>(text.size()));
  }
}

}  // namespace

void WindowView::addOutputActions() {
  auto add = [this](const QString& text, const QKeySequence& keys, std::function<void()> fn) {
    auto* action = new QAction(text, this);
    if (!keys.isEmpty()) {
      action->setShortcut(keys);
      action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, std::move(fn));
    addAction(action);
    return action;
  };
  const bool table = dynamic_cast<const Outpt2*>(&window_) != nullptr;
  Window& window = window_;
  if (table) {
    add("Copy table as text", QKeySequence::Copy, [&window] {
      const std::string text = PrintedText(window.surface());
      if (!text.empty()) QGuiApplication::clipboard()->setText(ToQString(text));
    });
    add("Save table as text...", {}, [this, &window] {
      saveFile("Save table as text", "Text (*.txt)",
               [&window](const QString& file) { WriteText(file, PrintedText(window.surface())); });
    });
  }
  add("Copy graph as image", table ? QKeySequence() : QKeySequence(QKeySequence::Copy),
      [&window] { QGuiApplication::clipboard()->setImage(RenderWindow(window, 1)); });
  add("Save graph as PNG...", QKeySequence::Save, [this, &window] {
    saveFile("Save graph as PNG", "PNG image (*.png)",
             [&window](const QString& file) { RenderWindow(window, 1).save(file, "PNG"); });
  });
  add("Save graph as SVG...", {}, [this, &window] {
    saveFile("Save graph as SVG", "SVG image (*.svg)",
             [&window](const QString& file) { WriteText(file, WindowSvg(window)); });
  });
  add("Copy data as CSV", {},
      [&window] { QGuiApplication::clipboard()->setText(ToQString(WindowCsv(window))); });
  add("Save data as CSV...", {}, [this, &window] {
    saveFile("Save data as CSV", "CSV (*.csv)",
             [&window](const QString& file) { WriteText(file, WindowCsv(window)); });
  });
  if (dynamic_cast<const outpt*>(&window_)) {
    keep_ = add("Keep this run for comparison", {}, [this, &window] {
      if (sink_) sink_->dispatch([&window] { KeepRun(window); });
    });
    unkeep_ = add("Clear kept run", {}, [this, &window] {
      if (sink_) sink_->dispatch([&window] { ClearKeptRun(window); });
    });
  }
  addRecordAction();
}

void WindowView::addRecordAction() {
  auto* action = new QAction("Save Record of This Run...", this);
  Window& window = window_;
  connect(action, &QAction::triggered, this, [this, &window] {
    saveFile("Save Record of This Run", "PDF (*.pdf)", [this, &window](const QString& file) {
      std::string error;
      if (!WriteRunRecord(window, file.toStdString(), error)) {
        QMessageBox::warning(this, "Save Record of This Run", ToQString(error));
      }
    });
  });
  addAction(action);
}

void WindowView::contextMenuEvent(QContextMenuEvent* event) {
  if (actions().isEmpty()) return;
  // An export of what the window does not hold is disabled, its tooltip saying why; shortcuts
  // stay live after the menu closes, and write nothing then.
  const bool graph = CurrentGraph(window_) != nullptr;
  const bool csv = !WindowCsv(window_).empty();
  const bool text = !PrintedText(window_.surface()).empty();
  for (QAction* action : actions()) {
    if (action->text().contains("CSV")) {
      action->setEnabled(csv);
      action->setToolTip(csv ? QString()
                             : ToQString(NothingToWrite(window_, "graph or printed table", "CSV")));
    } else if (action->text().contains("as text")) {
      action->setEnabled(text);
      action->setToolTip(text ? QString()
                              : ToQString(NothingToWrite(window_, "printed text", "text")));
    } else if (action == keep_) {
      action->setEnabled(graph);
    }
  }
  if (unkeep_) unkeep_->setEnabled(window_.program().state<DrawnGraphs>().kept.has_value());
  QMenu menu(this);
  menu.setToolTipsVisible(true);
  menu.addActions(actions());
  menu.exec(event->globalPos());
  for (QAction* action : actions()) {
    if (action->text().contains("CSV") || action->text().contains("as text")) {
      action->setEnabled(true);
    }
  }
}

void WindowView::closeEvent(QCloseEvent* event) {
  // The program decides what the close button does; the widget itself is never closed.
  event->ignore();
  if (retired_ || !sink_) {
    if (retired_) event->accept();
    return;
  }
  Window& window = window_;
  sink_->dispatch([&window] { window.program().closeWindow(window); });
}

}  // namespace sylvandra::ui
