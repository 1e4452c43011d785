// A small window with one control of each common kind, a desktop built on a host whose dialogs
// are answered by the test, and helpers to reach the widgets.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/program.h"
#include "platform/window.h"
#include "ui/application.h"
#include "ui/desktop.h"
#include "ui/qt_host.h"
#include "ui/window_view.h"

namespace sylvandra::testing {

// Window client area: 400 x 300 pixels at (100, 200). The drawing tests use the free areas
// x 100..190 below y 150, and x 200..360 of row 280..290.
class LabWindow : public Window {
 public:
  static constexpr const char* kName = "LabWindow";
  explicit LabWindow(Program& program)
      : Window(program, kName, "Lab Bench", {1500, 3000, 6000, 4500}) {
    Mass.setLabel("Sample mass");
    Run.onClick = [this] {
      events.push_back("Run_Click");
      Result.setCaption("ran with " + Mass.text());
    };
    Fill.onClick = [this] { Mass.setText("42"); };
    Weigh.onClick = [this] { Result.setCaptionNumber(Mass.number() * 2); };
    Mass.onChange = [this] { events.push_back("Mass_Change:" + Mass.text()); };
    Mass.onKeyUp = [this] { events.push_back("Mass_KeyUp:" + Mass.text()); };
    Mass.onGotFocus = [this] { events.push_back("Mass_GotFocus"); };
    // Completes a species name from its first letter, as the canopy exercise does.
    Species.onChange = [this] {
      if (!Species.text().empty() && (Species.text()[0] == 'm' || Species.text()[0] == 'M')) {
        Species.setText("Maple");
      }
    };
    Result.onClick = [this] { events.push_back("Result_Click"); };
    Notes.onChange = [this] { events.push_back("Notes_Change:" + Notes.text()); };
    Pick(0).onClick = [this] { events.push_back("Pick_Click(0)"); };
    Pick(1).onClick = [this] { events.push_back("Pick_Click(1)"); };
    Plot.setBackColor(kWhite);
  }

  ControlArray& Pick = array("Pick");
  Control& Run = addButton("Run", "Run", {150, 300, 1200, 375});
  Control& Fill = addButton("Fill", "Fill", {150, 4200, 600, 255});
  Control& Weigh = addButton("Weigh", "Weigh", {900, 4200, 600, 255});
  Control& Mass = addTextBox("Mass", "12.5", {150, 900, 1500, 285});
  Control& Species = addTextBox("Species", "", {1800, 900, 1000, 285});
  Control& First = addOption("Pick", "First", {150, 1500, 1200, 255}, 0);
  Control& Second = addOption("Pick", "Second", {150, 1800, 1200, 255}, 1);
  Control& Keep = addCheckBox("Keep", "Keep", {150, 2100, 1200, 255});
  Control& Result = addLabel("Result", "", {1800, 300, 2400, 255});
  Control& Notes = addTextBox("Notes", "", {4350, 300, 1500, 900}).setMultiLine(true);
  Control& Plot = addPicture("Plot", {3000, 1500, 2400, 2400});
  std::vector<std::string> events;
};

// Answers dialogs at once and remembers what was asked.
class RecordingDialogs : public ui::DialogPresenter {
 public:
  struct Shown {
    std::string title, text;
  };
  int message(QWidget*, const std::string& title, const std::string& prompt, int) override {
    messages.push_back({title, prompt});
    if (onMessage) onMessage();
    return 1;
  }
  std::optional<std::string> input(QWidget*, const std::string& title, const std::string& prompt,
                                   const std::string& defaultText) override {
    inputs.push_back({title, prompt});
    if (replies.empty()) return defaultText;
    auto reply = replies.front();
    replies.pop_front();
    return reply;
  }
  void failure(QWidget*, const std::string& title, const std::string& text) override {
    failures.push_back({title, text});
  }

  std::vector<Shown> messages, inputs, failures;
  std::deque<std::optional<std::string>> replies;
  std::function<void()> onMessage;
};

class UiTest : public ::testing::Test {
 protected:
  UiTest() {
    ui::EnsureGuiApplication();
    auto dialogs = std::make_unique<RecordingDialogs>();
    dialogs_ = dialogs.get();
    host_ = std::make_unique<ui::QtHost>(std::move(dialogs));
    program_ = std::make_unique<Program>(*host_);
    desktop_ = std::make_unique<ui::Desktop>(*program_);
    host_->attach(desktop_.get());
  }
  ~UiTest() override {
    desktop_.reset();
    program_.reset();
  }

  Program& program() { return *program_; }
  ui::Desktop& desktop() { return *desktop_; }
  RecordingDialogs& dialogs() { return *dialogs_; }

  // The lab window, shown and synced.
  LabWindow& ShowLab() {
    LabWindow& lab = program().form<LabWindow>();
    lab.Show();
    desktop().sync();
    return lab;
  }
  ui::WindowView& ViewOf(const Window& window) {
    ui::WindowView* view = desktop().view(window);
    EXPECT_NE(view, nullptr);
    return *view;
  }
  template <class W>
  W* WidgetOf(const Control& control) {
    return qobject_cast<W*>(ViewOf(control.window()).widgetFor(control));
  }
  QImage Grab(const Window& window) {
    return ViewOf(window).grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

 private:
  RecordingDialogs* dialogs_ = nullptr;
  std::unique_ptr<ui::QtHost> host_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<ui::Desktop> desktop_;
};

}  // namespace sylvandra::testing
