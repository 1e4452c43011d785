#include "platform/frame_pacer.h"

#include "platform/program.h"

namespace sylvandra {

FramePacer::FramePacer(Program& program)
    : program_(program),
      paced_(program.host().showsFrames()),
      lastFrame_(std::chrono::steady_clock::now()) {}

void FramePacer::showFrame() {
  if (paced_) program_.host().waitUntil(lastFrame_ + kFrameInterval);
  // Frames start kFrameInterval apart: the time the repaint takes is part of the interval.
  lastFrame_ = std::chrono::steady_clock::now();
  program_.Refresh();
}

void FramePacer::refreshWhenDue() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastFrame_ < kFrameInterval) return;
  program_.Refresh();
  lastFrame_ = now;
}

bool FramePacer::stopRequested() const {
  return program_.host().stopRequested();
}

}  // namespace sylvandra
