// The matrix product written as plainly as it reads: for every element, the
// sum over k from 0 upwards of the full complex products, starting at 0.0.
#ifndef LATTIX_REFERENCE_LITERAL_PRODUCT_H
#define LATTIX_REFERENCE_LITERAL_PRODUCT_H

#include "lattix.h"

namespace lattix::reference {

// Returns a new rows(a) x cols(b) value (caller frees it with delMatrix), or
// null when the shapes don't fit.
Matrix* literalProduct(const Matrix* a, const Matrix* b);

}  // namespace lattix::reference

#endif
