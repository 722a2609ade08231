// The operators of the library, one function each, as doOperation
// dispatches them. Each returns 0 or an error code and leaves its result in
// the entry of parameter 1.
#ifndef ORVANA_STATISTICS_OPERATIONS_H
#define ORVANA_STATISTICS_OPERATIONS_H

#include "operation_call.h"

namespace statistics {

// column_statistics.cpp
int32_t columnSums(const OperationCall& call);        // sx
int32_t columnSquares(const OperationCall& call);     // sxx
int32_t productSum(const OperationCall& call);        // sxy
int32_t rowCount(const OperationCall& call);          // num
int32_t columnMeans(const OperationCall& call);       // avg
int32_t columnDeviations(const OperationCall& call);  // std
int32_t columnExtremes(const OperationCall& call);    // mm

// row_sort.cpp
int32_t sortRows(const OperationCall& call);  // sort

// variable_store.cpp
int32_t clearVariable(const OperationCall& call);  // clrv
int32_t storeRow(const OperationCall& call);       // store

// counting.cpp
int32_t permutations(const OperationCall& call);  // perm
int32_t combinations(const OperationCall& call);  // comb
int32_t factorials(const OperationCall& call);    // !

// least_squares.cpp
int32_t leastSquares(const OperationCall& call);  // lsq

// hypothesis_tests.cpp
int32_t meansTest(const OperationCall& call);      // mdtest
int32_t variancesTest(const OperationCall& call);  // sdtest
int32_t meanTest(const OperationCall& call);       // mtest
int32_t pairedTest(const OperationCall& call);     // pairtest

// distribution_operators.cpp: norm to invbindist; 0 with *known false for
// codes that are not distributions.
int32_t distribution(const OperationCall& call, bool* known);

// names.cpp: the function of an operator code; null for a code the library
// does not have.
using Operation = int32_t (*)(const OperationCall&);
Operation operationFor(OperatorCode op);

}  // namespace statistics

#endif
