#include "ui/application.h"

#include <QApplication>
#include <cstdlib>

namespace sylvandra::ui {

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // QApplication keeps references to argc and argv for its whole life.
  static int argc = 1;
  static char name[] = "sylvandra";
  static char* argv[] = {name, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

}  // namespace sylvandra::ui
