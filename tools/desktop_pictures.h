// The driver's picture commands (png, export ... png, record) drawn by the Qt front end: what the
// desktop build of sylvandra-script and sylvandra --play register.
#pragma once

#include "script_runner.h"

namespace sylvandra::script {

PictureCommands DesktopPictureCommands();

}  // namespace sylvandra::script
