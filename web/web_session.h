// The program as the browser page runs it: one program started as the desktop starts it, on
// the page's host, with the script driver's interpreter beside it. The page's own events (a
// click, typing, focus, a key) are delivered as the driver's action lines, so the page acts only
// as a person can; a driver line run for sylvandra.run prints exactly what the script driver
// prints, its boxes answered from the driver's queue instead of the page's dialogs.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "scene_json.h"
#include "script_host.h"
#include "script_runner.h"
#include "web_host.h"

namespace sylvandra::web {

class WebSession {
 public:
  explicit WebSession(Page& page);
  ~WebSession();

  Program& program() { return *program_; }
  // Starts a fresh program, the main menu shown, as a newly loaded page does.
  void restart();

  // A person's action on the page, as a driver line (`click A_Select.Select(4)`, `type
  // Ex0Ask.SOM "12"`, `focus ...`, `key Ex0Ask Tab`): boxes are the page's. Returns the lines it
  // printed (a refusal of what a person cannot reach). Throws script::ScriptError for a line
  // the driver does not know.
  std::vector<std::string> act(std::string_view line);
  // A person typing in a field of the page, as the desktop delivers it: the text changes as a
  // key goes down or text is pasted (the field's change event), and every key released in the
  // field fires its key-up event, also a key that left the text as it was. `target` is
  // `WINDOW.FIELD` or `WINDOW.FIELD(INDEX)`; an unknown one is ignored.
  void edit(std::string_view target, std::string text);
  void keyUp(std::string_view target);
  // The title bar's close button of the window.
  void closeWindow(std::string_view windowName);
  // One line of a script as the script driver runs it: the lines it prints. Throws
  // script::ScriptError for a line the driver does not know (the driver stops there).
  std::vector<std::string> run(std::string_view line);
  // Escape or the running window's Return, pressed during a long run: it stops at the end of
  // the current year.
  void requestStop() { host_.requestStop(); }

  std::string scene() const;
  // The drawing of `target` (`WINDOW` or `WINDOW.PICTURE`) for a page that has painted its
  // marks up to sequence `painted` of its generation `generation` (see PackedDrawing).
  DrawingUpdate drawing(std::string_view target, std::uint64_t generation,
                        std::uint64_t painted) const;

 private:
  class PageStage;
  std::vector<std::string> execute(std::string_view line);
  // The control a page element stands for, or null.
  Control* pageControl(std::string_view target) const;
  // Whether a person can type in the field now (it and its window shown).
  bool reachable(const Control* field) const;

  WebHost host_;
  std::ostringstream out_;
  std::unique_ptr<script::ScriptHost> scriptHost_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<PageStage> stage_;
  std::unique_ptr<script::ScriptInterpreter> interpreter_;
};

}  // namespace sylvandra::web
