#include "exercises/biogeochem/decay_model.h"

#include <cstddef>

namespace sylvandra {

void DecayStep(DecayPools& A, DecayPools& Nn, double& net) {
  net = 0;
  for (std::size_t p = 1; p <= 4; ++p) {
    if (A[p] == 0) continue;
    const double d = kDecayFraction[p] * A[p];
    const double Nd = (Nn[p] / A[p]) * d;
    A[p] = A[p] - d;
    Nn[p] = Nn[p] - Nd;
    const double t = kPassiveFraction[p] * d;
    const double Nt = Nn[p] * t / A[p];
    A[4] = A[4] + t;
    Nn[4] = Nn[4] + Nt;
    const double resp = d - t;
    const double im = kImmobilisedNPerC * kImmobilisation[p] * resp;
    Nn[p] = Nn[p] + im;
    net = net + (Nd - Nt) - im;
  }
}

}  // namespace sylvandra
