// doOperation: the graphing operators in a normal evaluation, which check
// their parameters, record pen points and leave a plain answer.
#ifndef ORVANA_GRAPHING_OPERATIONS_H
#define ORVANA_GRAPHING_OPERATIONS_H

#include <cstdint>

#include "graphing_codes.h"
#include "keypad.h"
#include "lattix.h"

namespace graphing {

struct OperationCall {
    Matrix* stack;
    int16_t* top;
    const HostServices* services;
};

// The operator's status; an operator this library does not know gives 0
// and changes nothing.
Status performOperation(OperatorCode op, const OperationCall& call);

}  // namespace graphing

#endif
