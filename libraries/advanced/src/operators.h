// The operators of the library, each working on the value stack as its
// operator code says (see doOperation in keypad.h).
#ifndef ORVANA_ADVANCED_OPERATORS_H
#define ORVANA_ADVANCED_OPERATORS_H

#include <cstdint>

#include "advanced_codes.h"
#include "keypad.h"
#include "lattix.h"

namespace advanced {

// One operator call as doOperation receives it.
struct Call {
    Matrix* stack;
    int16_t* top;
    const HostServices* services;
    int32_t angleMode;
};

// Matrix construction.
Status sizeOperator(const Call& call);
Status onesOperator(const Call& call);
Status fillOperator(const Call& call);
Status augrOperator(const Call& call);
Status augcOperator(const Call& call);
Status augOperator(const Call& call);
Status eigOperator(const Call& call);

// Formulas: integration, derivative, root finding.
Status integOperator(const Call& call);
Status ddtOperator(const Call& call);
Status solveOperator(const Call& call);

// Polynomial roots and differential equations (whose curves doGraph draws).
Status rootsOperator(const Call& call);
Status rkOperator(const Call& call);
Status ltiOperator(const Call& call);

// Largest results of the matrix construction functions.
constexpr int64_t kMaxElements = 64000;
constexpr int64_t kMaxDimension = 32000;

// Whether a value has exactly this shape (Lattix leaves a value it could not
// find memory for empty).
bool hasShape(const Matrix& m, int64_t rows, int64_t cols);

}  // namespace advanced

#endif
