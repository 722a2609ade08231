// rk and lti outside the graph: the arguments are checked and the answer is
// a plain value; the solution itself is drawn by doGraph.
#include "equation_arguments.h"
#include "operators.h"

namespace advanced {

Status rkOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = fixedArguments(call.stack, call.top, 2, args); s != kOk) return s;
    if (!isString(args[0])) return kInvalidParameter;
    copyMatMatrix(&args[0], &args[1]);
    *call.top = int16_t(args.firstSlot());
    return kOk;
}

Status ltiOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = variableArguments(call.stack, call.top, args); s != kOk) return s;
    LinearArguments equation;
    if (const Status s = readLinearArguments(args, equation); s != kOk) return s;
    *call.top = int16_t(args.firstSlot());
    return kOk;
}

}  // namespace advanced
