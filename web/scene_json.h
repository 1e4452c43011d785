// The windows as the page shows them, as JSON: each window created so far with its caption,
// place and size in twips, colours, font and focus, its controls with everything a view draws
// and the keyboard needs, and the state of its drawings, whose marks the page asks for apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/program.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace sylvandra::web {

std::string FontJson(const Font& font);
std::string ControlJson(const Control& control);
std::string WindowJson(const Window& window);
// {"windows":[...],"active":NAME|null,"handling":NAME|null,"ended":BOOL}
std::string SceneJson(const Program& program);

// The marks of a drawing packed as numbers, which the page reads straight from the module's
// memory: a long run's frame of flames is tens of thousands of boxes, too many to write and
// parse as text at a frame rate. kPackedMarkFields numbers per mark, in this order.
enum PackedMarkField {
  kPackedKind,  // MarkKind: 0 line, 1 box, 2 circle, 3 text
  kPackedX1,
  kPackedY1,
  kPackedX2,
  kPackedY2,
  kPackedR,
  kPackedColor,  // 0xRRGGBB
  kPackedWidth,
  kPackedStyle,
  kPackedFlags,  // kPackedFilled | kPackedHasFill
  kPackedFill,   // the circle's fill colour, when it has one
  kPackedFillStyle,
  kPackedText,  // a text mark's entry in the drawing's "texts"; -1 for other marks
  kPackedMarkFields
};
inline constexpr int kPackedFilled = 1;
inline constexpr int kPackedHasFill = 2;

struct DrawingUpdate {
  // {"generation","restart","received","back","width","height","picture" (restart only:
  //  null or {"width","height","background","count"}),"count","texts":[{"text","font"},...]},
  // or null for a drawing there is not.
  std::string json;
  // kPackedMarkFields numbers a mark: the picture's "count" marks, then the drawing's.
  std::vector<double> marks;
};

// The drawing for a page that keeps what it painted and has painted the marks up to sequence
// `painted` (Mark::sequence) of the drawing numbered `generation`: the marks received since
// ("restart":false), else the background, the fixed picture and every mark ("restart":true).
// "received" is the sequence the page has then painted up to.
DrawingUpdate PackedDrawing(const Surface& surface, std::uint64_t generation,
                            std::uint64_t painted);

}  // namespace sylvandra::web
