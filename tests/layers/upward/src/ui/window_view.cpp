// Allowed: the front end reaches everything, Qt included.
#include <QWidget>
#include "app/startup.h"

// Allowed: the desktop's drawing may use the C library's functions.
double Angle(double y, double x) {
  return std::atan2(y, x);
}
