#include "scene_json.h"

#include <algorithm>
#include <iterator>

#include "drawing_digest.h"
#include "json.h"
#include "platform/keyboard.h"
#include "script_runner.h"

namespace sylvandra::web {
namespace {

using script::JsonNumber;
using script::JsonString;

std::string Bool(bool value) {
  return value ? "true" : "false";
}

std::string Hex(Color color) {
  return JsonString(ColorHex(color));
}

std::string NameOrNull(const Control* control) {
  return control ? JsonString(control->qualifiedName()) : "null";
}

const char* AlignmentName(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right:
      return "right";
    case Alignment::Center:
      return "center";
    case Alignment::Left:
      break;
  }
  return "left";
}

std::string RectJson(const Rect& rect) {
  return "\"left\":" + JsonNumber(rect.left) + ",\"top\":" + JsonNumber(rect.top) +
         ",\"width\":" + JsonNumber(rect.width) + ",\"height\":" + JsonNumber(rect.height);
}

// What the page needs to know whether its painting is still current.
std::string DrawingStateJson(const Surface& surface) {
  return "{\"generation\":" + std::to_string(surface.generation()) +
         ",\"received\":" + std::to_string(surface.marksReceived()) + "}";
}

}  // namespace

std::string FontJson(const Font& font) {
  return "{\"family\":" + JsonString(font.renderFamily()) +
         ",\"points\":" + JsonNumber(font.points) + ",\"bold\":" + Bool(font.bold) +
         ",\"italic\":" + Bool(font.italic) + ",\"underline\":" + Bool(font.underline) +
         ",\"ascent\":" + JsonNumber(font.ascent()) +
         ",\"lineHeight\":" + JsonNumber(font.lineHeight()) + "}";
}

std::string ControlJson(const Control& control) {
  std::string json = "{\"name\":" + JsonString(control.qualifiedName()) + ",\"kind\":\"" +
                     script::ControlKindName(control.kind()) +
                     "\",\"label\":" + JsonString(control.label());
  if (control.kind() == ControlKind::TextBox) {
    json += ",\"text\":" + JsonString(control.text()) + ",\"locked\":" + Bool(control.locked()) +
            ",\"multiLine\":" + Bool(control.multiLine()) +
            ",\"markdown\":" + Bool(control.markdown()) +
            ",\"result\":" + Bool(IsResultField(control));
  } else {
    json += ",\"caption\":" + JsonString(control.caption());
  }
  json += "," + RectJson(control.rect()) + ",\"visible\":" + Bool(control.visible()) +
          ",\"enabled\":" + Bool(control.enabled()) +
          ",\"value\":" + std::to_string(control.value()) +
          ",\"back\":" + Hex(control.backColor()) + ",\"fore\":" + Hex(control.foreColor()) +
          ",\"font\":" + FontJson(control.font()) + ",\"align\":\"" +
          AlignmentName(control.alignment()) + "\",\"border\":" + Bool(control.border()) +
          ",\"container\":" + JsonString(control.container());
  if (const Surface* surface = control.surfaceIfAny()) {
    json += ",\"drawing\":" + DrawingStateJson(*surface);
  }
  return json + "}";
}

std::string WindowJson(const Window& window) {
  std::string tabOrder = "[";
  for (const Control* stop : TabOrder(window)) {
    if (tabOrder.size() > 1) tabOrder += ",";
    tabOrder += JsonString(stop->qualifiedName());
  }
  tabOrder += "]";
  std::string controls = "[";
  for (const auto& control : window.controls()) {
    if (controls.size() > 1) controls += ",";
    controls += ControlJson(*control);
  }
  controls += "]";
  return "{\"name\":" + JsonString(window.name()) + ",\"caption\":" + JsonString(window.caption()) +
         ",\"visible\":" + Bool(window.visible()) + "," + RectJson(window.rect()) +
         ",\"back\":" + Hex(window.backColor()) + ",\"font\":" + FontJson(window.font()) +
         ",\"shownAt\":" + std::to_string(window.shownAt()) +
         ",\"raise\":" + std::to_string(window.raiseRequests()) +
         ",\"focused\":" + NameOrNull(window.focusedControl()) +
         ",\"defaultButton\":" + NameOrNull(DefaultButton(window)) +
         ",\"cancelButton\":" + NameOrNull(CancelButton(window)) +
         ",\"covered\":" + Bool(window.drawingCovered()) +
         ",\"drawing\":" + DrawingStateJson(window.surface()) + ",\"tabOrder\":" + tabOrder +
         ",\"controls\":" + controls + "}";
}

std::string SceneJson(const Program& program) {
  std::string windows = "[";
  for (const Window* window : program.windows()) {
    if (windows.size() > 1) windows += ",";
    windows += WindowJson(*window);
  }
  windows += "]";
  const Window* active = program.activeWindow();
  const Window* handling = program.handlingWindow();
  return "{\"windows\":" + windows +
         ",\"active\":" + (active ? JsonString(active->name()) : "null") +
         ",\"handling\":" + (handling ? JsonString(handling->name()) : "null") +
         ",\"ended\":" + Bool(program.ended()) + "}";
}

namespace {

// Appends the mark's numbers; a text goes to `texts`, which the numbers refer to.
void PackMark(const Mark& m, std::vector<double>& numbers, std::string& texts, int& textCount) {
  double text = -1;
  if (m.kind == MarkKind::Text) {
    if (textCount > 0) texts += ",";
    texts += "{\"text\":" + JsonString(m.text) + ",\"font\":" + FontJson(m.font) + "}";
    text = textCount++;
  }
  const int flags = (m.filled ? kPackedFilled : 0) | (m.fill ? kPackedHasFill : 0);
  const double fields[kPackedMarkFields] = {static_cast<double>(m.kind),
                                            m.x1,
                                            m.y1,
                                            m.x2,
                                            m.y2,
                                            m.r,
                                            static_cast<double>(m.color),
                                            static_cast<double>(m.width),
                                            static_cast<double>(m.style),
                                            static_cast<double>(flags),
                                            static_cast<double>(m.fill.value_or(0)),
                                            static_cast<double>(m.fillStyle),
                                            text};
  numbers.insert(numbers.end(), std::begin(fields), std::end(fields));
}

}  // namespace

DrawingUpdate PackedDrawing(const Surface& surface, std::uint64_t generation,
                            std::uint64_t painted) {
  const std::vector<Mark>& marks = surface.marks();
  const bool restart = generation != surface.generation() || painted > surface.marksReceived();
  // Marks stay in the order received: the first not painted follows the last painted.
  const auto unpainted =
      restart ? marks.begin()
              : std::partition_point(marks.begin(), marks.end(),
                                     [&](const Mark& mark) { return mark.sequence <= painted; });
  DrawingUpdate update;
  update.json =
      "{\"generation\":" + std::to_string(surface.generation()) + ",\"restart\":" + Bool(restart) +
      ",\"received\":" + std::to_string(surface.marksReceived()) +
      ",\"back\":" + Hex(surface.BackColor()) + ",\"width\":" + JsonNumber(surface.ScaleWidth()) +
      ",\"height\":" + JsonNumber(surface.ScaleHeight());
  if (restart) {
    const Picture* picture = surface.picture().get();
    update.json += ",\"picture\":";
    if (picture) {
      update.json += "{\"width\":" + JsonNumber(picture->width) +
                     ",\"height\":" + JsonNumber(picture->height) + ",\"background\":" +
                     (picture->background ? Hex(*picture->background) : std::string("null")) +
                     ",\"count\":" + std::to_string(picture->marks.size()) + "}";
    } else {
      update.json += "null";
    }
  }
  const auto count = static_cast<std::size_t>(marks.end() - unpainted);
  std::string texts;
  int textCount = 0;
  // The picture's marks come first in the numbers, then the drawing's.
  if (const Picture* picture = surface.picture().get(); restart && picture) {
    update.marks.reserve((picture->marks.size() + count) * kPackedMarkFields);
    for (const Mark& mark : picture->marks) PackMark(mark, update.marks, texts, textCount);
  }
  update.marks.reserve(update.marks.size() + count * kPackedMarkFields);
  for (auto mark = unpainted; mark != marks.end(); ++mark) {
    PackMark(*mark, update.marks, texts, textCount);
  }
  update.json += ",\"count\":" + std::to_string(count) + ",\"texts\":[" + texts + "]}";
  return update;
}

}  // namespace sylvandra::web
