// Monthly decomposition of four organic pools, shared by the litter bag experiment and the soil
// organic matter balance.
//
//   p = 1 extractives, 2 cellulose not protected by lignin, 3 lignocellulose (lignin and an equal
//   mass of protected cellulose), 4 passive pool (humus and microbial products).
//
// Masses A(p) and nitrogen Nn(p) in g (or g/m2); index 0 carries nothing. For p = 1..4 in order,
// so that the passive pool decays after it received the month's transfers:
//
//   d  = k(p) A(p)                 decomposed mass
//   Nd = Nn(p) / A(p) x d          nitrogen released with it
//   A(p) -= d, Nn(p) -= Nd
//   t  = h(p) d                    passed to the passive pool, with the pool's new N / mass:
//   Nt = Nn(p) t / A(p);  A(4) += t, Nn(4) += Nt
//   im = 0.1 r(p) (d - t)          nitrogen immobilised on the respired mass: Nn(p) += im
//   net += Nd - Nt - im            the month's net mineralisation (net starts at 0)
//
// k per month: 0.0667, 0.04167, 0.01667, 0.00042 (0.8, 0.5, 0.2, 0.005 per year / 12);
// h: 0.2, 0.02, 0.02, 0; r: 0.3, 0.15, 0.05, 0. An empty pool (mass 0) has no concentration
// and does not decompose: it is passed over and keeps its nitrogen.
#pragma once

#include <array>

namespace sylvandra {

using DecayPools = std::array<double, 5>;  // [0..4], pools 1..4 used

inline constexpr DecayPools kDecayFraction = {0, 0.0667, 0.04167, 0.01667, 0.00042};
inline constexpr DecayPools kPassiveFraction = {0, 0.2, 0.02, 0.02, 0};
inline constexpr DecayPools kImmobilisation = {0, 0.3, 0.15, 0.05, 0};
inline constexpr double kImmobilisedNPerC = 0.1;

// One month: A and Nn updated in place; net receives the month's net N mineralisation.
void DecayStep(DecayPools& A, DecayPools& Nn, double& net);

}  // namespace sylvandra
