// The Qt application object the front end needs. The desktop program creates its own; the
// script driver and the tests get an offscreen one on first use.
#pragma once

namespace sylvandra::ui {

// Creates the application object unless one exists, on the offscreen platform unless
// QT_QPA_PLATFORM names another; it is kept until the process ends.
void EnsureGuiApplication();

}  // namespace sylvandra::ui
