// Gross and net carbon exchange of a forest, umoles CO2 / m2 / sec. Positive exchange is uptake
// by the forest; respiration is negative.
//
//   GCE = NCE - R
//
// with NCE the measured net exchange and R the dark respiration estimated from the night-time
// values (a value below zero, so GCE = NCE + |R|).
#pragma once

namespace sylvandra {

inline double GrossCarbonExchange(double netExchange, double darkRespiration) {
  return netExchange - darkRespiration;
}

}  // namespace sylvandra
