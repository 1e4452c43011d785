// A long run asked to stop by the person (the host's stop request, asked at the end of every
// simulated year): it ends with the year just done, the fields and the drawing say which year
// that was, and everything is as after a run that was meant to end there.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "exercises/population/ex6_ask.h"
#include "exercises/population/ex7_ask.h"
#include "exercises/population/fire_model.h"
#include "exercises/population/stand_model.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

// A program started as the desktop starts it, with the window W opened from its chapter.
template <class W>
struct Session {
  testing::TestHost host;
  Program program{host};
  W& window;
  Session() : window(open()) {}
  W& open() {
    StartProgram(program);
    const testing::CatalogueRoute route = testing::RouteTo(W::kName);
    program.click(program.form<A_Select>().Select(route.row));
    program.click(program.form<A_Intro>().control(route.button));
    return program.form<W>();
  }
  std::vector<std::string> texts() {
    std::vector<std::string> shown;
    for (const Mark& m : program.form<outpt>().surface().marks()) {
      if (m.kind == MarkKind::Text) shown.push_back(m.text);
    }
    return shown;
  }
  bool shows(const std::string& text) {
    const std::vector<std::string> shown = texts();
    return std::find(shown.begin(), shown.end(), text) != shown.end();
  }
};

TEST(LongRunStop, TheFireRunEndsWithTheYearItWasStoppedAt) {
  struct Case {
    const char* what;
    bool noGraphic;
    bool showsFrames;
    int stopAfterRepaints;
    const char* reached;
  };
  // Run To Year 1900 from 1880. With flames every year ends with one frame (one repaint), so a
  // stop asked once the N-th frame is shown ends the run with year 1880 + N. Without flames the
  // run repaints only when a frame is due, so only a stop asked from the start is certain to be
  // seen first at the end of 1881.
  const std::vector<Case> cases = {
      {"flames, stop after the 5th frame", false, false, 5, "1885"},
      // The same course at a frame rate a person sees: 3 frames of 30 ms.
      {"flames paced on a screen, stop after the 3rd frame", false, true, 3, "1883"},
      {"no fire graphic, stop asked at once", true, false, 0, "1881"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto setUp = [&](Session<Ex6Ask>& s) {
      if (c.noGraphic) s.program.click(s.window.NoGraphic);
      s.program.type(s.window.RunToYear, "1900");
      s.host.framesShown = c.showsFrames;
      s.host.repaints = 0;
    };
    Session<Ex6Ask> stopped;
    setUp(stopped);
    stopped.host.stopAfterRepaints = c.stopAfterRepaints;
    stopped.program.click(stopped.window.Command1);
    ASSERT_TRUE(stopped.host.failures.empty());

    // The same grove run straight to the year reached.
    Session<Ex6Ask> straight;
    setUp(straight);
    straight.program.type(straight.window.RunToYear, c.reached);
    straight.program.click(straight.window.Command1);

    EXPECT_EQ(stopped.window.CurrentYear.text(), c.reached);
    EXPECT_EQ(stopped.window.RunToYear.text(), "1900");  // what the student typed stays
    EXPECT_TRUE(stopped.shows(std::string("Year = ") + c.reached));
    EXPECT_EQ(stopped.texts(), straight.texts());  // the lost pixels as at that year too
    const SequoiaGrove& a = stopped.program.state<SequoiaGrove>();
    const SequoiaGrove& b = straight.program.state<SequoiaGrove>();
    EXPECT_EQ(a.FuelLoad, b.FuelLoad);
    EXPECT_EQ(a.UnderstoryBiomass, b.UnderstoryBiomass);
    EXPECT_EQ(a.LostPixels, b.LostPixels);
    // Both took the same random draws: the next run goes on alike.
    EXPECT_EQ(stopped.program.Rnd(), straight.program.Rnd());
  }
}

TEST(LongRunStop, TheHardwoodRunStopsBetweenPausesWithoutTheEndPrompt) {
  // 50 years shown every 10: a stop asked from the start is seen at the end of year 1, before
  // the first pause (year 10), so no box is shown; the maps show year 1 ("Year = " and Fmt5(1):
  // " 1" right-aligned in 5 places plus one blank) and are hidden as at the end of a run.
  Session<EX7Ask> stopped;
  stopped.program.type(stopped.window.nyr, "50");
  stopped.program.type(stopped.window.nprint, "10");
  stopped.host.stopAfterRepaints = 0;
  stopped.program.click(stopped.window.Command1);
  ASSERT_TRUE(stopped.host.failures.empty());
  EXPECT_TRUE(stopped.host.inputPrompts.empty());
  EXPECT_TRUE(stopped.shows("Year =     1 "));
  EXPECT_FALSE(stopped.program.form<outpt>().visible());

  // A run of one year leaves the same stand and the same place in the random sequence.
  Session<EX7Ask> straight;
  straight.program.type(straight.window.nyr, "1");
  straight.program.type(straight.window.nprint, "10");
  straight.program.click(straight.window.Command1);
  const HardwoodStand& a = stopped.program.state<HardwoodStand>();
  const HardwoodStand& b = straight.program.state<HardwoodStand>();
  EXPECT_EQ(a.OverstoryGrid, b.OverstoryGrid);
  EXPECT_EQ(a.UnderstoryGrid, b.UnderstoryGrid);
  EXPECT_EQ(a.SeedBank, b.SeedBank);
  EXPECT_EQ(stopped.program.Rnd(), straight.program.Rnd());
}

}  // namespace
}  // namespace sylvandra
