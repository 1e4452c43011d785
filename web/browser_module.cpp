// The browser module: the program's session behind the functions the page calls. A box or a
// frame of a long run calls into the page and waits for it (the handler's stack is kept while
// the page runs), so a handler reads the answer as on the desktop.
#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>

#include "json.h"
#include "web_session.h"

namespace {

// clang-format off
EM_ASYNC_JS(int, PageMessage, (const char* title, const char* prompt, int buttons), {
  return await Module.page.message(UTF8ToString(title), UTF8ToString(prompt), buttons);
});

// A text the caller frees, or null when the box was cancelled.
EM_ASYNC_JS(char*, PageInput, (const char* title, const char* prompt, const char* defaultText), {
  const answer = await Module.page.input(UTF8ToString(title), UTF8ToString(prompt),
                                         UTF8ToString(defaultText));
  if (answer === null || answer === undefined) return 0;
  const size = lengthBytesUTF8(answer) + 1;
  const text = _malloc(size);
  stringToUTF8(answer, text, size);
  return text;
});

EM_ASYNC_JS(void, PageFrame, (), {
  await Module.page.frame();
});

EM_ASYNC_JS(void, PageWait, (double milliseconds), {
  await Module.page.wait(milliseconds);
});

EM_JS(void, PageEnded, (), {
  Module.page.ended();
});
// clang-format on

class BrowserPage : public sylvandra::web::Page {
 public:
  int message(const std::string& title, const std::string& prompt, int buttons) override {
    return PageMessage(title.c_str(), prompt.c_str(), buttons);
  }
  std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultText) override {
    char* answer = PageInput(title.c_str(), prompt.c_str(), defaultText.c_str());
    if (!answer) return std::nullopt;
    std::string text(answer);
    free(answer);
    return text;
  }
  void frame() override { PageFrame(); }
  void wait(double milliseconds) override { PageWait(milliseconds); }
  void ended() override { PageEnded(); }
};

BrowserPage page;
std::unique_ptr<sylvandra::web::WebSession> session;

sylvandra::web::WebSession& Session() {
  if (!session) session = std::make_unique<sylvandra::web::WebSession>(page);
  return *session;
}

// {"lines":[...]} or {"error":"..."} for a line the driver does not know.
template <class Deliver>
std::string Printed(Deliver deliver) {
  try {
    std::string json = "{\"lines\":[";
    bool first = true;
    for (const std::string& line : deliver()) {
      if (!first) json += ",";
      first = false;
      json += sylvandra::script::JsonString(line);
    }
    return json + "]}";
  } catch (const sylvandra::script::ScriptError& error) {
    return "{\"error\":" + sylvandra::script::JsonString(error.what()) + "}";
  }
}

// Each function keeps its own answer: the page may ask for the scene while an action waits.
std::string sceneText, actText, runText;
sylvandra::web::DrawingUpdate drawing;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* sylvandra_scene() {
  sceneText = Session().scene();
  return sceneText.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* sylvandra_drawing(const char* target, double generation,
                                                   double painted) {
  drawing = Session().drawing(target, static_cast<std::uint64_t>(generation),
                              static_cast<std::uint64_t>(painted));
  return drawing.json.c_str();
}

// The packed marks of the drawing last asked for (its "count" marks).
EMSCRIPTEN_KEEPALIVE const double* sylvandra_drawing_marks() {
  return drawing.marks.data();
}

EMSCRIPTEN_KEEPALIVE const char* sylvandra_act(const char* line) {
  actText = Printed([&] { return Session().act(line); });
  return actText.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* sylvandra_run(const char* line) {
  runText = Printed([&] { return Session().run(line); });
  return runText.c_str();
}

EMSCRIPTEN_KEEPALIVE void sylvandra_edit(const char* target, const char* text) {
  Session().edit(target, text);
}

EMSCRIPTEN_KEEPALIVE void sylvandra_key_up(const char* target) {
  Session().keyUp(target);
}

EMSCRIPTEN_KEEPALIVE void sylvandra_close(const char* window) {
  Session().closeWindow(window);
}

EMSCRIPTEN_KEEPALIVE void sylvandra_stop() {
  Session().requestStop();
}

EMSCRIPTEN_KEEPALIVE void sylvandra_restart() {
  Session().restart();
}

}  // extern "C"
