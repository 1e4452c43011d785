#include "web_session.h"

#include <cstdlib>

#include "app/startup.h"
#include "platform/runtime_failure.h"
#include "scene_json.h"

namespace sylvandra::web {

// The page's actions run as the driver's do; a stop asked for during one is forgotten with it.
class WebSession::PageStage : public script::ScriptStage {
 public:
  explicit PageStage(WebHost& host) : host_(host) {}
  void act(const std::function<void()>& action) override {
    action();
    host_.clearStop();
  }

 private:
  WebHost& host_;
};

WebSession::WebSession(Page& page) : host_(page) {
  restart();
}

WebSession::~WebSession() = default;

void WebSession::restart() {
  interpreter_.reset();
  host_.attach(nullptr);
  scriptHost_ = std::make_unique<script::ScriptHost>(out_);
  program_ = std::make_unique<Program>(host_);
  host_.attach(program_.get());
  StartProgram(*program_);
  stage_ = std::make_unique<PageStage>(host_);
  interpreter_ =
      std::make_unique<script::ScriptInterpreter>(*program_, *scriptHost_, *stage_, out_);
  out_.str({});
}

std::vector<std::string> WebSession::execute(std::string_view line) {
  out_.str({});
  out_.clear();
  // As the driver reads no further once the program has ended.
  if (!interpreter_->ended()) {
    try {
      interpreter_->execute(line);
    } catch (const RuntimeFailure& failure) {
      // Outside any handler: a target that cannot be made, as the driver reports it.
      throw script::ScriptError(failure.what());
    }
  }
  std::vector<std::string> lines;
  std::istringstream printed(out_.str());
  for (std::string printedLine; std::getline(printed, printedLine);) {
    lines.push_back(printedLine);
  }
  out_.str({});
  return lines;
}

std::vector<std::string> WebSession::act(std::string_view line) {
  return execute(line);
}

void WebSession::closeWindow(std::string_view windowName) {
  if (!program_->knowsWindow(windowName)) return;
  Window& window = program_->form(windowName);
  if (!window.visible() || program_->ended()) return;
  program_->closeWindow(window);
  host_.clearStop();
}

std::vector<std::string> WebSession::run(std::string_view line) {
  host_.playAlong(scriptHost_.get());
  struct PageAgain {
    WebHost& host;
    ~PageAgain() { host.playAlong(nullptr); }
  } pageAgain{host_};
  return execute(line);
}

std::string WebSession::scene() const {
  return SceneJson(*program_);
}

Control* WebSession::pageControl(std::string_view target) const {
  const auto dot = target.find('.');
  const Window* window = program_->loaded(target.substr(0, dot));
  if (!window || dot == std::string_view::npos) return nullptr;
  const std::string_view part = target.substr(dot + 1);
  const auto open = part.find('(');
  int index = -1;
  if (open != std::string_view::npos) index = std::atoi(std::string(part.substr(open + 1)).c_str());
  return window->find(part.substr(0, open), index);
}

bool WebSession::reachable(const Control* field) const {
  // A key released after its window closed (Escape) reaches no field of it.
  return field && !program_->ended() && field->visible() && field->window().visible();
}

void WebSession::edit(std::string_view target, std::string text) {
  Control* field = pageControl(target);
  if (!reachable(field)) return;
  stage_->act([&] { program_->edit(*field, std::move(text)); });
}

void WebSession::keyUp(std::string_view target) {
  Control* field = pageControl(target);
  if (!reachable(field)) return;
  stage_->act([&] { program_->keyUp(*field); });
}

DrawingUpdate WebSession::drawing(std::string_view target, std::uint64_t generation,
                                  std::uint64_t painted) const {
  if (target.find('.') == std::string_view::npos) {
    const Window* window = program_->loaded(target);
    if (!window) return {"null", {}};
    return PackedDrawing(window->surface(), generation, painted);
  }
  const Control* control = pageControl(target);
  const Surface* surface = control ? control->surfaceIfAny() : nullptr;
  if (!surface) return {"null", {}};
  return PackedDrawing(*surface, generation, painted);
}

}  // namespace sylvandra::web
