// The keyboard: which controls of a window take focus and in what order, which button Enter
// and Escape press, which control an Alt+letter shortcut reaches, and what each key does. Both
// views use it: the desktop passes its key presses here, the script driver its `key` commands,
// so focus lives in the window model and works the same with and without a display.
//
// Tab order follows the layout: the fields a student fills in (text fields, option buttons,
// check boxes, clickable captions and pictures) first, then the fields that show results
// (locked or result-coloured), then the buttons; each group top to bottom and left to right,
// the members of a frame together where the frame lies.
#pragma once

#include <string_view>
#include <vector>

#include "platform/window.h"

namespace sylvandra {

// The controls Tab visits now (shown, enabled, in a shown frame), in order.
std::vector<Control*> TabOrder(const Window& window);
// Whether the control is a text field that shows a result: locked, or in the result colour a
// run writes into.
bool IsResultField(const Control& control);
// Whether the control is one a student fills in (the first group of the Tab order).
bool IsInputStop(const Control& control);
// The button Enter presses from a field: "Execute", else a "Calculate..." button, else
// "Continue"; null when the window shows none of them.
Control* DefaultButton(const Window& window);
// The button Escape presses: the window's "Return"; null when none is shown.
Control* CancelButton(const Window& window);
// The control Alt+letter reaches: the only shown, enabled button, option or check box whose
// caption starts with that letter; null when there is none or more than one.
Control* ShortcutTarget(const Window& window, char letter);

// Whether the program knows the key name (listed below).
bool IsKeyName(std::string_view key);
// Presses a key (named as the toolkit names it: "Tab", "Backtab", "Return", "Enter", "Escape",
// "Space", "Up", "Down", "Left", "Right", "F1", "Alt+E") in window. Returns false for a key name
// it does not know. Events run through the program as a person's do; a hidden window takes no
// key.
bool PressKey(Program& program, Window& window, std::string_view key);

}  // namespace sylvandra
