#include "ui/qt_host.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "platform/dialog_text.h"
#include "platform/window.h"
#include "ui/desktop.h"
#include "ui/qt_conversions.h"

namespace sylvandra::ui {
namespace {

QMessageBox::StandardButtons ButtonSet(int buttons) {
  switch (buttons & 0x0f) {
    case 1:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case 2:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case 3:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case 4:
      return QMessageBox::Yes | QMessageBox::No;
    case 5:
      return QMessageBox::Retry | QMessageBox::Cancel;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon ButtonIcon(int buttons) {
  switch (buttons & 0x70) {
    case 16:
      return QMessageBox::Critical;
    case 32:
      return QMessageBox::Question;
    case 48:
      return QMessageBox::Warning;
    case 64:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int ButtonCode(int pressed) {
  switch (pressed) {
    case QMessageBox::Cancel:
      return 2;
    case QMessageBox::Abort:
      return 3;
    case QMessageBox::Retry:
      return 4;
    case QMessageBox::Ignore:
      return 5;
    case QMessageBox::Yes:
      return 6;
    case QMessageBox::No:
      return 7;
    default:
      return 1;
  }
}

}  // namespace

void NativeDialogs::closeLater(QDialog& dialog) const {
  if (!closeAfterMs_) return;
  QTimer::singleShot(*closeAfterMs_, &dialog, [&dialog] { dialog.accept(); });
}

int NativeDialogs::message(QWidget* parent, const std::string& title, const std::string& prompt,
                           int buttons) {
  QMessageBox box(ButtonIcon(buttons), ToQString(title), ToQString(prompt), ButtonSet(buttons),
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  closeLater(box);
  return ButtonCode(box.exec());
}

std::optional<std::string> NativeDialogs::input(QWidget* parent, const std::string& title,
                                                const std::string& prompt,
                                                const std::string& defaultText) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(ToQString(title));
  dialog.setLabelText(ToQString(prompt));
  dialog.setTextValue(ToQString(defaultText));
  dialog.setWindowModality(Qt::ApplicationModal);
  // Long prompts wrap instead of widening the box past the screen.
  if (auto* label = dialog.findChild<QLabel*>()) label->setWordWrap(true);
  closeLater(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToStdString(dialog.textValue());
}

void NativeDialogs::failure(QWidget* parent, const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, ToQString(title), ToQString(text), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  closeLater(box);
  box.exec();
}

QtHost::QtHost(std::unique_ptr<DialogPresenter> dialogs) : dialogs_(std::move(dialogs)) {}

QtHost::~QtHost() = default;

QWidget* QtHost::prepareDialog() {
  if (!desktop_) return nullptr;
  // The person sees what the handler has written so far.
  desktop_->sync();
  return desktop_->dialogParent();
}

std::string QtHost::titleOr(const std::string& title) const {
  const std::string own = desktop_ ? BoxTitle(desktop_->program(), title) : title;
  return own.empty() ? ToStdString(QCoreApplication::applicationName()) : own;
}

int QtHost::messageBox(const std::string& prompt, int buttons, const std::string& title) {
  QWidget* parent = prepareDialog();
  if (script_) {
    const int pressed = script_->messageBox(prompt, buttons, title);
    dialogs_->message(parent, titleOr(title), prompt, buttons);
    return pressed;
  }
  return dialogs_->message(parent, titleOr(title), prompt, buttons);
}

std::string QtHost::inputBox(const std::string& prompt, const std::string& title,
                             const std::string& defaultText) {
  QWidget* parent = prepareDialog();
  if (script_) {
    const std::string reply = script_->inputBox(prompt, title, defaultText);
    dialogs_->input(parent, titleOr(title), prompt, reply);
    return reply;
  }
  return dialogs_->input(parent, titleOr(title), prompt, defaultText).value_or("");
}

void QtHost::repaint() {
  if (desktop_) desktop_->repaintNow();
}

bool QtHost::stopRequested() const {
  return desktop_ && desktop_->stopRequested();
}

std::string QtHost::failureText(const Window& window, const std::string& message) {
  return FailureBoxText(window, message);
}

void QtHost::reportFailure(const Window& window, const std::string& message) {
  QWidget* parent = prepareDialog();
  // The script's log keeps the window's name (its contract); the person sees the caption.
  if (script_) script_->reportFailure(window, message);
  dialogs_->failure(parent, titleOr(window.caption()), failureText(window, message));
}

}  // namespace sylvandra::ui
