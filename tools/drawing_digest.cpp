#include "drawing_digest.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "json.h"

namespace sylvandra::script {
namespace {

std::string N(double value) {
  return JsonNumber(value);
}
std::string Hex(Color color) {
  return JsonString(ColorHex(color));
}

std::string LayerFlags(const Mark& m) {
  std::string flags;
  if (m.transient) flags += ",\"transient\":true";
  if (m.kept) flags += ",\"kept\":true";
  return flags;
}

struct Extent {
  bool any = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  void add(double x, double y) {
    if (!any) {
      x1 = x2 = x;
      y1 = y2 = y;
      any = true;
      return;
    }
    x1 = std::min(x1, x);
    y1 = std::min(y1, y);
    x2 = std::max(x2, x);
    y2 = std::max(y2, y);
  }
  // A text fills its line from its top-left corner, as wide as the font sets it.
  void add(const Mark& m) {
    switch (m.kind) {
      case MarkKind::Line:
      case MarkKind::Box:
        add(m.x1, m.y1);
        add(m.x2, m.y2);
        break;
      case MarkKind::Circle:
        add(m.x1 - m.r, m.y1 - m.r);
        add(m.x1 + m.r, m.y1 + m.r);
        break;
      case MarkKind::Text:
        add(m.x1, m.y1);
        add(m.x1 + m.font.TextWidth(m.text), m.y1 + m.font.lineHeight());
        break;
    }
  }
};

}  // namespace

const char* MarkKindName(MarkKind kind) {
  switch (kind) {
    case MarkKind::Line:
      return "line";
    case MarkKind::Box:
      return "box";
    case MarkKind::Circle:
      return "circle";
    case MarkKind::Text:
      return "text";
  }
  return "";
}

std::string CanvasLine(const Mark& m) {
  std::string line;
  switch (m.kind) {
    case MarkKind::Line:
      line = "{\"op\":\"line\",\"x1\":" + N(m.x1) + ",\"y1\":" + N(m.y1) + ",\"x2\":" + N(m.x2) +
             ",\"y2\":" + N(m.y2) + ",\"color\":" + Hex(m.color) + ",\"width\":" + N(m.width) +
             ",\"style\":" + N(m.style);
      break;
    case MarkKind::Box:
      line = "{\"op\":\"box\",\"x1\":" + N(m.x1) + ",\"y1\":" + N(m.y1) + ",\"x2\":" + N(m.x2) +
             ",\"y2\":" + N(m.y2) + ",\"color\":" + Hex(m.color) +
             ",\"filled\":" + (m.filled ? "true" : "false");
      break;
    case MarkKind::Circle:
      line = "{\"op\":\"circle\",\"x\":" + N(m.x1) + ",\"y\":" + N(m.y1) + ",\"r\":" + N(m.r) +
             ",\"color\":" + Hex(m.color) +
             ",\"fill\":" + (m.fill ? Hex(*m.fill) : std::string("null"));
      break;
    case MarkKind::Text:
      line = "{\"op\":\"text\",\"x\":" + N(m.x1) + ",\"y\":" + N(m.y1) +
             ",\"text\":" + JsonString(m.text);
      break;
  }
  return line + LayerFlags(m) + "}";
}

std::string DrawingStateLine(const Surface& s) {
  return "{\"state\":{\"back\":" + Hex(s.BackColor()) + ",\"CurrentX\":" + N(s.CurrentX) +
         ",\"CurrentY\":" + N(s.CurrentY) + ",\"ForeColor\":" + Hex(s.ForeColor) +
         ",\"DrawWidth\":" + N(s.DrawWidth) + ",\"DrawStyle\":" + N(s.DrawStyle) +
         ",\"FillStyle\":" + N(s.FillStyle) + ",\"FillColor\":" + Hex(s.FillColor) +
         ",\"AutoRedraw\":" + (s.AutoRedraw ? "true" : "false") + "}}";
}

std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t hash) {
  constexpr std::uint64_t kPrime = 1099511628211ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= kPrime;
  }
  return hash;
}

std::string DrawingHash(const Surface& surface) {
  std::uint64_t hash = kFnvOffset;
  for (const Mark& mark : surface.marks()) hash = Fnv1a64(CanvasLine(mark) + "\n", hash);
  hash = Fnv1a64(DrawingStateLine(surface) + "\n", hash);
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
  return digits;
}

void PrintCanvas(const Surface& surface, std::ostream& out) {
  for (const Mark& mark : surface.marks()) out << CanvasLine(mark) << "\n";
  out << "end canvas" << std::endl;
}

void PrintDigest(const Surface& surface, std::string_view target, std::ostream& out) {
  const std::vector<Mark>& marks = surface.marks();
  // Counted by kind, colour and layer; the keys sort the lines the same way every time.
  std::map<std::string, int> counts;
  Extent extent;
  for (const Mark& m : marks) {
    ++counts["{\"op\":\"" + std::string(MarkKindName(m.kind)) + "\",\"color\":" + Hex(m.color) +
             LayerFlags(m)];
    extent.add(m);
  }
  out << "{\"digest\":" << JsonString(target) << ",\"marks\":" << marks.size() << ",\"hash\":\""
      << DrawingHash(surface) << "\"}\n";
  for (const auto& [key, count] : counts) out << key << ",\"count\":" << count << "}\n";
  if (extent.any) {
    out << "{\"extent\":{\"x1\":" << N(extent.x1) << ",\"y1\":" << N(extent.y1)
        << ",\"x2\":" << N(extent.x2) << ",\"y2\":" << N(extent.y2) << "}}\n";
  }
  out << DrawingStateLine(surface) << "\n";
  for (const Mark& m : marks) {
    if (m.kind == MarkKind::Text) out << CanvasLine(m) << "\n";
  }
  out << "end digest" << std::endl;
}

}  // namespace sylvandra::script
