#include "ui/window_image.h"

namespace sylvandra {

bool WriteWindowPng(Program&, Window&, const std::string&, std::string& error) {
  error = "not built yet";
  return false;
}

}  // namespace sylvandra
