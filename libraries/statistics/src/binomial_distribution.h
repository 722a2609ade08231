// The cumulative binomial distribution and its inverse, summed term by term.
#ifndef ORVANA_STATISTICS_BINOMIAL_DISTRIBUTION_H
#define ORVANA_STATISTICS_BINOMIAL_DISTRIBUTION_H

namespace statistics {

// The most trials the sums accept: each sum takes up to one term per trial.
constexpr double kLargestTrials = 1e7;

// P(Y <= x) for Y binomial with n trials (a whole number, 0 to
// kLargestTrials) of probability p (0 to 1).
double binomialCumulative(double x, double n, double p);
// The smallest k whose cumulative sum reaches z - 1e-08; n when none does.
double binomialInverse(double z, double n, double p);
// Both stop early, with a meaningless value, when the user stops the long
// work (platformLongWorkStopped then tells).

}  // namespace statistics

#endif
