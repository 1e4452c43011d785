#include "exercises/population/moose_model.h"

#include <algorithm>
#include <cmath>

#include "platform/portable_math.h"

namespace sylvandra {
namespace {

// The mean of a total over a count, 0 when the count is not positive.
double MeanOver(double total, double count) {
  return count > 0 ? total / count : 0;
}

}  // namespace

std::vector<MooseYear> RunMooseWolves(const MooseParameters& p,
                                      const std::function<double()>& rnd) {
  const double R = p.randomFactor;
  auto F = [&] { return 2 * R * rnd() + (1 - R); };
  const double K = p.plantCapacity;
  const double mMax = p.mooseMaxWeight, mMin = p.mooseMinWeight;
  const double wMax = p.wolfMaxWeight, wMin = p.wolfMinWeight;

  double Pl = p.plantInitial, Ptot = 0;
  double Ma = 0, Mc = 0, Mw = 0, Mm = 0;
  double Wn = 0, Ww = 0, Wm = 0, Kill = 0, Hq = 0;

  std::vector<MooseYear> run;
  for (int t = 1; t <= p.years; ++t) {
    const double year = kMooseFirstYear + t;

    // Plants.
    if (Pl < kPlantFloor) Pl = kPlantFloor;
    double G = p.plantRate * Pl * (K - Pl) / K;
    G = G * F();
    Pl = Pl + G;
    Ptot = kIslandArea * Pl;

    if (year == p.mooseYear) {
      Ma = p.mooseInitial;
      Mw = kMooseArrivalWeight;
      Mm = Mw * Ma;
    }

    double c = 0;
    if (Ma != 0) {
      c = (Mw - mMin) / (mMax - mMin);
      if (c <= 0.05) c = 0.05;
      double B = c * p.mooseRate * Ma;
      B = B * F();
      Mc = Mc + B;
      const double Mt = p.mooseMaturation * Mc;
      Ma = Ma + Mt;
      Mc = Mc - Mt;
      Mw = MeanOver(Mm, Ma + Mc);

      const double D = ((mMax - Mw) + p.mooseRespiration) * (Ma + Mc);
      const double q = D / Ptot;
      const double e = std::min(q / (q + 0.8), q);
      const double E = e * Ptot;
      Ptot = Ptot - E;
      Pl = Ptot / kIslandArea;

      Mm = Mm + E - p.mooseRespiration * (Ma + Mc);
      Mw = MeanOver(Mm, Ma + Mc);

      const double d = std::min(Exp(-3 * c) * F(), 0.95);
      Mc *= 1 - d;
      Ma *= 1 - d;
      Mm *= 1 - d;
      Mw = MeanOver(Mm, Ma + Mc);

      // Both limits apply in turn: with the range inverted (max below min) a weight capped at
      // the maximum is still below the minimum, and starvation takes it up to the minimum.
      if (Mw > mMax) Mw = mMax;
      if (Mw < mMin) {
        // A mass at or below zero leaves no survivors (rather than a negative herd).
        const double s = Mw > 0 ? Mw / mMin : 0;
        Ma *= s;
        Mc *= s;
        Mw = mMin;
      }
    }

    if (year == p.wolfYear && p.wolfInitial > 0) {
      Wn = p.wolfInitial;
      Ww = wMax;
      Wm = Ww * Wn;
    }

    if (Wn != 0 && Ma + Mc != 0) {
      const double cw = std::max((Ww - wMin) / (wMax - wMin), 0.0);
      double Bw = cw * p.wolfRate * Wn;
      Bw = Bw * F();
      Bw = std::min(Bw, p.wolfMaxBirths);
      Wn = Wn + Bw;
      Ww = MeanOver(Wm, Wn);

      const double Dw = ((wMax - Ww) + p.wolfRespiration) * Wn;
      // With no moose mass left there is nothing to kill.
      const double pk = Mm > 0 ? std::min(Dw / Mm, 1.0) : 0;
      const double Km = Mm * pk;
      Kill = pk * (Ma + Mc);
      Ma *= 1 - pk;
      Mc *= 1 - pk;
      Mm *= 1 - pk;
      if (Mm == 0) {
        Mw = 0;
        Wn = 0;
        Wm = 0;
        Ww = 0;
        Kill = 0;
      }

      Wm = Wm + Km - p.wolfRespiration * Wn;
      if (Wm < 0) Wm = 0;
      if (Wm == 0) {
        Ww = 0;
        Wn = 0;
      }

      const double dw = std::min(Exp(-2.3 * cw) * F(), 0.95);
      Wn *= 1 - dw;
      Wm *= 1 - dw;

      if (Wn > 0) {
        Ww = Wm / Wn;
        if (Ww > wMax) Ww = wMax;
        if (Ww < wMin) {
          const double s = Ww / wMin;
          Wn *= s;
          Ww = wMin;
        }
      }
    } else {
      Kill = 0;
    }

    MooseYear record;
    double h = 0;
    if (year > p.huntAfter && Ma + Mc != 0) {
      if (p.hunt >= 1) {
        Hq = p.hunt;
        if (Ma + Mc < Hq) {
          record.quotaTookAll = true;
          Hq = Ma + Mc;
        }
      } else {
        Hq = (Ma + Mc) * p.hunt;
      }
      h = Hq / (Ma + Mc);
    } else {
      Hq = 0;
    }
    Mc *= 1 - h;
    Ma *= 1 - h;
    Mm *= 1 - h;

    record.year = year;
    record.plants = Pl;
    record.moose = Ma + Mc;
    record.mooseWeight = Mw;
    record.wolves = Wn;
    record.wolfWeight = Ww;
    record.killed = Kill;
    record.hunted = Hq;
    run.push_back(record);
  }
  return run;
}

}  // namespace sylvandra
