// The evaluator's two scratch records, owned with the value stack: building
// and indexing make their result in the first and copy it onto the stack
// (the result's slot is usually one of the operands), eval runs its text
// into the second.
#ifndef ORVANA_ENGINE_SCRATCH_RECORDS_H
#define ORVANA_ENGINE_SCRATCH_RECORDS_H

#include "lattix.h"

namespace engine {

Matrix* buildScratch();
Matrix* evalScratch();

}  // namespace engine

#endif
