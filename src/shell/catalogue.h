// The exercise catalogue: one row per chapter entry of the main menu (the `Select` control
// array, indices 0..20). A row holds the menu caption, the description shown on the
// introduction window, the sub-exercise buttons with their captions, whether "Continue" stays
// visible and which window each button opens.
//
// A description is its title, a run of blanks that pushes the body onto the next line of the
// introduction's text box (Times New Roman 11.25 point, 6255 twips wide), and the body.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sylvandra {

inline constexpr int kChapterCount = 21;

// Where new exercises are announced; named on the main menu and in the under-construction text.
inline constexpr std::string_view kCourseWebSite = "http://www.example.org/sylvandra/";

struct SubExerciseButton {
  std::string_view caption;  // empty: the button is not shown for this chapter
  std::string_view window;   // the exercise window it opens; empty: none
};

struct ChapterEntry {
  std::string_view menuCaption;
  int menuRow = 0;  // position on the menu, top to bottom in chapter order (0..20)
  // Description: title, blank run, body. Under-construction rows have no title of their own.
  std::string_view title = {};
  int blankRun = 0;
  std::string_view body = {};
  std::string_view continueWindow = {};        // opened by "Continue"; empty: none
  std::array<SubExerciseButton, 3> buttons{};  // Command1, Command2, Command3; empty: not shown
  bool showsNote = false;

  bool underConstruction() const { return title.empty(); }
  bool hasButtons() const;
  // "Continue" stays for a chapter with one exercise; sub-exercise buttons replace it, and an
  // unfinished chapter has nothing to continue to.
  bool continueShown() const { return !underConstruction() && !hasButtons(); }
};

const std::array<ChapterEntry, kChapterCount>& Catalogue();

// An item of the main menu's bar that opens a window with no chapter row of its own: the
// shell knows that window only by the name written here, as it knows the chapters' windows.
struct MenuBarEntry {
  std::string_view caption;
  std::string_view window;  // the window it opens
};
// "Extras" > the forest management game, whose chapter row is still under construction.
inline constexpr MenuBarEntry kForestGameEntry{"Forest Management Game (preview)", "D81"};

// What a button or menu item says when the window it names is not part of the program.
inline constexpr std::string_view kNotAvailableText =
    "This exercise is not available in this version of the program yet.";

// The text written into the introduction's `Describe` box for a row.
std::string DescriptionText(const ChapterEntry& entry);
// The text shown for chapters whose exercise is not finished yet.
std::string UnderConstructionText();

}  // namespace sylvandra
