// Every catalogue row as the introduction shows it: the description's title, blank run,
// total length and first sentence, the sub-exercise buttons and their captions, "Continue"
// and the screen-resolution note. The expected values are the course's published catalogue,
// kept here independently of the program's table.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "app/startup.h"
#include "platform/program.h"
#include "plot/output/page_layout.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/catalogue.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

constexpr const char* kUnderConstruction = nullptr;

struct ExpectedRow {
  int index;
  const char* menuCaption;
  const char* title;  // kUnderConstruction for the unfinished chapters
  int blanks;
  int totalLength;
  const char* firstSentence;
  std::array<const char*, 3> buttons;  // captions of Command1..3, nullptr when hidden
  bool continueVisible;
  bool note;
};

const ExpectedRow kExpected[] = {
    {0,
     "Chapter   5 - Residence Time and Turnover Rate",
     "Residence Time and Turnover Rates",
     49,
     341,
     "All three problems in this exercise require you to run a simple model of soil organic "
     "matter dynamics.",
     {},
     true,
     false},
    {1,
     "Chapter   8 - Optimizing Whole Canopy Photosynthesis",
     "Optimizing Whole Canopy Photosynthesis",
     43,
     552,
     "Total photosynthesis in canopies can be constrained either by light, water of "
     "photosynthetic potential (nitrogen concentration).",
     {},
     true,
     false},
    {2,
     "Chapter   9 - Soil Chemistry and Watershed Acidification",
     "Soil Chemistry and Watershed Acidification",
     39,
     571,
     "How will different levels of acidification in rainfall affect stream water chemistry in "
     "two different watersheds?",
     {"Concentration Units", "Buffering Reactions", "Watershed Experiments"},
     false,
     false},
    {3,
     "Chapter 10 - Disturbance and the Nitrogen Cycle",
     "Distrubance and the Nitrogen Cycle",
     52,
     402,
     "What controls the loss of nitrate from disturbed forests?",
     {},
     true,
     false},
    {4,
     "Chapter 12/13 - Litter Decomposition and Soil Organic Matter Formation",
     "Litter Decomposition and Soil Organic Matter Formation",
     22,
     391,
     "What types of litter will decay the fastest?",
     {"Decomposition Experiments", nullptr, "Soil Organic Matter Balances"},
     false,
     false},
    {5,
     "Chapter 16 - Moose and Wolves at Isle Royale",
     "Moose and Wolves at Isle Royale",
     55,
     413,
     "Does Predation stabilize or destabilize population levels of prey?",
     {},
     true,
     false},
    {6,
     "Chapter 17 - Managing the Giant Sequoias",
     "Fire Management and the Giant Sequoias",
     45,
     641,
     "This exercise puts you in the 'hot seat' managing a national treasure.",
     {},
     true,
     true},
    {7,
     "Chapter 21 - Species Strategies in Northern Hardwood Forests",
     "Species Strategies in Northern Hardwood Forests",
     30,
     424,
     "How do frequency and type of disturbance alter the species composition of forests?",
     {},
     true,
     false},
    {8,
     "Chapter 23 - The Forest Management Game",
     kUnderConstruction,
     0,
     0,
     nullptr,
     {},
     false,
     false},
    {9,
     "Chapter 26 - The Global Carbon Cycle",
     "The Global Carbon Cycle",
     73,
     497,
     "What steps in the global carbon cycle control the increase in atmospheric carbon dioxide?",
     {},
     true,
     false},
    {10,
     "Chapter   3 - Gross and Net Carbon Balances",
     "Gross and Net Carbon Balances",
     62,
     555,
     "How are gross and net carbon exchange related?",
     {},
     true,
     false},
    {11,
     "Chapter   4 - Hydrologic and Nutrient Balances",
     "Hydrologic and Nutrient Balances",
     59,
     468,
     "Continuous records of water loss from weirs can be converted to total stream flow for a "
     "day, a month, or longer.",
     {},
     true,
     false},
    {12,
     "Chapter   6 - Controls on Net Photosynthesis and Transpiration",
     "Controls on Net Photosynthesis and Transpiration",
     31,
     589,
     "Photosynthetic capacity is linked tightly to nitrogen concentration in foliage, but "
     "respiration, light levels, and response to VPD can also alter realized rates of carbon "
     "gain.",
     {},
     true,
     false},
    {13,
     "Chapter   7 - The Soil-Plant-Air Continuum and Water Use",
     "The Soil-Plant-Air Continuum and Water Use",
     39,
     540,
     "Water moves from soil to atmosphere through the hydraulic system in plants.",
     {},
     true,
     false},
    {14,
     "Chapter 25 - Air Pollution and Forest Ecosystems",
     "Air Pollution and Forest Ecosystems",
     52,
     335,
     "Forests in industrialized regions are subject to several different sources of stress "
     "simultaneously.",
     {nullptr, nullptr, "Pollution Scenarios"},
     false,
     false},
    {15,
     "Chapter 24 - Biodiversity: Species-Area Curves and Island Biogeography",
     "Biodiversity: Species-Area Curves and Island Biogeography",
     12,
     540,
     "Two quantitative theories on the number of species present in an area are contained is "
     "the description of the species-area curve, and in the field of island biogeography.",
     {"Species-Area Curves", "Island Biogeography", "The Isle Royale Example"},
     false,
     false},
    // The first sentence of this row goes on to name the kind of ecosystem (checked below).
    {16,
     "Chapter 11 - Carbon and Nitrogen Allocation to Roots",
     "Carbon and Nitrogen Allocation to Roots",
     44,
     570,
     "Production and turnover of fine roots is one of the most difficult processes to measure",
     {},
     true,
     false},
    {17,
     "Chapter 15 - Plant/Herbivore Interactions",
     kUnderConstruction,
     0,
     0,
     nullptr,
     {},
     false,
     false},
    {18,
     "Chapter 19 - Disturbance and Succession in the Boreal Forest",
     kUnderConstruction,
     0,
     0,
     nullptr,
     {},
     false,
     false},
    {19,
     "Chapter 20 - Predator-Prey Dynamics in the Serengeti",
     kUnderConstruction,
     0,
     0,
     nullptr,
     {},
     false,
     false},
    {20,
     "Chapter 22 - Isotopes and Nutrient Inputs:  The Forests of Hawaii",
     kUnderConstruction,
     0,
     0,
     nullptr,
     {},
     false,
     false},
};

void PrintTo(const ExpectedRow& row, std::ostream* os) {
  *os << "Select(" << row.index << ")";
}

constexpr const char* kUnderConstructionTitle = "This Exercise is Still Under Construction";
constexpr size_t kUnderConstructionBlanks = 137;
constexpr size_t kUnderConstructionLength = 268;

class ShellCatalogueTest : public ::testing::TestWithParam<ExpectedRow> {
 protected:
  ShellCatalogueTest() : program(host) { StartProgram(program); }

  // The introduction as a fresh choice of the row leaves it.
  A_Intro& Choose(int index) {
    program.click(program.form<A_Select>().Select(index));
    return program.form<A_Intro>();
  }

  testing::TestHost host;
  Program program;
};

TEST_P(ShellCatalogueTest, DescriptionHasTitleBlankRunLengthAndFirstSentence) {
  const ExpectedRow& row = GetParam();
  const std::string text = Choose(row.index).Describe.text();
  const bool unfinished = row.title == kUnderConstruction;
  const std::string title = unfinished ? kUnderConstructionTitle : row.title;
  const size_t blanks = unfinished ? kUnderConstructionBlanks : static_cast<size_t>(row.blanks);
  const size_t total = unfinished ? kUnderConstructionLength : static_cast<size_t>(row.totalLength);

  ASSERT_EQ(text.substr(0, title.size()), title);
  const size_t bodyStart = text.find_first_not_of(' ', title.size());
  ASSERT_NE(bodyStart, std::string::npos);
  EXPECT_EQ(bodyStart - title.size(), blanks);
  EXPECT_EQ(text.size(), total);

  const std::string body = text.substr(bodyStart);
  EXPECT_EQ(body.back(), '.') << body;
  for (char c : body) EXPECT_TRUE(c >= 32 && c <= 126) << "unprintable character in " << body;
  if (unfinished) {
    EXPECT_NE(body.find("course web site"), std::string::npos) << body;
    EXPECT_NE(body.find(std::string(kCourseWebSite)), std::string::npos) << body;
    EXPECT_NE(body.find("new exercises"), std::string::npos) << body;
    EXPECT_EQ(body.find(". "), std::string::npos) << "one sentence: " << body;
  } else {
    ASSERT_EQ(body.substr(0, std::string(row.firstSentence).size()), row.firstSentence);
    // More course text follows the first sentence.
    EXPECT_GT(body.size(), std::string(row.firstSentence).size() + 100);
  }
}

TEST_P(ShellCatalogueTest, ButtonsContinueAndNoteMatchTheRow) {
  const ExpectedRow& row = GetParam();
  EXPECT_EQ(program.form<A_Select>().Select(row.index).caption(), row.menuCaption);
  A_Intro& intro = Choose(row.index);
  const Control* buttons[] = {&intro.Command1, &intro.Command2, &intro.Command3};
  for (size_t b = 0; b < 3; ++b) {
    SCOPED_TRACE("Command" + std::to_string(b + 1));
    EXPECT_EQ(buttons[b]->visible(), row.buttons[b] != nullptr);
    if (row.buttons[b]) {
      EXPECT_EQ(buttons[b]->caption(), row.buttons[b]);
    }
  }
  EXPECT_EQ(intro.Continue.visible(), row.continueVisible);
  EXPECT_EQ(intro.Note.visible(), row.note);
  EXPECT_TRUE(intro.visible());
  EXPECT_TRUE(host.failures.empty());
}

// The description box shows the title on a line of its own: the title fits the box's text
// width, and the blank run with the next word does not, so the body starts on the next line;
// the whole text fits the box's height without scrolling.
TEST_P(ShellCatalogueTest, DescriptionFitsTheIntroductionBox) {
  const ExpectedRow& row = GetParam();
  const Control& describe = Choose(row.index).Describe;
  const std::string text = describe.text();
  const Font& font = describe.font();
  // The editor's frame and document margins take 10 pixels off each dimension.
  const double textWidth = describe.width() - 150;
  const double textHeight = describe.height() - 150;
  const size_t titleEnd = text.find("  ");
  const size_t bodyStart = text.find_first_not_of(' ', titleEnd);
  const size_t firstWordEnd = text.find(' ', bodyStart);
  EXPECT_LE(font.TextWidth(text.substr(0, titleEnd)), textWidth);
  EXPECT_GT(font.TextWidth(text.substr(0, firstWordEnd)), describe.width());
  // The web address, where there is one, is not broken across lines: it ends on the body's
  // first line.
  if (const size_t address = text.find(kCourseWebSite); address != std::string::npos) {
    const size_t addressEnd = address + kCourseWebSite.size();
    EXPECT_LE(font.TextWidth(text.substr(bodyStart, addressEnd - bodyStart)), textWidth);
  }
  const size_t lines =
      1 + WrapText(text.substr(bodyStart), font, textWidth, WrapStyle::Paragraph).size();
  EXPECT_LE(static_cast<double>(lines) * font.lineHeight(), textHeight) << lines << " lines";
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ShellCatalogueTest, ::testing::ValuesIn(kExpected),
                         [](const ::testing::TestParamInfo<ExpectedRow>& info) {
                           return "Select" + std::to_string(info.param.index);
                         });

TEST(ShellCatalogue, RootAllocationFirstSentenceNamesTheEcosystem) {
  const std::string body(Catalogue()[16].body);
  const std::string sentence = body.substr(0, body.find(". ") + 1);
  EXPECT_EQ(
      sentence.rfind("Production and turnover of fine roots is one of the most difficult processes "
                     "to measure in ",
                     0),
      0u)
      << sentence;
  EXPECT_TRUE(sentence.ends_with(" ecosystems.")) << sentence;
}

TEST(ShellCatalogue, WebAddressIsUnderTheReservedExampleDomain) {
  const std::string address(kCourseWebSite);
  EXPECT_EQ(address.rfind("http://www.example.org/", 0), 0u);
  EXPECT_EQ(address.find(' '), std::string::npos);
}

}  // namespace
}  // namespace sylvandra
