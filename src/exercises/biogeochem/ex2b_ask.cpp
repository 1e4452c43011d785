#include "exercises/biogeochem/ex2b_ask.h"

#include <cmath>
#include <string>

#include "exercises/biogeochem/buffering_pictures.h"
#include "exercises/biogeochem/concentration_model.h"
#include "platform/conversions.h"
#include "platform/portable_math.h"
#include "platform/runtime_failure.h"

namespace sylvandra {
namespace {

constexpr double kArrowWidth = 300;
constexpr double kArrowHeight = 600;

}  // namespace

Ex2bAsk::Ex2bAsk(Program& program)
    : Window(program, kName, "Buffering Reactions", {1800, 1500, 6600, 4680}) {
  addLabel("Label2", "    Al+++              HCO3-                      ueq/L",
           {480, 300, 3600, 225}, 0);
  addLabel("Label2", "          pH                   pCO2", {480, 1260, 3000, 225}, 1);
  Picture1.setPicture(SoilSolutionPicture(Picture1.width(), Picture1.height()));
  Picture2.setPicture(PhBandPicture(Picture2.width(), Picture2.height()));

  // Each arrow stands centred over its digit of the scale caption.
  const std::string& scale = Label1.caption();
  const Font& font = Label1.font();
  for (int i = 0; i < 6; ++i) {
    const std::string digit = std::to_string(i + 3);
    const size_t at = scale.find(digit);
    const double centre =
        Label1.left() + font.TextWidth(scale.substr(0, at)) + font.TextWidth(digit) / 2;
    Control& arrow = addPicture(
        "Arrow",
        {centre - kArrowWidth / 2, Label1.top() - kArrowHeight - 60, kArrowWidth, kArrowHeight}, i);
    arrow.setPicture(PhArrowPicture(kArrowWidth, kArrowHeight, i + 3));
    arrow.onClick = [this, i] { Arrow_Click(i); };
  }

  pCO2.onChange = [this] { pCO2_Change(); };
  Calculate.onClick = [this] {
    Calculate_Click();
    // Without a pH the button would do nothing: it says how to give one.
    if (pH.text().empty()) {
      this->program().MsgBox("Type a soil pH first, or click one of the arrows over the pH scale.");
    }
  };
  Return.onClick = [this] { Return_Click(); };
}

void Ex2bAsk::Arrow_Click(int index) {
  pH.setText(PlainText(index + 3));
  Calculate_Click();
}

void Ex2bAsk::pCO2_Change() {
  Calculate_Click();
}

void Ex2bAsk::Calculate_Click() {
  // A pCO2 that is not a number is refused as typed, also before a pH is chosen.
  RequireNumbers({&pCO2});
  if (pH.text().empty()) return;
  const double h = Pow(10.0, -pH.number());
  const double aluminium = BufferedAluminium(h);
  if (!std::isfinite(aluminium)) throw pH.failure("gives too much aluminium to compute");
  const bool withBicarbonate = !pCO2.text().empty();
  double bicarbonate = 0;
  if (withBicarbonate) {
    if (h == 0) throw pH.failure("leaves no hydrogen ions to divide the bicarbonate by");
    bicarbonate = BufferedBicarbonate(h, pCO2.val());
    if (!std::isfinite(bicarbonate)) throw pCO2.failure("gives too much bicarbonate to compute");
  }
  Al.setText(Format(aluminium, "######0.0"));
  if (withBicarbonate) HCO3.setText(Format(bicarbonate, "######0.0"));
}

void Ex2bAsk::Return_Click() {
  setVisible(false);
}

}  // namespace sylvandra
