// The windows as the page shows them, as JSON: each window created so far with its caption,
// place and size in twips, colours, font and focus, its controls with everything a view draws
// and the keyboard needs, and the state of its drawings, whose marks the page asks for apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/program.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace sylvandra::web {

std::string FontJson(const Font& font);
std::string ControlJson(const Control& control);
std::string WindowJson(const Window& window);
// {"windows":[...],"active":NAME|null,"handling":NAME|null,"ended":BOOL}
std::string SceneJson(const Program& program);

// One mark with what a renderer needs to draw it.
std::string MarkJson(const Mark& mark);
// The drawing for a page that has painted `painted` marks of the drawing numbered `generation`:
// the marks it has not painted yet when those are still there ("restart":false), else the
// background, the fixed picture and every mark ("restart":true).
std::string DrawingJson(const Surface& surface, std::uint64_t generation, std::size_t painted);

}  // namespace sylvandra::web
