#include "scene_json.h"

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
         ",\"marks\":" + std::to_string(surface.marks().size()) + "}";
}

std::string MarksJson(const std::vector<Mark>& marks, std::size_t from) {
  std::string json = "[";
  for (std::size_t i = from; i < marks.size(); ++i) {
    if (i > from) json += ",";
    json += MarkJson(marks[i]);
  }
  return json + "]";
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

std::string MarkJson(const Mark& m) {
  std::string json = "{\"op\":\"" + std::string(script::MarkKindName(m.kind)) +
                     "\",\"x1\":" + JsonNumber(m.x1) + ",\"y1\":" + JsonNumber(m.y1) +
                     ",\"color\":" + Hex(m.color);
  switch (m.kind) {
    case MarkKind::Line:
    case MarkKind::Box:
      json += ",\"x2\":" + JsonNumber(m.x2) + ",\"y2\":" + JsonNumber(m.y2) +
              ",\"width\":" + std::to_string(m.width) + ",\"style\":" + std::to_string(m.style) +
              ",\"filled\":" + Bool(m.filled);
      break;
    case MarkKind::Circle:
      json += ",\"r\":" + JsonNumber(m.r) + ",\"width\":" + std::to_string(m.width) +
              ",\"style\":" + std::to_string(m.style) +
              ",\"fill\":" + (m.fill ? Hex(*m.fill) : std::string("null")) +
              ",\"fillStyle\":" + std::to_string(m.fillStyle);
      break;
    case MarkKind::Text:
      json += ",\"text\":" + JsonString(m.text) + ",\"font\":" + FontJson(m.font);
      break;
  }
  if (m.transient) json += ",\"transient\":true";
  if (m.kept) json += ",\"kept\":true";
  if (m.series != 0) json += ",\"series\":" + std::to_string(m.series);
  return json + "}";
}

std::string DrawingJson(const Surface& surface, std::uint64_t generation, std::size_t painted) {
  const std::vector<Mark>& marks = surface.marks();
  const bool restart = generation != surface.generation() || painted > marks.size();
  std::string json =
      "{\"generation\":" + std::to_string(surface.generation()) + ",\"restart\":" + Bool(restart) +
      ",\"from\":" + std::to_string(restart ? 0 : painted) +
      ",\"back\":" + Hex(surface.BackColor()) + ",\"width\":" + JsonNumber(surface.ScaleWidth()) +
      ",\"height\":" + JsonNumber(surface.ScaleHeight());
  if (restart) {
    const Picture* picture = surface.picture().get();
    json += ",\"picture\":";
    if (picture) {
      json += "{\"width\":" + JsonNumber(picture->width) +
              ",\"height\":" + JsonNumber(picture->height) + ",\"background\":" +
              (picture->background ? Hex(*picture->background) : std::string("null")) +
              ",\"marks\":" + MarksJson(picture->marks, 0) + "}";
    } else {
      json += "null";
    }
  }
  return json + ",\"marks\":" + MarksJson(marks, restart ? 0 : painted) + "}";
}

}  // namespace sylvandra::web
