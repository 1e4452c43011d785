#include "script_runner.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/startup.h"
#include "drawing_digest.h"
#include "json.h"
#include "platform/keyboard.h"
#include "platform/markdown_text.h"
#include "platform/number_text.h"
#include "platform/program.h"
#include "platform/runtime_failure.h"
#include "plot/drawn_graph.h"
#include "plot/graph_export.h"
#include "script_host.h"

namespace sylvandra::script {
namespace {

struct Target {
  Window* window = nullptr;
  Control* control = nullptr;
  std::string property;  // empty when none was named
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// "NAME" or "NAME(INDEX)"
bool SplitIndexed(std::string_view part, std::string& name, int& index) {
  index = -1;
  const auto open = part.find('(');
  if (open == std::string_view::npos) {
    name = std::string(part);
    return !name.empty();
  }
  if (part.back() != ')') return false;
  name = std::string(part.substr(0, open));
  const std::string_view digits = part.substr(open + 1, part.size() - open - 2);
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  return !name.empty() && result.ec == std::errc() && result.ptr == digits.data() + digits.size();
}

// Why a person could not reach the control now, or empty when they could: its window is not
// shown, it is hidden or disabled, or the frame or menu it lies in is.
std::string WhyUnreachable(const Control& control) {
  const Window& window = control.window();
  if (!window.visible()) return "the window " + window.name() + " is not shown";
  if (!control.visible()) return "it is hidden";
  if (!control.enabled()) return "it is disabled";
  if (control.container().empty()) return "";
  const Control* container = window.find(control.container());
  if (!container) return "";
  if (container->kind() == ControlKind::Frame && !container->visible()) {
    return "its frame " + container->name() + " is hidden";
  }
  if (container->kind() == ControlKind::MenuItem) {
    if (!container->visible()) return "its menu " + container->name() + " is hidden";
    if (!container->enabled()) return "its menu " + container->name() + " is disabled";
  }
  return "";
}

// The error a command that needs the desktop's drawing gives in a build without it.
std::string NotInThisBuild(std::string_view command) {
  return std::string(command) + " is not available: it needs the desktop program";
}

}  // namespace

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::CommandButton:
      return "CommandButton";
    case ControlKind::TextBox:
      return "TextBox";
    case ControlKind::Label:
      return "Label";
    case ControlKind::CheckBox:
      return "CheckBox";
    case ControlKind::OptionButton:
      return "OptionButton";
    case ControlKind::PictureBox:
      return "PictureBox";
    case ControlKind::Frame:
      return "Frame";
    case ControlKind::MenuItem:
      return "MenuItem";
  }
  return "";
}

class ScriptInterpreter::Commands {
 public:
  Commands(Program& program, ScriptHost& dialogs, ScriptStage& stage, std::ostream& out,
           ScriptOptions options)
      : out_(out), host_(dialogs), program_(program), stage_(stage), options_(options) {}

  bool ended() const { return host_.ended(); }
  void flush() { out_.flush(); }

  void execute(std::string_view line) {
    const auto blank = line.find(' ');
    const std::string_view command = line.substr(0, blank);
    const std::string_view rest =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    if (command == "click") {
      Control& control = requireControl(parseTarget(rest, false));
      if (!reachable(control, "clicked")) return;
      stage_.act([&] { program_.click(control); });
    } else if (command == "type") {
      const auto space = rest.find(' ');
      const std::string_view targetText = rest.substr(0, space);
      const std::string text =
          space == std::string_view::npos ? std::string() : parseText(rest.substr(space + 1));
      Control& control = requireControl(parseTarget(targetText, false));
      if (!reachable(control, "typed into")) return;
      stage_.act([&] { program_.type(control, text); });
    } else if (command == "focus") {
      Control& control = requireControl(parseTarget(rest, false));
      if (!reachable(control, "focused")) return;
      stage_.act([&] { program_.focus(control); });
    } else if (command == "key") {
      const auto space = rest.find(' ');
      if (space == std::string_view::npos) throw ScriptError("key needs a window and a key");
      Target target = parseTarget(rest.substr(0, space), false);
      if (target.control) throw ScriptError("key takes a window, not a control");
      const std::string_view keyName = rest.substr(space + 1);
      if (!IsKeyName(keyName)) throw ScriptError("unknown key '" + std::string(keyName) + "'");
      if (!target.window->visible()) {
        refuse(*target.window, std::string(keyName) + " cannot be pressed: the window " +
                                   target.window->name() + " is not shown");
        return;
      }
      stage_.act([&] { program_.key(*target.window, keyName); });
    } else if (command == "focused") {
      out_ << JsonString(focusedTarget()) << std::endl;
    } else if (command == "answer") {
      if (blank == std::string_view::npos) {
        host_.queueAnswer(std::nullopt);
      } else {
        host_.queueAnswer(parseText(rest));
      }
    } else if (command == "get") {
      out_ << get(parseTarget(rest, true)) << std::endl;
    } else if (command == "canvas") {
      PrintCanvas(RequireSurface(parseTarget(rest, false)), out_);
    } else if (command == "digest") {
      const Surface& surface = RequireSurface(parseTarget(rest, false));
      PrintDigest(surface, rest, out_);
      if (options_.canvasAfterDigest) PrintCanvas(surface, out_);
    } else if (command == "controls") {
      printControls(requireWindow(rest, command));
    } else if (command == "png") {
      const auto space = rest.find(' ');
      if (space == std::string_view::npos) throw ScriptError("png needs a window and a file");
      Target target = parseTarget(rest.substr(0, space), false);
      if (target.control) throw ScriptError("png takes a window, not a control");
      writePng(*target.window, parseText(rest.substr(space + 1)), "png");
    } else if (command == "hover") {
      hover(rest);
    } else if (command == "keep" || command == "unkeep") {
      Window& window = requireWindow(rest, command);
      if (command == "keep") {
        KeepRun(window);
      } else {
        ClearKeptRun(window);
      }
    } else if (command == "export") {
      exportFile(rest);
    } else if (command == "record") {
      record(rest);
    } else if (command == "resize") {
      resize(rest);
    } else {
      throw ScriptError("unknown command '" + std::string(command) + "'");
    }
  }

 private:
  // The words of `text` split at blanks; the last takes the rest of the line when `rest`.
  static std::vector<std::string_view> splitWords(std::string_view text, size_t count) {
    std::vector<std::string_view> words;
    while (words.size() + 1 < count) {
      const auto space = text.find(' ');
      if (space == std::string_view::npos) break;
      words.push_back(text.substr(0, space));
      text = text.substr(space + 1);
    }
    words.push_back(text);
    return words;
  }

  Window& requireWindow(std::string_view text, std::string_view command) {
    const Target target = parseTarget(text, false);
    if (target.control) throw ScriptError(std::string(command) + " takes a window, not a control");
    return *target.window;
  }

  static double parseNumber(std::string_view text, std::string_view what) {
    double value = 0;
    const NumberReading reading = ReadNumber(text, value);
    if (text.empty() || reading.error != std::errc() || reading.length != text.size()) {
      throw ScriptError("malformed " + std::string(what) + " '" + std::string(text) + "'");
    }
    return value;
  }

  void hover(std::string_view rest) {
    const auto words = splitWords(rest, 3);
    if (words.size() != 3) throw ScriptError("hover needs a window, X and Y");
    Window& window = requireWindow(words[0], "hover");
    const auto readout = ReadOut(window, parseNumber(words[1], "X"), parseNumber(words[2], "Y"));
    if (!readout) {
      out_ << "readout null" << std::endl;
      return;
    }
    out_ << "readout {\"series\":" << JsonString(readout->series)
         << ",\"x\":" << JsonNumber(readout->x) << ",\"value\":" << JsonNumber(readout->value)
         << ",\"shown\":" << JsonString(ShownValue(readout->value)) << "}" << std::endl;
  }

  void exportFile(std::string_view rest) {
    const auto words = splitWords(rest, 3);
    if (words.size() != 3) throw ScriptError("export needs a window, a format and a file");
    Window& window = requireWindow(words[0], "export");
    const std::string file = parseText(words[2]);
    const std::string_view format = words[1];
    std::string content;
    if (format == "png") {
      writePng(window, file, "export");
      return;
    } else if (format == "svg") {
      content = WindowSvg(window);
    } else if (format == "csv") {
      content = WindowCsv(window);
      if (content.empty()) {
        refuse(window, NothingToWrite(window, "graph or printed table", "CSV"));
        return;
      }
    } else if (format == "text") {
      content = PrintedText(window.surface());
      if (content.empty()) {
        refuse(window, NothingToWrite(window, "printed text", "text"));
        return;
      }
    } else {
      throw ScriptError("unknown export format '" + std::string(format) + "'");
    }
    if (file == "-") {
      // Into the output itself, so that a session can pin the values.
      out_ << content << std::flush;
      return;
    }
    std::ofstream stream(file, std::ios::binary);
    stream << content;
    if (!stream.flush()) throw ScriptError("export: cannot write " + file);
  }

  void record(std::string_view rest) {
    const auto words = splitWords(rest, 2);
    if (words.size() != 2) throw ScriptError("record needs a window and a file");
    Window& window = requireWindow(words[0], "record");
    if (!options_.pictures.writeRecord) {
      refuse(window, NotInThisBuild("record"));
      return;
    }
    std::string error;
    if (!options_.pictures.writeRecord(window, parseText(words[1]), error)) {
      throw ScriptError("record: " + error);
    }
  }

  void resize(std::string_view rest) {
    const auto words = splitWords(rest, 3);
    if (words.size() != 3) throw ScriptError("resize needs a window, a width and a height");
    Window& window = requireWindow(words[0], "resize");
    const double width = parseNumber(words[1], "width");
    const double height = parseNumber(words[2], "height");
    if (!(width >= 1 && height >= 1 && width <= 8000 && height <= 8000)) {
      throw ScriptError("resize: a size from 1 to 8000 pixels is needed");
    }
    viewSizes_[&window] = {static_cast<int>(width), static_cast<int>(height)};
  }

  void writePng(Window& window, const std::string& file, std::string_view command) {
    std::optional<std::pair<int, int>> size;
    if (const auto found = viewSizes_.find(&window); found != viewSizes_.end()) {
      size = found->second;
    }
    if (!options_.pictures.writePng) {
      refuse(window, NotInThisBuild(command == "png" ? "png" : "export png"));
      return;
    }
    std::string error;
    if (!options_.pictures.writePng(program_, window, file, size, error)) {
      throw ScriptError(std::string(command) + ": " + error);
    }
  }

  static std::string parseText(std::string_view text) {
    if (!text.empty() && text.front() == '"') {
      if (auto parsed = ParseJsonString(text)) return *parsed;
      throw ScriptError("malformed JSON string " + std::string(text));
    }
    return std::string(text);
  }

  Target parseTarget(std::string_view text, bool allowProperty) {
    if (text.empty()) throw ScriptError("missing target");
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
      const auto dot = text.find('.', start);
      parts.push_back(text.substr(start, dot - start));
      if (dot == std::string_view::npos) break;
      start = dot + 1;
    }
    for (std::string_view part : parts) {
      if (part.empty()) throw ScriptError("unknown target '" + std::string(text) + "'");
    }
    if (parts.size() > 3) throw ScriptError("unknown target '" + std::string(text) + "'");
    if (!program_.knowsWindow(parts[0])) {
      throw ScriptError("unknown window '" + std::string(parts[0]) + "'");
    }
    Target target;
    target.window = &program_.form(parts[0]);
    if (parts.size() >= 2) {
      std::string name;
      int index = -1;
      if (SplitIndexed(parts[1], name, index)) target.control = target.window->find(name, index);
      if (!target.control) {
        // WINDOW.PROPERTY
        if (parts.size() == 2 && allowProperty) {
          target.property = std::string(parts[1]);
          return target;
        }
        throw ScriptError("unknown target '" + std::string(text) + "'");
      }
    }
    if (parts.size() == 3) {
      if (!allowProperty) throw ScriptError("unknown target '" + std::string(text) + "'");
      target.property = std::string(parts[2]);
    }
    return target;
  }

  // "WINDOW.CONTROL(INDEX)" of the control with the keyboard focus in the active window; the
  // window's name alone when none of its controls has it, empty when no window is shown.
  std::string focusedTarget() const {
    const Window* window = program_.activeWindow();
    if (!window) return "";
    const Control* control = window->focusedControl();
    if (!control) return window->name();
    return window->name() + "." + control->qualifiedName();
  }

  // A person cannot act on what is not shown or not enabled: the driver refuses it with an error
  // line naming the control, and the script goes on.
  bool reachable(const Control& control, std::string_view action) {
    const std::string why = WhyUnreachable(control);
    if (why.empty()) return true;
    refuse(control.window(),
           control.qualifiedName() + " cannot be " + std::string(action) + ": " + why);
    return false;
  }

  void refuse(const Window& window, const std::string& message) {
    host_.printError(window.name(), message);
  }

  void printControls(const Window& window) {
    auto boolean = [](bool value) { return value ? "true" : "false"; };
    for (const auto& c : window.controls()) {
      const bool isText = c->kind() == ControlKind::TextBox;
      out_ << "{\"name\":" << JsonString(c->qualifiedName()) << ",\"kind\":\""
           << ControlKindName(c->kind()) << "\"," << (isText ? "\"text\":" : "\"caption\":")
           << JsonString(isText ? ShownText(*c) : c->caption())
           << ",\"Left\":" << JsonNumber(c->left()) << ",\"Top\":" << JsonNumber(c->top())
           << ",\"Width\":" << JsonNumber(c->width()) << ",\"Height\":" << JsonNumber(c->height())
           << ",\"Visible\":" << boolean(c->visible()) << ",\"Enabled\":" << boolean(c->enabled())
           << "}\n";
    }
    out_ << "end controls" << std::endl;
  }

  static const Surface& RequireSurface(const Target& target) {
    if (!target.control) return target.window->surface();
    const Surface* surface = target.control->surfaceIfAny();
    if (!surface) throw ScriptError("the target has no drawing surface");
    return *surface;
  }

  static Control& requireControl(const Target& target) {
    if (!target.control) throw ScriptError("the target must be a control");
    return *target.control;
  }

  // A field's text as a reader sees it: a page held as Markdown reads as its plain text.
  static std::string ShownText(const Control& c) {
    return c.markdown() ? PlainTextFromMarkdown(c.text()) : c.text();
  }

  std::string get(const Target& target) {
    if (target.property.empty()) {
      if (!target.control) return JsonString(target.window->caption());
      const Control& c = *target.control;
      return JsonString(c.kind() == ControlKind::TextBox ? ShownText(c) : c.caption());
    }
    const std::string_view p = target.property;
    auto is = [&](std::string_view name) { return EqualsIgnoringCase(p, name); };
    auto boolean = [](bool value) { return std::string(value ? "true" : "false"); };
    if (target.control) {
      const Control& c = *target.control;
      if (is("Visible")) return boolean(c.visible());
      if (is("Enabled")) return boolean(c.enabled());
      if (is("Value")) return JsonNumber(c.value());
      if (is("BackColor")) return JsonString(ColorHex(c.backColor()));
      if (is("ForeColor")) return JsonString(ColorHex(c.foreColor()));
      if (is("Left")) return JsonNumber(c.left());
      if (is("Top")) return JsonNumber(c.top());
      if (is("Width")) return JsonNumber(c.width());
      if (is("Height")) return JsonNumber(c.height());
      if (is("Text")) return JsonString(ShownText(c));
      if (is("Caption")) return JsonString(c.caption());
      if (c.surfaceIfAny()) return surfaceProperty(*c.surfaceIfAny(), p);
    } else {
      const Window& w = *target.window;
      if (is("Visible")) return boolean(w.visible());
      if (is("Caption")) return JsonString(w.caption());
      if (is("BackColor")) return JsonString(ColorHex(w.backColor()));
      if (is("Left")) return JsonNumber(w.left());
      if (is("Top")) return JsonNumber(w.top());
      if (is("Width")) return JsonNumber(w.width());
      if (is("Height")) return JsonNumber(w.height());
      return surfaceProperty(w.surface(), p);
    }
    throw ScriptError("unknown property '" + std::string(p) + "'");
  }

  static std::string surfaceProperty(const Surface& s, std::string_view p) {
    auto is = [&](std::string_view name) { return EqualsIgnoringCase(p, name); };
    if (is("ScaleWidth")) return JsonNumber(s.ScaleWidth());
    if (is("ScaleHeight")) return JsonNumber(s.ScaleHeight());
    if (is("CurrentX")) return JsonNumber(s.CurrentX);
    if (is("CurrentY")) return JsonNumber(s.CurrentY);
    if (is("DrawWidth")) return JsonNumber(s.DrawWidth);
    if (is("DrawStyle")) return JsonNumber(s.DrawStyle);
    if (is("FillStyle")) return JsonNumber(s.FillStyle);
    if (is("FillColor")) return JsonString(ColorHex(s.FillColor));
    if (is("AutoRedraw")) return s.AutoRedraw ? "true" : "false";
    throw ScriptError("unknown property '" + std::string(p) + "'");
  }

  std::ostream& out_;
  ScriptHost& host_;
  Program& program_;
  ScriptStage& stage_;
  ScriptOptions options_;
  // Window sizes set by resize, in pixels; others are shown at their designed size.
  std::map<const Window*, std::pair<int, int>> viewSizes_;
};

ScriptInterpreter::ScriptInterpreter(Program& program, ScriptHost& dialogs, ScriptStage& stage,
                                     std::ostream& out, ScriptOptions options)
    : commands_(std::make_unique<Commands>(program, dialogs, stage, out, options)) {}

ScriptInterpreter::~ScriptInterpreter() = default;

void ScriptInterpreter::execute(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return;
  if (line.find_first_not_of(" \t") == std::string_view::npos) return;
  commands_->execute(line);
}

bool ScriptInterpreter::executeLine(std::string line, int number, std::ostream& errors) {
  std::string what;
  try {
    execute(line);
    return true;
  } catch (const ScriptError& error) {
    what = error.what();
  } catch (const RuntimeFailure& failure) {
    // Outside any handler: a target that cannot be made.
    what = failure.what();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  commands_->flush();
  errors << "line " << number << ": " << what << ": " << line << std::endl;
  return false;
}

bool ScriptInterpreter::ended() const {
  return commands_->ended();
}

int RunScript(std::istream& in, std::ostream& out, std::ostream& errors, ScriptOptions options) {
  ScriptHost host(out);
  Program program(host);
  StartProgram(program);
  ScriptStage headless;
  ScriptInterpreter interpreter(program, host, headless, out, options);
  std::string line;
  int number = 0;
  while (!interpreter.ended() && std::getline(in, line)) {
    if (!interpreter.executeLine(line, ++number, errors)) return 2;
  }
  out.flush();
  return 0;
}

int ScriptMain(int argc, char** argv, ScriptOptions options) {
  std::ios::sync_with_stdio(false);
  int first = 1;
  if (argc > 1 && std::string_view(argv[1]) == "--canvas-after-digest") {
    options.canvasAfterDigest = true;
    ++first;
  }
  if (argc - first > 1) {
    std::cerr << "usage: sylvandra-script [--canvas-after-digest] [SCRIPT]\n";
    return 2;
  }
  if (argc - first == 1) {
    std::ifstream file(argv[first]);
    if (!file) {
      std::cerr << "sylvandra-script: cannot read " << argv[first] << "\n";
      return 2;
    }
    return RunScript(file, std::cout, std::cerr, options);
  }
  return RunScript(std::cin, std::cout, std::cerr, options);
}

}  // namespace sylvandra::script
