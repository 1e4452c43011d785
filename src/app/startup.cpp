#include "app/startup.h"

#include "app/model_page.h"
#include "exercises/biogeochem/windows.h"
#include "exercises/carbon_water/windows.h"
#include "exercises/population/windows.h"
#include "game/windows.h"
#include "plot/output/output_windows.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/ex16_ask.h"

namespace sylvandra {

void RegisterShellWindows(Program& program) {
  program.registerWindow<A_Select>();
  program.registerWindow<A_Intro>();
  program.registerWindow<Ex16Ask>();
  program.registerWindow<outpt>();
  program.registerWindow<Outpt2>();
  program.registerWindow<outmap>();
  program.registerWindow<ModelPage>();
}

// Each exercise folder registers its own windows.
void RegisterWindows(Program& program) {
  RegisterShellWindows(program);
  RegisterCarbonWaterWindows(program);
  RegisterBiogeochemWindows(program);
  RegisterPopulationWindows(program);
  RegisterGameWindows(program);
}

namespace {

// A program no one answers, made only to list what a registration function registers.
class QuietHost : public Host {
 public:
  int messageBox(const std::string&, int, const std::string&) override { return 1; }
  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    return "";
  }
  void programEnded() override {}
  void reportFailure(const Window&, const std::string&) override {}
};

std::vector<std::string> NamesRegisteredBy(std::initializer_list<void (*)(Program&)> registers) {
  QuietHost host;
  Program program(host);
  for (const auto registerWindows : registers) registerWindows(program);
  return program.registeredWindows();
}

}  // namespace

std::vector<std::string> ExerciseWindowNames() {
  return NamesRegisteredBy({RegisterCarbonWaterWindows, RegisterBiogeochemWindows,
                            RegisterPopulationWindows, RegisterGameWindows});
}

std::vector<std::string> GameWindowNames() {
  return NamesRegisteredBy({RegisterGameWindows});
}

void StartProgram(Program& program) {
  RegisterWindows(program);
  InstallModelPages(program);
  program.form<A_Select>().Show();
}

}  // namespace sylvandra
