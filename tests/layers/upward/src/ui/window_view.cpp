// Allowed: the front end reaches everything, Qt included.
#include <QWidget>
#include "app/startup.h"
