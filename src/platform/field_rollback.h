// Results are written into fields step by step, and later steps read earlier results back from
// the fields. When a run-time failure stops such a computation half-way, the fields it had
// already changed get their old texts back, so the student never sees a half-written set of
// results next to the inputs that did not produce them.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/control.h"

namespace sylvandra {

// Runs compute; when it throws, restores the texts of fields and rethrows.
inline void WriteAllOrNothing(const std::vector<Control*>& fields,
                              const std::function<void()>& compute) {
  std::vector<std::string> before;
  before.reserve(fields.size());
  for (const Control* field : fields) before.push_back(field->text());
  try {
    compute();
  } catch (...) {
    for (size_t i = 0; i < fields.size(); ++i) fields[i]->setText(std::move(before[i]));
    throw;
  }
}

}  // namespace sylvandra
