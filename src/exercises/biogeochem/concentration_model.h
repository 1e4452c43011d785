// Conversion between the mass (g), the amount (moles) and the equivalents of six ions, and the
// two buffering equilibria of an acid soil solution.
//
// Converter: moles = mass / M, equivalents = moles x z, with M the molar mass (g/mole) and z
// the signed charge (equivalents/mole), so anion equivalents are negative. Every result is cut
// to thousandths towards minus infinity, T3(x) = Int(x x 1000) / 1000, on the double product
// as computed: 0.0005 moles of NO3 weigh T3(0.031000000000000003) = 0.031 g, -0.0005
// equivalents show as -0.001.
//
// Buffering, with H = 10^-pH the hydrogen-ion activity and pCO2 the partial pressure of carbon
// dioxide (atm), both in micro-equivalents per litre:
//
//   Al+++ = 10^8.75 x H^3 x 1,000,000
//   HCO3- = (10^-7.81 x pCO2 / H) x 1,000,000
#pragma once

#include <array>

namespace sylvandra {

struct Ion {
  const char* caption;  // ion, then charge, as the option button shows it
  double molarMass;     // g/mole
  double charge;        // equivalents/mole
};

inline constexpr int kIonCount = 6;
inline constexpr std::array<Ion, kIonCount> kIons = {{
    {"NH4        +1", 18, 1},
    {"NO3         -1", 62, -1},
    {"HCO3       -1", 61, -1},
    {"Al           +3", 27, 3},
    {"Ca          +2", 40, 2},
    {"K            +1", 39, 1},
}};

// T3: the number cut to thousandths towards minus infinity.
double Thousandths(double value);

// Dissolved aluminium and bicarbonate (ueq/L) at hydrogen-ion activity h.
double BufferedAluminium(double h);
double BufferedBicarbonate(double h, double pCO2);

}  // namespace sylvandra
