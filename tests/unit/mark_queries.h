// Reading a drawing back in tests: the marks of one kind or colour, the text at a position.
#pragma once

#include <functional>
#include <vector>

#include "platform/surface.h"

namespace sylvandra::testing {

inline std::vector<Mark> MarksWhere(const std::vector<Mark>& marks,
                                    const std::function<bool(const Mark&)>& wanted) {
  std::vector<Mark> found;
  for (const Mark& m : marks)
    if (wanted(m)) found.push_back(m);
  return found;
}

// The text mark whose top-left corner is exactly (x, y), or null.
inline const Mark* TextAt(const std::vector<Mark>& marks, double x, double y) {
  for (const Mark& m : marks)
    if (m.kind == MarkKind::Text && m.x1 == x && m.y1 == y) return &m;
  return nullptr;
}

}  // namespace sylvandra::testing
