#include "exercises/biogeochem/concentration_model.h"

#include <cmath>

#include "platform/portable_math.h"
#include "plot/utils.h"

namespace sylvandra {

double Thousandths(double value) {
  return TruncDec(value, 3);
}

double BufferedAluminium(double h) {
  return Pow(10.0, 8.75) * Pow(h, 3) * 1000000;
}

double BufferedBicarbonate(double h, double pCO2) {
  return ((Pow(10.0, -7.81) * pCO2) / h) * 1000000;
}

}  // namespace sylvandra
