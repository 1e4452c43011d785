// A program for timing one window's handlers headless, as a click or a key runs them: every
// window registered, the window created, and a recording host. Finish marks a benchmark whose
// handler reported a failure, so that a refused run is never timed as a fast one.
#pragma once

#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "platform/program.h"
#include "unit/test_host.h"

namespace sylvandra::bench {

template <class W>
class Session {
 public:
  Session() : program(host) {
    RegisterWindows(program);
    window = &program.form<W>();
  }
  testing::TestHost host;
  Program program;
  W* window = nullptr;
};

template <class W>
void Finish(benchmark::State& state, const Session<W>& session) {
  if (!session.host.failures.empty()) state.SkipWithError("the handler reported a failure");
}

}  // namespace sylvandra::bench
