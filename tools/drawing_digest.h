// A drawing as the driver prints it: every mark as one JSON line (`canvas`), and a digest a
// person can review (`digest`): how many marks of each kind and colour, every drawn text with
// its position, the box the marks fill, the drawing state, and one hash of all of it.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace sylvandra::script {

// "line", "box", "circle" or "text": the mark's op as `canvas` prints it.
const char* MarkKindName(MarkKind kind);
// {"op":"line","x1":750,...}: the mark as `canvas` prints it, without the line's end.
std::string CanvasLine(const Mark& mark);
// The drawing state that decides the next mark: back colour, position, pen and fill.
std::string DrawingStateLine(const Surface& surface);

// FNV-1a, 64 bits: the same on every build and machine, so a hash can be approved once.
inline constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t hash = kFnvOffset);

// The hash of the drawing: FNV-1a 64 over every canvas line, then the state line, each ended
// by a newline. Printed as 16 hex digits.
std::string DrawingHash(const Surface& surface);

// The lines of `canvas`: every mark, then "end canvas".
void PrintCanvas(const Surface& surface, std::ostream& out);
// The lines of `digest`, named after the target (`outpt`, `Ex6Ask.Picture1`), then "end digest".
void PrintDigest(const Surface& surface, std::string_view target, std::ostream& out);

}  // namespace sylvandra::script
