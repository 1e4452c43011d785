#include "desktop_pictures.h"

#include "ui/run_record.h"
#include "ui/window_image.h"

namespace sylvandra::script {

PictureCommands DesktopPictureCommands() {
  PictureCommands commands;
  commands.writePng = [](Program& program, Window& window, const std::string& file,
                         std::optional<std::pair<int, int>> sizeInPixels, std::string& error) {
    return WriteWindowPng(program, window, file, error, sizeInPixels);
  };
  commands.writeRecord = WriteRunRecord;
  return commands;
}

}  // namespace sylvandra::script
