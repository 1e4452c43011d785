// The desktop host: real modal dialogs, repaints and stop requests during long runs, and the end
// of the program.
// The dialogs are shown by a DialogPresenter, which tests replace to answer without a person.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/host.h"

class QDialog;
class QWidget;

namespace sylvandra::ui {

class Desktop;

class DialogPresenter {
 public:
  virtual ~DialogPresenter() = default;
  // buttons: the button set and icon as the program asks for them (0 = OK only); returns the
  // button pressed (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No).
  virtual int message(QWidget* parent, const std::string& title, const std::string& prompt,
                      int buttons) = 0;
  // The text entered, or nothing when the box was cancelled.
  virtual std::optional<std::string> input(QWidget* parent, const std::string& title,
                                           const std::string& prompt,
                                           const std::string& defaultText) = 0;
  virtual void failure(QWidget* parent, const std::string& title, const std::string& text) = 0;
};

// QMessageBox and QInputDialog, application modal. With closeAfterMs each box closes by itself
// after being shown that long (a played script's boxes), an input box taking the text it shows.
class NativeDialogs : public DialogPresenter {
 public:
  explicit NativeDialogs(std::optional<int> closeAfterMs = std::nullopt)
      : closeAfterMs_(closeAfterMs) {}
  int message(QWidget* parent, const std::string& title, const std::string& prompt,
              int buttons) override;
  std::optional<std::string> input(QWidget* parent, const std::string& title,
                                   const std::string& prompt,
                                   const std::string& defaultText) override;
  void failure(QWidget* parent, const std::string& title, const std::string& text) override;

 private:
  void closeLater(QDialog& dialog) const;
  std::optional<int> closeAfterMs_;
};

class QtHost : public Host {
 public:
  explicit QtHost(std::unique_ptr<DialogPresenter> dialogs = std::make_unique<NativeDialogs>());
  ~QtHost() override;

  // The views to bring up to date before a dialog and at a repaint.
  void attach(Desktop* desktop) { desktop_ = desktop; }
  // A played script: every box, failure and the end of the program is first given to `script`,
  // which logs it and answers input boxes from its queue; the box then shows that answer.
  void playAlong(Host* script) { script_ = script; }

  int messageBox(const std::string& prompt, int buttons, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  // The desktop closes every window and quits once the running handler has returned.
  void programEnded() override {
    if (script_) script_->programEnded();
  }
  void repaint() override;
  bool showsFrames() const override { return desktop_ != nullptr; }
  // Escape, the Return button or the close button of the running handler's window, pressed
  // during a long run (the desktop holds them until the run has stopped).
  bool stopRequested() const override;
  void reportFailure(const Window& window, const std::string& message) override;

  // The text of the box that reports a run-time failure.
  static std::string failureText(const Window& window, const std::string& message);

 private:
  QWidget* prepareDialog();
  std::string titleOr(const std::string& title) const;

  std::unique_ptr<DialogPresenter> dialogs_;
  Desktop* desktop_ = nullptr;
  Host* script_ = nullptr;
};

}  // namespace sylvandra::ui
