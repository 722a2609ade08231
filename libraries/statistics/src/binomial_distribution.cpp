#include "binomial_distribution.h"

#include <cmath>
#include <cstdint>

#include "platform/long_work.h"

namespace statistics {
namespace {

// Below this the first term q^n has lost precision (or underflowed to 0),
// and the terms are formed from their logarithms instead.
constexpr double kSmallestFirstTerm = 1e-300;

// Terms formed between two looks at the long-work poll (a power of two).
constexpr uint32_t kTermsBetweenPolls = 65536;

// The terms of the binomial probabilities for k = 0, 1, 2, ... up to n:
// q^n, then term * (p/q) * (n - k + 1)/k.
class Terms {
  public:
    Terms(double n, double p) : n_(n), p_(p), q_(1.0 - p) {
        term_ = std::pow(q_, n_);
        logarithmic_ = term_ < kSmallestFirstTerm;
        if (logarithmic_) {
            logTerm_ = n_ * std::log(q_);
            logRatio_ = std::log(p_ / q_);
            term_ = std::exp(logTerm_);
        }
    }

    double current() const { return term_; }
    // Counts the terms formed; true, every so often, once the user asked the
    // running evaluation to stop.
    bool stopAsked() {
        return (++formed_ & (kTermsBetweenPolls - 1)) == 0 &&
               platformLongWorkPoll(kTermsBetweenPolls) != 0;
    }
    // Moves to term k (k = 1, 2, ...).
    void advance(double k) {
        if (logarithmic_) {
            logTerm_ += logRatio_ + std::log((n_ - k + 1.0) / k);
            term_ = std::exp(logTerm_);
        } else {
            term_ = term_ * (p_ / q_) * (n_ - k + 1.0) / k;
        }
    }

  private:
    double n_, p_, q_;
    double term_ = 0.0;
    bool logarithmic_ = false;
    uint32_t formed_ = 0;
    double logTerm_ = 0.0;
    double logRatio_ = 0.0;
};

}  // namespace

double binomialCumulative(double x, double n, double p) {
    if (x < 0.0) return 0.0;
    // Every trial succeeds: all the probability lies at n.
    if (p == 1.0) return x >= n ? 1.0 : 0.0;
    Terms terms(n, p);
    double sum = terms.current();
    const double last = std::fmin(std::floor(x), n);
    for (double k = 1.0; k <= last && !terms.stopAsked(); k += 1.0) {
        terms.advance(k);
        sum += terms.current();
    }
    return sum;
}

double binomialInverse(double z, double n, double p) {
    const double target = z - 1e-08;
    if (p == 1.0) return target <= 0.0 ? 0.0 : n;
    Terms terms(n, p);
    double sum = terms.current();
    double k = 0.0;
    while (sum < target && k < n && !terms.stopAsked()) {
        k += 1.0;
        terms.advance(k);
        sum += terms.current();
    }
    return k;
}

}  // namespace statistics
