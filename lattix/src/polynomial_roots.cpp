// Zeros of a polynomial with real coefficients: the three-stage Jenkins-Traub
// method for real polynomials (ACM TOMS algorithm 493). Each zero, or pair of
// conjugate zeros, is found by a few unshifted steps that bring out the small
// zeros in the K polynomial, fixed-shift steps with a quadratic through a
// point on a circle inside all zeros until a shift estimate settles, and then
// a variable-shift iteration on a linear or a quadratic factor; the polynomial
// is deflated and the search starts again. The last one or two zeros come
// from the deflated polynomial directly.
//
// Every expression keeps the algorithm's order of floating-point operations:
// the convergence tests compare quantities sensitive to the last bit, so a
// rearranged sum would change which branch is taken.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "lattix.h"
#include "platform/long_work.h"
#include "platform/status.h"
#include "slot_storage.h"

namespace lattix {
namespace {

using namespace orvana;

// Machine constants of IEEE double precision. smalno and infin are the single
// precision range: the bounds and the scaling are kept inside it so that no
// intermediate result of the iterations overflows or underflows unnoticed.
constexpr double kEta = 2.22e-16;  // largest relative representation error
constexpr double kAre = kEta;      // unit error of an addition
constexpr double kMre = kEta;      // unit error of a multiplication
constexpr double kInfin = 3.4e38;
constexpr double kSmalno = 1.2e-38;
constexpr double kLo = kSmalno / kEta;
constexpr double kBase = 2.0;

// Successive shifts are turned by 94 degrees, so that no two of the first
// tries share a direction and none is symmetric to an earlier one.
constexpr double kShiftRotation = 1.6406095420000002;

constexpr int kShiftTries = 20, kStepsPerTry = 20;  // try c: up to 20 * c fixed-shift steps
constexpr int kNoShiftSteps = 5, kQuadraticIterationSteps = 20, kRealIterationSteps = 10;

// How the scalars for the next K polynomial were normalised, chosen to avoid
// overflow: by c or by d (the remainder of K divided by the quadratic), or not
// at all because the quadratic is almost a factor of K.
enum class Normalisation { ByC, ByD, NearFactor };

// The zeros of a z^2 + b1 z + c: (sr, si) the smaller one, or the one with
// positive imaginary part of a complex pair, and (lr, li) the other. The
// larger real zero comes from the quadratic formula written to avoid overflow
// in the discriminant, the smaller from the product of the zeros, c / a,
// which avoids cancellation.
void solveQuadratic(double a, double b1, double c, double& sr, double& si, double& lr, double& li) {
    si = 0.0;
    li = 0.0;
    if (a == 0.0) {
        sr = 0.0;
        if (b1 != 0.0) sr = -c / b1;
        lr = 0.0;
        return;
    }
    if (c == 0.0) {
        sr = 0.0;
        lr = -b1 / a;
        return;
    }
    // The discriminant is scaled by b^2 or by |c|, whichever is larger.
    double b = b1 / 2.0, e, d;
    if (std::fabs(b) < std::fabs(c)) {
        e = a;
        if (c < 0.0) e = -a;
        e = b * (b / std::fabs(c)) - e;
        d = std::sqrt(std::fabs(e)) * std::sqrt(std::fabs(c));
    } else {
        e = 1.0 - (a / b) * (c / b);
        d = std::sqrt(std::fabs(e)) * std::fabs(b);
    }
    if (e < 0.0) {
        sr = -b / a;
        lr = sr;
        si = std::fabs(d / a);
        li = -si;
        return;
    }
    if (b >= 0.0) d = -d;
    lr = (-b + d) / a;
    sr = 0.0;
    if (lr != 0.0) sr = (c / lr) / a;
}

// Divides the `count` coefficients of p by z^2 + u z + v: the quotient goes
// to q (its last two slots hold running remainder terms), the remainder is
// b (z + u) + a.
void divideByQuadratic(int count, double u, double v, const double* p, double* q, double& a,
                       double& b) {
    b = p[0];
    q[0] = b;
    a = p[1] - u * b;
    q[1] = a;
    for (int i = 2; i < count; ++i) {
        double c = p[i] - u * a - v * b;
        q[i] = c;
        b = a;
        a = c;
    }
}

// One root search with its working storage, seven arrays of degree + 1
// slots. The scalars are shared by the stages the way the method defines
// them: a, b the remainder of P and c, d that of K by the current quadratic,
// and the quantities e to h, a1, a3, a7 derived from them.
class RealPolynomialSolver {
public:
    explicit RealPolynomialSolver(size_t slots)
        : p_(slots), qp_(slots), k_(slots), qk_(slots), svk_(slots), pt_(slots), temp_(slots) {}

    bool hasStorage() const {
        return p_.ok() && qp_.ok() && k_.ok() && qk_.ok() && svk_.ok() && pt_.ok() && temp_.ok();
    }
    double* coefficients() { return p_.data(); }

    // Finds the zeros of p[0] z^degree + ... + p[degree], p[0] != 0; zero j
    // goes to (re[j], im[j]). Slots of zeros not found are left as they are.
    // False when the user stopped the long work.
    bool solve(int degree, double* re, double* im);

private:
    void scaleCoefficients();
    double lowerBound();
    void runNoShiftStage();
    int fixedShift(int steps);
    int quadraticIteration(double startU, double startV);
    int realIteration(double& start, bool& nearDoubleZero);
    Normalisation computeScalars();
    void nextK(Normalisation type);
    void newEstimate(Normalisation type, double& newU, double& newV);

    void copyK(SlotBuffer& from) {
        for (int i = 0; i < n_; ++i) k_[i] = from[i];
    }

    SlotBuffer p_;     // coefficients, deflated as zeros are found
    SlotBuffer qp_;    // quotient of p by the current linear or quadratic factor
    SlotBuffer k_;     // current K polynomial
    SlotBuffer qk_;    // quotient of k by the current factor
    SlotBuffer svk_;   // K before a variable-shift attempt, to fall back on
    SlotBuffer pt_;    // coefficient moduli for the lower bound
    SlotBuffer temp_;  // K after the no-shift stage, where every try starts

    int n_ = 0, nn_ = 0;  // the current degree and its number of coefficients

    double sr_ = 0, si_ = 0;  // the current fixed shift
    double u_ = 0, v_ = 0;    // the current quadratic factor z^2 + u z + v
    double a_ = 0, b_ = 0, c_ = 0, d_ = 0;
    double a1_ = 0, a3_ = 0, a7_ = 0, e_ = 0, f_ = 0, g_ = 0, h_ = 0;
    double szr_ = 0, szi_ = 0;  // the zero found, or the smaller of a pair
    double lzr_ = 0, lzi_ = 0;  // the larger zero of a pair
};

bool RealPolynomialSolver::solve(int degree, double* re, double* im) {
    n_ = degree;
    nn_ = n_ + 1;

    // Zeros at the origin come off first. The leading coefficient is non-zero,
    // so this stops at degree 0 at the latest; the degree test matters only
    // for arrays that out-of-memory handling left sharing one block.
    while (n_ > 0 && p_[nn_ - 1] == 0.0) {
        re[degree - n_] = 0.0;
        im[degree - n_] = 0.0;
        --nn_;
        --n_;
    }

    // The direction of the shift keeps turning from one zero to the next.
    const double cosr = std::cos(kShiftRotation), sinr = std::sin(kShiftRotation);
    double xx = std::sqrt(0.5), yy = -xx;

    while (n_ > 2) {
        scaleCoefficients();
        double bound = lowerBound();
        runNoShiftStage();
        for (int i = 0; i < n_; ++i) temp_[i] = k_[i];

        int found = 0;
        for (int attempt = 1; attempt <= kShiftTries && found == 0; ++attempt) {
            if (platformLongWorkPoll(size_t(nn_) * kStepsPerTry * attempt) != 0) return false;
            // A double shift to the non-real point bound (xx + i yy) and its
            // conjugate.
            double turned = cosr * xx - sinr * yy;
            yy = sinr * xx + cosr * yy;
            xx = turned;
            sr_ = bound * xx;
            si_ = bound * yy;
            u_ = -2.0 * sr_;
            v_ = bound * bound;
            found = fixedShift(kStepsPerTry * attempt);
            if (found == 0) copyK(temp_);
        }
        if (found == 0) return true;

        int slot = degree - n_;
        re[slot] = szr_;
        im[slot] = szi_;
        if (found == 2) {
            re[slot + 1] = lzr_;
            im[slot + 1] = lzi_;
        }
        nn_ -= found;
        n_ = nn_ - 1;
        for (int i = 0; i < nn_; ++i) p_[i] = qp_[i];
    }

    if (n_ == 1) {
        re[degree - 1] = -p_[1] / p_[0];
        im[degree - 1] = 0.0;
    } else if (n_ == 2) {
        solveQuadratic(p_[0], p_[1], p_[2], re[degree - 2], im[degree - 2], re[degree - 1],
                       im[degree - 1]);
    }
    return true;
}

// Multiplies the coefficients by a power of the base when they are very large
// or very small, so that no underflow goes unnoticed in the convergence tests
// and nothing overflows. A power of two leaves the zeros' digits untouched.
void RealPolynomialSolver::scaleCoefficients() {
    double largest = 0.0, smallest = kInfin;
    for (int i = 0; i < nn_; ++i) {
        double x = std::fabs(p_[i]);
        if (x > largest) largest = x;
        if (x != 0.0 && x < smallest) smallest = x;
    }
    double sc = kLo / smallest;
    if (sc > 1.0) {
        if (kInfin / sc < largest) return;  // scaling up would overflow the largest
    } else {
        if (largest < 10.0) return;
        if (sc == 0.0) sc = kSmalno;
    }
    int exponent = static_cast<int>(std::log(sc) / std::log(kBase) + 0.5);
    double factor = std::ldexp(1.0, exponent);  // exactly base^exponent
    if (factor == 1.0) return;
    for (int i = 0; i < nn_; ++i) p_[i] = factor * p_[i];
}

// A lower bound on the moduli of the zeros: the positive zero of
// |p0| z^n + ... + |p(n-1)| z - |pn|, found roughly and refined by Newton's
// method to two decimal places.
double RealPolynomialSolver::lowerBound() {
    for (int i = 0; i < nn_; ++i) pt_[i] = std::fabs(p_[i]);
    pt_[nn_ - 1] = -pt_[nn_ - 1];

    // Start from the geometric mean of the moduli, or from the Newton step at
    // the origin when that is smaller.
    double x = std::exp((std::log(-pt_[nn_ - 1]) - std::log(pt_[0])) / static_cast<double>(n_));
    if (pt_[n_ - 1] != 0.0) {
        double xm = -pt_[nn_ - 1] / pt_[n_ - 1];
        if (xm < x) x = xm;
    }

    // Chop the interval (0, x) by tens until the bound polynomial is no longer
    // positive at x / 10. Its value at 0 is negative, so a finite x gets
    // there; the tests for NaN and infinity only guard against broken data.
    for (;;) {
        double xm = x * 0.1;
        double ff = pt_[0];
        for (int i = 1; i < nn_; ++i) ff = ff * xm + pt_[i];
        if (!(ff > 0.0) || !std::isfinite(xm)) break;
        x = xm;
    }

    // Newton from the right converges monotonically on this convex function.
    // A step that is not a number (x reached 0, or the data were broken) ends
    // the refinement as well.
    double dx = x;
    while (std::fabs(dx / x) > 0.005) {
        double ff = pt_[0], df = ff;
        for (int i = 1; i < n_; ++i) {
            ff = ff * x + pt_[i];
            df = df * x + ff;
        }
        ff = ff * x + pt_[nn_ - 1];
        dx = ff / df;
        x -= dx;
    }
    return x;
}

// K starts as the derivative scaled to the leading coefficient of P; the
// unshifted steps then accentuate the smallest zeros in it.
void RealPolynomialSolver::runNoShiftStage() {
    for (int i = 1; i < n_; ++i)
        k_[i] = static_cast<double>(n_ - i) * p_[i] / static_cast<double>(n_);
    k_[0] = p_[0];
    double aa = p_[nn_ - 1], bb = p_[n_ - 1];
    bool zeroK = k_[n_ - 1] == 0.0;
    for (int step = 0; step < kNoShiftSteps; ++step) {
        double cc = k_[n_ - 1];
        if (!zeroK) {
            // Scaled recurrence while K does not vanish at 0.
            double t = -aa / cc;
            for (int j = n_ - 1; j >= 1; --j) k_[j] = t * k_[j - 1] + p_[j];
            k_[0] = p_[0];
            zeroK = std::fabs(k_[n_ - 1]) <= std::fabs(bb) * kEta * 10.0;
        } else {
            for (int j = n_ - 1; j >= 1; --j) k_[j] = k_[j - 1];
            k_[0] = 0.0;
            zeroK = k_[n_ - 1] == 0.0;
        }
    }
}

// Up to `steps` fixed-shift steps with the quadratic (u, v), watching the
// sequences of estimates of s and v. When one of them settles, the variable-
// shift iterations are tried. Returns the number of zeros found (0, 1 or 2).
int RealPolynomialSolver::fixedShift(int steps) {
    double betaV = 0.25, betaS = 0.25;
    double oss = sr_, ovv = v_, ots = 0.0, otv = 0.0;
    divideByQuadratic(nn_, u_, v_, p_.data(), qp_.data(), a_, b_);
    Normalisation type = computeScalars();
    for (int j = 1; j <= steps; ++j) {
        nextK(type);
        type = computeScalars();
        double ui = 0.0, vi = 0.0;
        newEstimate(type, ui, vi);
        double vv = vi;
        double ss = 0.0;
        if (k_[n_ - 1] != 0.0) ss = -p_[nn_ - 1] / k_[n_ - 1];
        double tv = 1.0, ts = 1.0;
        if (j != 1 && type != Normalisation::NearFactor) {
            // Relative changes of the two sequences; two decreasing ones in a
            // row multiply, so a steady decrease passes sooner.
            if (vv != 0.0) tv = std::fabs((vv - ovv) / vv);
            if (ss != 0.0) ts = std::fabs((ss - oss) / ss);
            double tvv = 1.0, tss = 1.0;
            if (tv < otv) tvv = tv * otv;
            if (ts < ots) tss = ts * ots;
            bool vPass = tvv < betaV;
            bool sPass = tss < betaS;
            if (sPass || vPass) {
                // Try the variable-shift iterations from here, the faster
                // converging one first, and go back to the saved state when
                // they fail. A failure tightens its sequence's threshold for
                // the later steps.
                const double svu = u_, svv = v_;
                for (int i = 0; i < n_; ++i) svk_[i] = k_[i];
                double s = ss;
                bool vTried = false;
                auto quadratic = [&](double startU, double startV) {
                    vTried = true;
                    int nz = quadraticIteration(startU, startV);
                    if (nz == 0) betaV *= 0.25;
                    return nz;
                };
                auto restore = [&] {
                    u_ = svu;
                    v_ = svv;
                    copyK(svk_);
                };
                if (!(sPass && (!vPass || tss < tvv))) {
                    if (int nz = quadratic(ui, vi)) return nz;
                }
                if (sPass) {
                    copyK(svk_);  // changes nothing when no quadratic ran before
                    bool nearDoubleZero = false;
                    if (int nz = realIteration(s, nearDoubleZero)) return nz;
                    betaS *= 0.25;
                    if (nearDoubleZero) {
                        // Two close real zeros: iterate on the quadratic
                        // through the last iterate instead.
                        ui = -(s + s);
                        vi = s * s;
                        if (int nz = quadratic(ui, vi)) return nz;
                    }
                }
                restore();
                if (vPass && !vTried) {
                    if (int nz = quadratic(ui, vi)) return nz;
                    restore();
                }
                // Back to fixed shifts: recompute what the iterations overwrote.
                divideByQuadratic(nn_, u_, v_, p_.data(), qp_.data(), a_, b_);
                type = computeScalars();
            }
        }
        ovv = vv;
        oss = ss;
        otv = tv;
        ots = ts;
    }
    return 0;
}

// Variable-shift iteration on the quadratic factor, started at (startU,
// startV). It converges only if the two zeros have (nearly) equal moduli.
// Returns 2 when the pair is found, in (szr, szi) and (lzr, lzi), else 0.
int RealPolynomialSolver::quadraticIteration(double startU, double startV) {
    u_ = startU;
    v_ = startV;
    bool tried = false;
    int j = 0;
    double omp = 0.0, relstp = 0.0;
    for (;;) {
        solveQuadratic(1.0, u_, v_, szr_, szi_, lzr_, lzi_);
        // Real zeros of clearly different moduli belong to the real iteration.
        if (std::fabs(std::fabs(szr_) - std::fabs(lzr_)) > 0.01 * std::fabs(lzr_)) return 0;

        divideByQuadratic(nn_, u_, v_, p_.data(), qp_.data(), a_, b_);
        double mp = std::fabs(a_ - szr_ * b_) + std::fabs(szi_ * b_);

        // A rigorous bound on the rounding error in evaluating P at the zero.
        double zm = std::sqrt(std::fabs(v_));
        double ee = 2.0 * std::fabs(qp_[0]);
        double t = -szr_ * b_;
        for (int i = 1; i < n_; ++i) ee = ee * zm + std::fabs(qp_[i]);
        ee = ee * zm + std::fabs(a_ + t);
        ee = (5.0 * kMre + 4.0 * kAre) * ee -
             (5.0 * kMre + 2.0 * kAre) * (std::fabs(a_ + t) + std::fabs(b_) * zm) +
             2.0 * kAre * std::fabs(t);
        // An overflowed value says nothing about convergence: inf - inf in the
        // bound would otherwise make the test accept a diverged zero.
        if (std::isfinite(mp) && !(mp > 20.0 * ee)) return 2;

        ++j;
        if (j > kQuadraticIterationSteps) return 0;
        if (j >= 2 && !(relstp > 0.01 || mp < omp || tried)) {
            // The value stopped decreasing while the steps are already small:
            // a cluster of zeros stalls the iteration. Five fixed-shift steps
            // with a quadratic close to the cluster pull K towards it.
            if (relstp < kEta) relstp = kEta;
            relstp = std::sqrt(relstp);
            u_ = u_ - u_ * relstp;
            v_ = v_ + v_ * relstp;
            divideByQuadratic(nn_, u_, v_, p_.data(), qp_.data(), a_, b_);
            for (int i = 0; i < 5; ++i) nextK(computeScalars());
            tried = true;
            j = 0;
        }
        omp = mp;

        nextK(computeScalars());
        double ui = 0.0, vi = 0.0;
        newEstimate(computeScalars(), ui, vi);
        // A vanishing v means the estimates are not converging.
        if (vi == 0.0) return 0;
        relstp = std::fabs((vi - v_) / vi);
        u_ = ui;
        v_ = vi;
    }
}

// Variable-shift iteration for a real zero, started at `start`. Returns 1 when
// the zero is found (in szr). Otherwise returns 0, and sets nearDoubleZero
// (with `start` the last iterate) when the iterates stall near the real axis,
// which points to a pair of close zeros.
int RealPolynomialSolver::realIteration(double& start, bool& nearDoubleZero) {
    double s = start;
    nearDoubleZero = false;
    int j = 0;
    double omp = 0.0, t = 0.0;
    for (;;) {
        // P at s by synthetic division; qp keeps the quotient.
        double pv = p_[0];
        qp_[0] = pv;
        for (int i = 1; i < nn_; ++i) {
            pv = pv * s + p_[i];
            qp_[i] = pv;
        }
        double mp = std::fabs(pv);

        // A rigorous bound on the rounding error in evaluating P.
        double ms = std::fabs(s);
        double ee = (kMre / (kAre + kMre)) * std::fabs(qp_[0]);
        for (int i = 1; i < nn_; ++i) ee = ee * ms + std::fabs(qp_[i]);
        // As in the quadratic iteration, an overflowed value never converges.
        if (std::isfinite(mp) &&
            !(mp > 20.0 * ((kAre + kMre) * ee - kMre * mp))) {
            szr_ = s;
            szi_ = 0.0;
            return 1;
        }

        ++j;
        if (j > kRealIterationSteps) return 0;
        if (j >= 2 && !(std::fabs(t) > 0.001 * std::fabs(s - t) || mp <= omp)) {
            nearDoubleZero = true;
            start = s;
            return 0;
        }
        omp = mp;

        // The next K polynomial, then the new iterate.
        double kv = k_[0];
        qk_[0] = kv;
        for (int i = 1; i < n_; ++i) {
            kv = kv * s + k_[i];
            qk_[i] = kv;
        }
        if (std::fabs(kv) <= std::fabs(k_[n_ - 1]) * 10.0 * kEta) {
            // K nearly vanishes at s: unscaled form.
            k_[0] = 0.0;
            for (int i = 1; i < n_; ++i) k_[i] = qk_[i - 1];
        } else {
            t = -pv / kv;
            k_[0] = qp_[0];
            for (int i = 1; i < n_; ++i) k_[i] = t * qk_[i - 1] + qp_[i];
        }
        kv = k_[0];
        for (int i = 1; i < n_; ++i) kv = kv * s + k_[i];
        t = 0.0;
        if (std::fabs(kv) > std::fabs(k_[n_ - 1]) * 10.0 * kEta) t = -pv / kv;
        s += t;
    }
}

// The scalars of the next K polynomial and of the new quadratic estimate,
// from the remainders of P (a, b) and of K (c, d) by the current quadratic.
Normalisation RealPolynomialSolver::computeScalars() {
    divideByQuadratic(n_, u_, v_, k_.data(), qk_.data(), c_, d_);
    if (!(std::fabs(c_) > std::fabs(k_[n_ - 1]) * 100.0 * kEta) &&
        !(std::fabs(d_) > std::fabs(k_[n_ - 2]) * 100.0 * kEta))
        return Normalisation::NearFactor;
    if (std::fabs(d_) < std::fabs(c_)) {
        e_ = a_ / c_;
        f_ = d_ / c_;
        g_ = u_ * e_;
        h_ = v_ * b_;
        a3_ = a_ * e_ + (h_ / c_ + g_) * b_;
        a1_ = b_ - a_ * (d_ / c_);
        a7_ = a_ + g_ * d_ + h_ * f_;
        return Normalisation::ByC;
    }
    e_ = a_ / d_;
    f_ = c_ / d_;
    g_ = u_ * b_;
    h_ = v_ * b_;
    a3_ = (a_ + g_) * e_ + h_ * (b_ / d_);
    a1_ = b_ * f_ - a_;
    a7_ = (f_ + u_) * a_ + h_;
    return Normalisation::ByD;
}

void RealPolynomialSolver::nextK(Normalisation type) {
    if (type == Normalisation::NearFactor) {
        // The quadratic is almost a factor of K: unscaled recurrence.
        k_[0] = 0.0;
        k_[1] = 0.0;
        for (int i = 2; i < n_; ++i) k_[i] = qk_[i - 2];
        return;
    }
    double temp = type == Normalisation::ByC ? b_ : a_;
    if (std::fabs(a1_) > std::fabs(temp) * kEta * 10.0) {
        a7_ /= a1_;
        a3_ /= a1_;
        k_[0] = qp_[0];
        k_[1] = qp_[1] - a7_ * qp_[0];
        for (int i = 2; i < n_; ++i) k_[i] = a3_ * qk_[i - 2] - a7_ * qp_[i - 1] + qp_[i];
        return;
    }
    // a1 nearly zero: the special form that does not divide by it.
    k_[0] = 0.0;
    k_[1] = -a7_ * qp_[0];
    for (int i = 2; i < n_; ++i) k_[i] = a3_ * qk_[i - 2] - a7_ * qp_[i - 1];
}

// New estimates of the quadratic's coefficients; (0, 0), which the callers
// take as a failure to converge, when there is none.
void RealPolynomialSolver::newEstimate(Normalisation type, double& newU, double& newV) {
    newU = 0.0;
    newV = 0.0;
    if (type == Normalisation::NearFactor) return;
    double a4, a5;
    if (type == Normalisation::ByD) {
        a4 = (a_ + g_) * f_ + h_;
        a5 = (f_ + u_) * c_ + v_ * d_;
    } else {
        a4 = a_ + u_ * b_ + h_ * f_;
        a5 = c_ + (u_ + v_ * f_) * d_;
    }
    double b1 = -k_[n_ - 1] / p_[nn_ - 1];
    double b2 = -(k_[n_ - 2] + b1 * p_[n_ - 1]) / p_[nn_ - 1];
    double c1 = v_ * b2 * a1_;
    double c2 = b1 * a7_;
    double c3 = b1 * b1 * a3_;
    double c4 = c1 - c2 - c3;
    double temp = a5 + b1 * a4 - c4;
    if (temp == 0.0) return;
    newU = u_ - (u_ * (c3 + c2) + v_ * (b1 * a1_ + b2 * a7_)) / temp;
    newV = v_ * (1.0 + c4 / temp);
}

}  // namespace
}  // namespace lattix

extern "C" {

// Roots not found when the shifts run out are reported as 0 + 0i, so that
// every slot of the result holds a defined number.
LATTIX_API uint16_t polyMatrix(const Matrix* coefficients, Matrix* result) {
    using namespace lattix;
    if (coefficients == nullptr || result == nullptr) return kInvalidParameter;

    // Every element counts, in slot order, so a row and a column read alike.
    uint32_t count = 0;
    if (coefficients->kind == LATTIX_KIND_SCALAR || coefficients->kind == LATTIX_KIND_MATRIX_VALUE)
        count = uint32_t(coefficients->rows) * coefficients->cols;
    if (count == 0 || coefficients->re == nullptr) return kInvalidParameter;
    const double* given = coefficients->re;

    // The bounds and convergence tests have no meaning on infinities or NaNs.
    for (uint32_t i = 0; i < count; ++i)
        if (!std::isfinite(given[i])) return kInvalidParameter;

    uint32_t first = 0;
    while (first < count && given[first] == 0.0) ++first;
    if (first == count) return kInvalidParameter;
    uint32_t degree = count - 1 - first;
    if (degree > UINT16_MAX) return kMatrixTooBig;  // more roots than a column holds

    RealPolynomialSolver solver(size_t(degree) + 1);
    if (!solver.hasStorage()) return kMatrixTooBig;
    // Copied before the result is resized: it may be the coefficients' record.
    double* p = solver.coefficients();
    for (uint32_t i = 0; i <= degree; ++i) p[i] = given[first + i];

    uint16_t rows = static_cast<uint16_t>(degree);
    resizeMatrix(result, rows, 1);
    bool shaped = degree == 0 ? result->rows == 0 && result->cols == 0
                              : result->rows == rows && result->cols == 1;
    if (!shaped) return kMatrixTooBig;
    for (uint32_t i = 0; i < degree; ++i) {
        result->re[i] = 0.0;
        result->im[i] = 0.0;
    }
    if (degree > 0 && !solver.solve(static_cast<int>(degree), result->re, result->im))
        return kInterrupted;
    return kOk;
}

LATTIX_API int eigMatrix(void) {
    return 1;
}

}  // extern "C"
