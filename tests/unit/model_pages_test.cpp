// The students' model pages: each exercise and game window's page follows the pages' shared
// format, lists every field the student types into under the label the window shows beside it,
// with the text it opens with, and speaks no programming; and the plain text a page reads as
// where no rich text is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/model_page.h"
#include "app/startup.h"
#include "platform/keyboard.h"
#include "platform/markdown_text.h"
#include "unit/exercise_fixture.h"

namespace sylvandra {
namespace {

TEST(MarkdownText, EachBlockOfThePagesSubsetReadsAsPlainText) {
  struct Case {
    const char* name;
    const char* markdown;
    const char* text;
  };
  const Case cases[] = {
      {"headings are lines of their own, one blank line between blocks",
       "# Soil balance\n## Inputs\nText.\n", "Soil balance\n\nInputs\n\nText.\n"},
      {"a paragraph's lines join into one line", "The pool\ngrows.\n\nThen it\nstops.\n",
       "The pool grows.\n\nThen it stops.\n"},
      {"bullets keep \"- \", a \"*\" bullet reads as one, a line goes on its item",
       "- one\n* two\n  more\n", "- one\n- two more\n"},
      {"numbered items keep their numbers", "1. Set it.\n2. Press.\n10. Read.\n",
       "1. Set it.\n2. Press.\n10. Read.\n"},
      {"emphasis and strong markers are dropped", "a *b* and **c d** e\n", "a b and c d e\n"},
      {"a star without a partner and a product stay", "2 * 3 and x*\n", "2 * 3 and x*\n"},
      {"an escaped star stays a star", "\\*not\\*\n", "*not*\n"},
      // Widths by characters, not bytes: "—" is one; "Inputs" (6) is the widest of column 1,
      // "Default" (7) of column 2, so column 2 starts at 6 + 2 and column 3 at 8 + 7 + 2.
      {"a table reads as columns aligned with blanks, its separator row left out",
       "| Inputs | Default | Unit |\n|---|:---:|---|\n| SOM | 100 | g/m² |\n| k | — | 1/yr |\n",
       "Inputs  Default  Unit\nSOM     100      g/m²\nk       —        1/yr\n"},
      {"a table after a paragraph is a block of its own", "Before:\n| a | b |\n|---|---|\n",
       "Before:\n\na  b\n"},
      {"blank lines collapse and the page ends with one line end", "\n\n# T\n\n\n\nx\n\n",
       "T\n\nx\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlainTextFromMarkdown(c.markdown), c.text) << c.name;
  }
}

// A page read into its sections and the rows of its inputs tables.
struct ParsedPage {
  std::vector<std::string> headings;  // "# Title", "## What the model represents", ...
  // Input -> Default; one label may be in several tables (the game's windows share a page).
  std::multimap<std::string, std::string> inputs;
  std::vector<std::string> duplicateInputs;  // a label twice in one table
  // Every table under Inputs has the shared header and rows of four cells.
  bool inputTablesWellFormed = true;
  int thingsToTry = 0;  // numbered items under Things to try
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string> Cells(std::string_view row) {
  row = Trim(row);
  row.remove_prefix(1);
  if (!row.empty() && row.back() == '|') row.remove_suffix(1);
  std::vector<std::string> cells;
  size_t start = 0;
  for (size_t bar = row.find('|');; bar = row.find('|', start)) {
    cells.emplace_back(Trim(row.substr(start, bar - start)));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return cells;
}

bool IsNumberedItem(std::string_view line) {
  size_t digits = 0;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  return digits > 0 && line.substr(digits, 2) == ". ";
}

ParsedPage Parse(std::string_view markdown) {
  ParsedPage page;
  std::string section;
  bool inTable = false, headerRow = false;
  std::set<std::string> tableLabels;
  size_t start = 0;
  while (start < markdown.size()) {
    size_t end = markdown.find('\n', start);
    if (end == std::string_view::npos) end = markdown.size();
    const std::string_view raw = markdown.substr(start, end - start);
    const std::string_view line = Trim(raw);
    start = end + 1;
    if (line.rfind("#", 0) == 0) {
      page.headings.emplace_back(line);
      section = line;
    }
    const bool row = line.rfind("|", 0) == 0;
    headerRow = row && !inTable;
    inTable = row;
    // "3. Set ..." at the start of a line; a line that goes on an item is indented.
    if (section == "## Things to try" && IsNumberedItem(raw)) ++page.thingsToTry;
    if (section != "## Inputs" || !row || line.find("---") != std::string_view::npos) continue;
    const std::vector<std::string> cells = Cells(line);
    if (headerRow) {
      tableLabels.clear();
      page.inputTablesWellFormed =
          page.inputTablesWellFormed &&
          cells == std::vector<std::string>{"Input", "Default", "Unit", "Meaning"};
    } else if (cells.size() != 4) {
      page.inputTablesWellFormed = false;
    } else {
      if (!tableLabels.insert(cells[0]).second) page.duplicateInputs.push_back(cells[0]);
      page.inputs.emplace(cells[0], cells[1]);
    }
  }
  return page;
}

// What a name looks like standing alone in a text: not inside a longer word.
bool HasWord(std::string_view text, std::string_view word) {
  const auto isWordChar = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  };
  for (size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const size_t after = at + word.size();
    if ((at == 0 || !isWordChar(text[at - 1])) &&
        (after == text.size() || !isWordChar(text[after])))
      return true;
  }
  return false;
}

// The program's internal names: every window's and control's, except those it also shows a
// student as a word of a caption or label ("Inputs" is both a field's name and its label), a
// single letter (a symbol in an equation), and the few that are ordinary lower-case words.
std::set<std::string> InternalNames() {
  testing::TestHost host;
  Program program(host);
  RegisterWindows(program);
  std::set<std::string> names;
  std::string shown;
  for (const std::string& name : program.registeredWindows()) {
    Window& window = program.form(name);
    names.insert(name);
    shown += window.caption() + "\n";
    for (const auto& c : window.controls()) {
      names.insert(c->name());
      shown += c->caption() + "\n" + (c->labelled() ? c->label() : "") + "\n";
    }
  }
  // Ordinary words, and the symbols the pages share with the graphs' legends and the science's
  // own abbreviations (NMin and Veg are series names; WUE and SLA are water use efficiency and
  // specific leaf area).
  const std::set<std::string> words = {"area",   "hunt", "nitrate", "reset", "type",
                                       "sprout", "NMin", "Veg",     "WUE",   "SLA"};
  std::erase_if(names, [&](const std::string& name) {
    return name.size() == 1 || words.contains(name) || HasWord(shown, name);
  });
  return names;
}

// The page without what it quotes: a name in double quotes is the program's own text as the
// student sees it (a graph's legend "MatPot"), not an internal name.
std::string WithoutQuotes(std::string_view markdown) {
  std::string text;
  bool quoted = false;
  for (const char c : markdown) {
    if (c == '"')
      quoted = !quoted;
    else if (!quoted)
      text += c;
  }
  return text;
}

class ModelPageTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ModelPageTest, EveryFieldIsLabelledAndThePageListsEachUnderItsLabelWithItsDefault) {
  testing::TestHost host;
  Program program(host);
  const Window& window = testing::OpenAsStudent(program, GetParam());
  // Messages, the record of a run, the page and screen readers name a field by its label.
  std::set<std::string> labels;
  for (const auto& c : window.controls()) {
    if (c->kind() != ControlKind::TextBox) continue;
    EXPECT_TRUE(c->labelled()) << c->qualifiedName() << " has no label";
    if (IsInputStop(*c)) {
      EXPECT_TRUE(labels.insert(c->label()).second) << "two fields labelled " << c->label();
    }
  }

  const std::string_view markdown = ModelPageMarkdown(window.name());
  ASSERT_FALSE(markdown.empty()) << window.name() << " has no page";
  const ParsedPage page = Parse(markdown);
  ASSERT_EQ(page.headings.size(), 7u) << markdown;
  EXPECT_EQ(page.headings[0].rfind("# ", 0), 0u);
  EXPECT_EQ(std::vector<std::string>(page.headings.begin() + 1, page.headings.end()),
            (std::vector<std::string>{
                "## What the model represents", "## State variables and equations", "## Inputs",
                "## Results and graphs", "## Things to try", "## Where the model simplifies"}));
  EXPECT_TRUE(page.inputTablesWellFormed);
  EXPECT_TRUE(page.duplicateInputs.empty()) << page.duplicateInputs.front();
  EXPECT_GE(page.thingsToTry, 3);
  EXPECT_LE(page.thingsToTry, 5);

  // Every field to fill in must be listed; a field the program fills but lets the student type
  // over (a location's climate) may be.
  // The game fills its windows' fields from the game's state when it shows them, so its page
  // gives the values a new game starts with; an exercise window's page gives what it opens with.
  const bool game = std::ranges::count(GameWindowNames(), window.name()) > 0;
  std::set<std::string> typable;
  for (const auto& c : window.controls()) {
    if (c->kind() != ControlKind::TextBox || c->locked()) continue;
    typable.insert(c->label());
    const auto [first, last] = page.inputs.equal_range(c->label());
    if (first == last) {
      if (IsInputStop(*c)) ADD_FAILURE() << c->label() << " is not in the inputs table";
      continue;
    }
    if (game) continue;
    const std::string_view opened = Trim(c->text());
    EXPECT_EQ(first->second, opened.empty() ? "—" : opened) << c->label();
  }
  // The game's windows share a page that lists the fields of all of them.
  if (!game) {
    for (const auto& [input, value] : page.inputs) {
      EXPECT_TRUE(typable.contains(input)) << input << " is no field of the window";
    }
  }

  for (const char* code : {".h", ".cpp", "`", ":=", "+=", "==", "!=", "&&", "||", "++"}) {
    EXPECT_EQ(markdown.find(code), std::string_view::npos) << "the page holds " << code;
  }
  const std::string unquoted = WithoutQuotes(markdown);
  for (const std::string& name : InternalNames()) {
    EXPECT_FALSE(HasWord(unquoted, name)) << "the page names " << name;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryExerciseWindow, ModelPageTest,
                         ::testing::ValuesIn(ExerciseWindowNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace sylvandra
