#include "exercises/carbon_water/ex12_ask.h"

#include <cmath>
#include <string>

#include "exercises/carbon_water/photosynthesis_model.h"
#include "platform/conversions.h"
#include "platform/runtime_failure.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

// The fixed-width text (Fmt5, Fmt6) of a result. Those helpers cut the number's Str text, which
// is only faithful while Str writes the number out in positions: a tiny magnitude in exponent
// form ("-6.4E-18") would be cut to "-6.40" and read back by the next step as -6.4. Such a
// number is shown as its positional digits cut to the field instead ("-.000"), which reads
// back as the 0 it is at this precision. A number too large for positional text cannot be
// shown in the field at all and stops the computation.
std::string FixedWidthText(const Control& field, double value, int width) {
  RequireFinite(value, field.label());
  const std::string text = Str(value);
  const auto exponentAt = text.find('E');
  if (exponentAt == std::string::npos) return width == 5 ? Fmt5(value) : Fmt6(value);
  const int exponent = std::stoi(text.substr(exponentAt + 1));
  if (exponent >= 0) {
    throw RuntimeFailure(field.label() + ": the result " + text.substr(1) +
                         " is too large to show");
  }
  std::string digits;
  for (char c : text.substr(1, exponentAt - 1)) {
    if (c != '.') digits += c;
  }
  const std::string positional =
      text.substr(0, 1) + "." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  return Format(Left(positional, width), std::string(static_cast<size_t>(width), '@') + " ");
}

}  // namespace

EX12Ask::EX12Ask(Program& program)
    : Window(program, kName, "Calculate Net Photosynthesis", {1320, 1020, 7200, 6120}) {
  const Font heading = Font::face("MS Sans Serif", 9.75, true);
  for (Control* title : {&Label2, &Label3, &Label4}) {
    title->setFont(heading).setAlignment(Alignment::Center);
  }
  VPDNo.setValue(1);

  // Two caption lines over each field, centred on its column.
  struct Caption {
    const char* first;
    const char* second;
    double left, top;
  };
  const Caption captions[] = {
      {"Foliar N", "(mg/g)", 240, 720},
      {"PAR", "(umoles/m2.sec)", 2520, 720},
      {"Temperature", "(C)", 2520, 1800},
      {"VPD", "(kPa)", 2520, 2880},
      {"Specific Leaf", "Area (cm2/g)", 240, 1800},
      {"Net Photosynthesis", "(mg C/g leaf.sec)", 4800, 720},
      {"Water Use Efficiency", "(mg C/g water)", 4800, 2880},
      {"Transpiration", "(g water/g leaf)", 4800, 1800},
      {"Temperature", "(C)", 240, 4440},
      {"Max. Vapor Pressure", "(kPa)", 2520, 4440},
  };
  int index = 0;
  for (const Caption& c : captions) {
    addLabel("Label1", c.first, {c.left, c.top, 2160, 210}, index++)
        .setAlignment(Alignment::Center);
    addLabel("Label1", c.second, {c.left, c.top + 210, 2160, 210}, index++)
        .setAlignment(Alignment::Center);
  }
  addLabel("Label1", "VPD Response", {240, 3090, 2160, 210}, index++)
      .setAlignment(Alignment::Center);
  Font bold = font();
  bold.bold = true;
  addLabel("Label1", "Vapor Pressure Deficit Worksheet", {240, 4080, 4440, 255}, index++)
      .setFont(bold)
      .setAlignment(Alignment::Center);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  VPDCalc.onClick = [this] { VPDCalc_Click(); };
}

void EX12Ask::Command1_Click() {
  const double foliarN = FoliarN.number();
  if (!(foliarN > 0)) {
    throw RuntimeFailure(FoliarN.label() + ": must be greater than 0 (got " +
                         QuotedText(FoliarN.text()) + ")");
  }
  const double par = PAR.number();
  if (par + LightHalfSaturation(foliarN) == 0) {
    throw RuntimeFailure(PAR.label() + ": the light response divides by zero when PAR is -17 x " +
                         FoliarN.label() + " (got " + QuotedText(PAR.text()) + ")");
  }
  if (VPDYes.value() != 0 && VPD.val() + 1.6 == 0) {
    throw RuntimeFailure(VPD.label() +
                         ": the vapour pressure response divides by zero at -1.6 (got " +
                         QuotedText(VPD.text()) + ")");
  }

  SLA.setText(FixedWidthText(SLA, SpecificLeafArea(foliarN), 6));
  NetPsn.setText(
      FixedWidthText(NetPsn, PhotosyntheticCapacity(foliarN) * LightResponse(par, foliarN), 5));

  if (!Temperature.text().empty()) {
    const double temperature = Temperature.val();
    if (temperature > 0) {
      NetPsn.setNumber(TemperatureResponse(temperature) * NetPsn.leadingNumber());
    } else {
      NetPsn.setText("0");
    }
  }

  const double vpd = VPD.val();
  if (VPDYes.value() != 0 && vpd != 0) {
    NetPsn.setNumber(NetPsn.leadingNumber() * VapourPressureResponse(vpd));
  }

  if (vpd != 0) {
    WUE.setNumber(WaterUseRatio(vpd));
    WUE.setText(FixedWidthText(WUE, WaterUseEfficiency(WUE.leadingNumber()), 6));
    if (WUE.leadingNumber() == 0) {
      throw RuntimeFailure(Transpiration.label() + ": division by zero (" + WUE.label() +
                           " shows 0 for a VPD of '" + VPD.text() + "')");
    }
    Transpiration.setText(FixedWidthText(
        Transpiration, LeafTranspiration(NetPsn.leadingNumber(), WUE.leadingNumber()), 6));
  } else {
    WUE.setText("infinte");
    Transpiration.setText("0");
  }

  if (NetPsn.leadingNumber() <= 0) {
    Transpiration.setText("0");
    WUE.setText("0");
  }
}

void EX12Ask::Command2_Click() {
  setVisible(false);
}

void EX12Ask::VPDCalc_Click() {
  if (VPDTemp.text().empty()) return;
  const double temperature = VPDTemp.number();
  RequireNonZero(temperature + 237.3, VPDTemp);
  const double pressure = SaturationVapourPressure(temperature);
  // Just below -237.3 C the exponent is huge: the temperature typed is what is at fault.
  if (!std::isfinite(pressure) || Str(pressure).find("E+") != std::string::npos) {
    throw VPDTemp.failure("gives a vapour pressure too large to show");
  }
  VP.setText(FixedWidthText(VP, pressure, 6));
}

}  // namespace sylvandra
