#include "platform/journal.h"

namespace sylvandra {

void Journal::begin() {
  levels_.push_back({++serials_, {}});
}

void Journal::commit() {
  Level done = std::move(levels_.back());
  levels_.pop_back();
  if (levels_.empty()) return;
  Level& outer = levels_.back();
  for (Entry& entry : done.entries) {
    *entry.stamp = outer.serial;
    // The level around already holds the object as it was before this handler started.
    if (entry.stampBefore == outer.serial) continue;
    outer.entries.push_back(std::move(entry));
  }
}

void Journal::rollBack() {
  Level failed = std::move(levels_.back());
  levels_.pop_back();
  for (auto entry = failed.entries.rbegin(); entry != failed.entries.rend(); ++entry) {
    entry->restore();
    *entry->stamp = entry->stampBefore;
  }
}

}  // namespace sylvandra
