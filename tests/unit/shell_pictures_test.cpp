// The pictures the shell draws by code and the main menu's layout: text stays inside its
// picture and clear of other text, the example graph's worked readings agree with its curves,
// and the menu lists the chapters in order with nothing overlapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/program.h"
#include "plot/output/coast_map.h"
#include "plot/output/explanatory_pages.h"
#include "plot/output/output_windows.h"
#include "plot/output/page_layout.h"
#include "shell/a_select.h"
#include "shell/catalogue.h"
#include "shell/drawings.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

struct Box {
  double left, top, right, bottom;
};

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Box TextBox(const Mark& mark) {
  return {mark.x1, mark.y1, mark.x1 + mark.font.TextWidth(mark.text),
          mark.y1 + mark.font.lineHeight()};
}

std::vector<Mark> TextMarks(const Picture& picture) {
  std::vector<Mark> texts;
  for (const Mark& mark : picture.marks) {
    if (mark.kind == MarkKind::Text) texts.push_back(mark);
  }
  return texts;
}

// Every text lies in the visible part of the picture and overlaps no other text.
void ExpectTextInsideAndApart(const Picture& picture, double visibleLeft = 0) {
  const std::vector<Mark> texts = TextMarks(picture);
  ASSERT_FALSE(texts.empty());
  for (size_t i = 0; i < texts.size(); ++i) {
    const Box box = TextBox(texts[i]);
    EXPECT_GE(box.left, visibleLeft) << texts[i].text;
    EXPECT_GE(box.top, 0) << texts[i].text;
    EXPECT_LE(box.right, picture.width) << texts[i].text;
    EXPECT_LE(box.bottom, picture.height) << texts[i].text;
    for (size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_FALSE(Overlap(box, TextBox(texts[j]))) << texts[i].text << " / " << texts[j].text;
    }
  }
}

std::string AllText(const Picture& picture) {
  std::string all;
  for (const Mark& mark : TextMarks(picture)) all += mark.text + " ";
  return all;
}

TEST(ShellPictures, WrappedLinesFitAndKeepEveryWord) {
  const Font font = Font::face("MS Sans Serif", 8.25);
  const std::string text =
      "Each curve is scaled to its own maximum.  Readings to the nearest 5 % are enough.";
  const std::vector<std::string> lines = WrapText(text, font, 1500, WrapStyle::Paragraph);
  ASSERT_GT(lines.size(), 2u);
  std::string joined;
  for (const std::string& line : lines) {
    EXPECT_LE(font.TextWidth(line), 1500) << line;
    EXPECT_NE(line.front(), ' ');
    joined += (joined.empty() ? "" : " ") + line;
  }
  auto words = [](std::string s) {
    s.erase(std::unique(s.begin(), s.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
            s.end());
    return s;
  };
  EXPECT_EQ(words(joined), words(text));
  // A word wider than the measure stands alone rather than being lost.
  EXPECT_EQ(WrapText("a http://www.example.org/sylvandra/ b", font, 300, WrapStyle::Paragraph),
            (std::vector<std::string>{"a", "http://www.example.org/sylvandra/", "b"}));
}

TEST(ShellPictures, AboutPageFitsItsBoxAndCoversItsTopics) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  const Control& about = program.form<outpt>().About;
  const Picture& page = *about.surfaceIfAny()->picture();
  EXPECT_EQ(page.width, about.width());
  EXPECT_EQ(page.height, about.height());
  ExpectTextInsideAndApart(page);
  const std::string text = AllText(page);
  for (const char* topic :
       {"course text", "screen", "introduction window", "data window", "output window",
        "How to Read the Graphs", "teaching models", "extreme inputs"}) {
    EXPECT_NE(text.find(topic), std::string::npos) << topic;
  }
}

TEST(ShellPictures, GraphDemoFitsTheVisiblePartOfItsBox) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  const Control& demo = program.form<outpt>().GraphDemo;
  const Picture& page = *demo.surfaceIfAny()->picture();
  EXPECT_EQ(page.width, demo.width());
  EXPECT_EQ(page.height, demo.height());
  ExpectTextInsideAndApart(page, -demo.left());
  for (const Mark& mark : page.marks) {
    if (mark.kind == MarkKind::Line) {
      EXPECT_GE(std::min(mark.x1, mark.x2), -demo.left());
      EXPECT_LE(std::max(mark.y1, mark.y2), page.height);
    }
  }
  const std::string text = AllText(page);
  for (const char* legend : {"Name", "Line", "Max.", " 200 "}) {
    EXPECT_NE(text.find(legend), std::string::npos) << legend;
  }
}

TEST(ShellPictures, GraphDemoSeriesPeakAtTheirMaximumAndNamesFitTheLegend) {
  const Font font = Font::face("MS Sans Serif", 8.25);
  // The legend column of the plotter on the output window: (0.9 W - 750) / 8.
  const double column = (0.9 * 6465 - 750) / 8;
  for (int s = 0; s < kDemoSeriesCount; ++s) {
    const DemoSeries& series = DemoSeriesTable()[s];
    double peak = 0;
    for (int year = 1; year <= 200; ++year) peak = std::max(peak, series.percent(year));
    EXPECT_NEAR(peak, 100, 1) << series.name;
    EXPECT_LT(font.TextWidth(series.name), column - 60) << series.name;
  }
}

TEST(ShellPictures, WorkedReadingsAgreeWithTheCurvesToTheNearestFivePercent) {
  for (int r = 0; r < kDemoReadingCount; ++r) {
    const DemoReading& reading = DemoReadings()[r];
    const DemoSeries& series = DemoSeriesTable()[reading.series];
    EXPECT_NEAR(series.percent(reading.year), reading.percent, 2.5) << reading.letter;
    EXPECT_EQ(std::fmod(reading.percent, 5.0), 0.0);
    const std::string text = DemoReadingText(reading);
    EXPECT_NE(text.find(series.name), std::string::npos) << text;
  }
  EXPECT_EQ(DemoReadingText(DemoReadings()[1]),
            "In year 160 the NO3 curve lies at 40 %.  Its maximum is 12, so the nitrate loss is "
            "0.40 x 12 = 4.8 kg/ha/yr.");
}

TEST(ShellPictures, MapLabelsStayOnTheMapAndClearOfEachOther) {
  const auto map = CoastMapPicture(6870, 6900);
  ExpectTextInsideAndApart(*map);
  const std::string text = AllText(*map);
  for (const char* island : {"San Miguel", "Santa Rosa", "Santa Cruz", "Anacapa", "San Nicolas",
                             "San Clemente", "Santa Catalina", "Santa Barbara", "Los Coronados"}) {
    EXPECT_NE(text.find(island), std::string::npos) << island;
  }
  // Land is drawn on the sea: filled boxes in a colour other than the background.
  const size_t land = std::count_if(map->marks.begin(), map->marks.end(), [&](const Mark& m) {
    return m.kind == MarkKind::Box && m.filled && m.color != *map->background;
  });
  EXPECT_GT(land, 300u);
}

TEST(ShellPictures, MapWindowShowsTheMapAsItsBackground) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  const outmap& maps = program.form<outmap>();
  ASSERT_TRUE(maps.surface().picture());
  EXPECT_EQ(maps.surface().picture()->width, maps.width());
  EXPECT_TRUE(maps.surface().marks().empty());
}

TEST(ShellMenuLayout, ChaptersAreListedInChapterOrder) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  const A_Select& menu = program.form<A_Select>();
  std::vector<std::pair<int, int>> byChapter;  // (chapter number, index)
  for (int index = 0; index < kChapterCount; ++index) {
    const std::string caption = menu.Select(index).caption();
    byChapter.emplace_back(std::stoi(caption.substr(caption.find_first_of("0123456789"))), index);
  }
  std::sort(byChapter.begin(), byChapter.end());
  for (size_t row = 0; row < byChapter.size(); ++row) {
    const Control& entry = menu.Select(byChapter[row].second);
    EXPECT_EQ(entry.left(), 600);
    EXPECT_EQ(entry.top(), 1080 + 240.0 * static_cast<double>(row)) << entry.caption();
  }
  EXPECT_EQ(byChapter.front().first, 3);
  EXPECT_EQ(byChapter.back().first, 26);
  EXPECT_EQ(menu.Select(byChapter.back().second).top(), 5880);
}

TEST(ShellMenuLayout, MarkersFlagEveryUnfinishedChapterAndTheLegend) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  const A_Select& menu = program.form<A_Select>();
  ASSERT_EQ(menu.Picture1.size(), 7u);
  EXPECT_EQ(menu.Picture1.lowerBound(), 0);
  int flagged = 0;
  for (int index = 0; index < kChapterCount; ++index) {
    const Control& entry = menu.Select(index);
    int beside = 0;
    for (const auto& [i, marker] : menu.Picture1.members()) {
      if (marker->top() >= entry.top() && marker->top() < entry.top() + 240 &&
          marker->left() + marker->width() <= entry.left()) {
        ++beside;
      }
    }
    EXPECT_EQ(beside, Catalogue()[static_cast<size_t>(index)].underConstruction() ? 1 : 0)
        << entry.caption();
    flagged += beside;
  }
  EXPECT_EQ(flagged, 5);
  EXPECT_EQ(menu.Label1.caption().rfind("=  This Exercise Still Under Construction", 0), 0u);
  EXPECT_NE(menu.Label1.caption().find(std::string(kCourseWebSite)), std::string::npos);
}

TEST(ShellMenuLayout, ControlsFitTheWindowTheirCaptionsAndEachOther) {
  testing::TestHost host;
  Program program(host);
  StartProgram(program);
  const A_Select& menu = program.form<A_Select>();
  std::vector<const Control*> controls;
  for (const auto& control : menu.controls()) controls.push_back(control.get());
  for (size_t i = 0; i < controls.size(); ++i) {
    const Control& c = *controls[i];
    const Box box{c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
    EXPECT_GE(box.left, 0) << c.qualifiedName();
    EXPECT_GE(box.top, 0) << c.qualifiedName();
    EXPECT_LE(box.right, menu.width()) << c.qualifiedName();
    EXPECT_LE(box.bottom, menu.height()) << c.qualifiedName();
    // One-line captions fit their control; buttons keep a margin for their frame.
    if (c.kind() == ControlKind::Label || c.kind() == ControlKind::CommandButton) {
      const double margin = c.kind() == ControlKind::CommandButton ? 240 : 0;
      std::string longest;
      size_t start = 0;
      const std::string& caption = c.caption();
      while (start <= caption.size()) {
        size_t end = caption.find('\n', start);
        if (end == std::string::npos) end = caption.size();
        const std::string line = caption.substr(start, end - start);
        if (c.font().TextWidth(line) > c.font().TextWidth(longest)) longest = line;
        start = end + 1;
      }
      EXPECT_LE(c.font().TextWidth(longest) + margin, c.width()) << c.qualifiedName();
    }
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const Control& d = *controls[j];
      const Box other{d.left(), d.top(), d.left() + d.width(), d.top() + d.height()};
      EXPECT_FALSE(Overlap(box, other)) << c.qualifiedName() << " / " << d.qualifiedName();
    }
  }
}

}  // namespace
}  // namespace sylvandra
