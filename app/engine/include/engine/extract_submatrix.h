// Copying a rectangular part of a value, as indexing ('a[2,3]', 'm[:,1]',
// 's[2:4]') does.
#ifndef ORVANA_ENGINE_EXTRACT_SUBMATRIX_H
#define ORVANA_ENGINE_EXTRACT_SUBMATRIX_H

#include <cstdint>

#include "engine/status.h"
#include "lattix.h"

namespace engine {

// Rows r1..r2 and columns c1..c2 (from 1) of src into dst. A lower bound
// below 1 selects the whole dimension. Rows exactly 1 to 1 make the columns
// count elements in row-major order over the whole matrix ('a[5]'). A string
// takes only rows 1 to 1 and gives the characters c1..c2. Anything out of
// range, or an empty range, is 14 and leaves dst alone. src and dst must be
// different records.
Status extractSubmatrix(const Matrix* src, Matrix* dst, int64_t r1, int64_t r2, int64_t c1,
                        int64_t c2);

}  // namespace engine

#endif
