// The journal of the running handler: the handler is the transaction. The first time a handler
// changes a control, a window, a drawing surface, a program-wide state object or the random
// sequence, the journal keeps that object's earlier state; when the handler stops on a run-time
// failure, every one of them is put back directly (no event fires) before the failure is
// reported, so a refused action changes nothing.
//
// Handlers nest (a key that presses a button runs the button's handler inside its own): each
// handler has its own level. A nested handler that fails goes back to its own start and the
// handler around it goes on; one that succeeds hands what it kept to the level around it.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace sylvandra {

// Carried by every object the journal keeps: the level that holds the object's earlier state,
// so that an object is copied once per handler, not at every change.
using JournalStamp = std::uint64_t;

class Journal {
 public:
  using Restore = std::function<void()>;

 private:
  struct Entry {
    JournalStamp* stamp;
    JournalStamp stampBefore;  // the level that held the object before this one
    Restore restore;
  };
  struct Level {
    std::uint64_t serial = 0;
    std::vector<Entry> entries;
  };

 public:
  Journal() = default;
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // True while a handler runs (outside the creation of a window).
  bool open() const { return !levels_.empty(); }
  // How many handlers are running inside each other.
  size_t depth() const { return levels_.size(); }

  // Keeps an object's state before its first change in the running handler: save() returns what
  // puts it back. Nothing is kept between handlers, nor twice in one handler.
  template <class Save>
  void keep(JournalStamp& stamp, Save&& save) {
    if (levels_.empty()) return;
    Level& level = levels_.back();
    if (stamp == level.serial) return;
    level.entries.push_back({&stamp, stamp, std::forward<Save>(save)()});
    stamp = level.serial;
  }

  // A handler starts.
  void begin();
  // The handler ended well: what it kept joins the handler around it, where that one has not
  // kept the same object already.
  void commit();
  // The handler failed: everything it changed is put back, the last change first.
  void rollBack();

  // Work that is no part of the running handler (a window created and loaded on first touch):
  // nothing is kept while the guard lives; handlers started meanwhile are transactions of their
  // own.
  class [[nodiscard]] Outside {
   public:
    explicit Outside(Journal& journal) : journal_(journal), levels_(std::move(journal.levels_)) {
      journal.levels_.clear();
    }
    ~Outside() { journal_.levels_ = std::move(levels_); }
    Outside(const Outside&) = delete;
    Outside& operator=(const Outside&) = delete;

   private:
    Journal& journal_;
    std::vector<Level> levels_;
  };

 private:
  std::vector<Level> levels_;
  std::uint64_t serials_ = 0;
};

}  // namespace sylvandra
