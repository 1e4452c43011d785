#include "exercises/biogeochem/decay_model.h"

#include <cmath>
#include <cstddef>

#include "platform/conversions.h"
#include "platform/runtime_failure.h"
#include "plot/utils.h"

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

std::vector<std::string> LitterTable(double e, double c, double l, double n) {
  const double total = e + l + c;
  if (total == 0) {
    throw RuntimeFailure(
        "Extractives, Cellulose and Lignin add up to 0 g: there is no litter to share the "
        "nitrogen among");
  }
  // Litter too large for a double stops before anything is printed.
  const auto finite = [](double value) {
    return RequireFinite(value, "Extractives, Cellulose and Lignin");
  };
  finite(total);
  DecayPools A{0, e, c - l, 2 * l, 0.001};
  DecayPools Nn{};
  Nn[3] = n * l / total;
  Nn[1] = n - Nn[3];
  Nn[2] = 0.001;
  Nn[4] = 0.0001;

  std::vector<std::string> lines;
  // Each heading ends where its column's numbers end: five places and a blank, seven for Tot
  // and six for the monthly N.
  lines.push_back("Month     E     C    LC     Tot      N");
  lines.push_back(Fmt5(0) + Fmt5(finite(A[1])) + Fmt5(finite(A[2])) + Fmt5(finite(A[3] + A[4])) +
                  Fmt7(total) + Fmt5(n));
  double net = 0;
  for (int month = 1; month <= 60; ++month) {
    DecayStep(A, Nn, net);
    if (month % 6 == 0) {
      lines.push_back(Fmt5(month) + Fmt5(A[1]) + Fmt5(A[2]) + Fmt5(A[3] + A[4]) +
                      Fmt7(finite(A[1] + A[2] + A[3] + A[4])) +
                      Fmt6(finite(Nn[1] + Nn[2] + Nn[3] + Nn[4])));
    }
  }
  return lines;
}

SomDynamicsRun RunSomDynamics(double e, double c, double l, double n, double passive,
                              double passiveN, double runTime, double litCut) {
  SomDynamicsRun run;
  if (litCut == 0 && runTime > 300) run.mult = Int(runTime / 300) + 1;

  DecayPools A{};
  DecayPools Nn{};
  A[4] = passive;
  Nn[4] = passiveN;
  if (A[4] == 0) {
    A[4] = 0.001;
    Nn[4] = 0.0001;
  }
  Nn[2] = 0.001;

  double net = 0;
  for (double y = 1; y <= runTime; ++y) {
    if (litCut == 0 || y < litCut) {
      const double total = e + l + c;
      A[1] = A[1] + e;
      A[2] = A[2] + c - l;
      A[3] = A[3] + 2 * l;
      Nn[3] = Nn[3] + (l / total) * n;
      Nn[1] = Nn[1] + (1 - l / total) * n;
    }
    double NMin = 0;
    for (int month = 1; month <= 12; ++month) {
      DecayStep(A, Nn, net);
      NMin = NMin + net;
    }
    if (std::fmod(y, run.mult) == 0) {
      run.points = run.points + 1;
      const double recorded[] = {A[1], A[2], A[3], A[4], NMin};
      for (size_t s = 0; s < 5; ++s) {
        run.series[s + 1][static_cast<size_t>(run.points)] =
            RequireFinite(recorded[s], "Extractives, Cellulose, Lignin and the passive pool");
      }
    }
  }
  return run;
}

}  // namespace sylvandra
