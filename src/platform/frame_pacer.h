// The pace of a long run, one step (a simulated year) at a time. At the end of each step the run
// hands the step to the pacer: the host shows the windows as they are (on the desktop it also
// takes the person's input meanwhile), and a step that animates something stays on screen for
// one frame. At the same boundary the run asks whether the person wants it to stop.
//
// Only the time between steps depends on the host: a host without a screen never waits and
// never asks to stop, so a run draws the same random numbers and takes the same course on any
// host and any machine.
#pragma once

#include <chrono>

namespace sylvandra {

class Program;

class FramePacer {
 public:
  // How long each animated step stays on screen (about 33 frames a second).
  static constexpr std::chrono::milliseconds kFrameInterval{30};

  explicit FramePacer(Program& program);

  // Shows the step just done as one frame: on a host that shows frames it first waits until
  // kFrameInterval has passed since the previous frame began, then the windows are repainted
  // (and the transient drawing of the step is dropped).
  void showFrame();
  // A step with nothing to animate: the windows are repainted only when a frame is due, so the
  // run shows its progress and the person's input is taken without slowing the run down.
  void refreshWhenDue();
  // Whether the person has asked the run to stop at this boundary.
  bool stopRequested() const;

 private:
  Program& program_;
  bool paced_;
  std::chrono::steady_clock::time_point lastFrame_;
};

}  // namespace sylvandra
