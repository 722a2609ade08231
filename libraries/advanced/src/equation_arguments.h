// The arguments of rk and lti, read the same way for the answer of
// doOperation and for the curve of doGraph.
#ifndef ORVANA_ADVANCED_EQUATION_ARGUMENTS_H
#define ORVANA_ADVANCED_EQUATION_ARGUMENTS_H

#include "advanced_codes.h"
#include "runge_kutta.h"
#include "stack_arguments.h"

namespace advanced {

// lti's coefficients, forcing formula and initial state.
struct LinearArguments {
    int order = 0;
    double lead = 1.0;
    State normalised{};
    State initial{};  // y, y', ..., from ICopt reversed, or zeros
    int formula = 0;  // the argument holding the forcing formula
};

// Checks lti's arguments (the count is args.count()) and reads them.
Status readLinearArguments(const Arguments& args, LinearArguments& out);

}  // namespace advanced

#endif
