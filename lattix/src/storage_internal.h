// Storage helpers shared by the arithmetic exports.
#ifndef LATTIX_STORAGE_INTERNAL_H
#define LATTIX_STORAGE_INTERNAL_H

#include <cstdint>

#include "lattix.h"

namespace lattix {

struct ShapeMatch {
    uint32_t count = 0;          // elements to work on; 0 when the shapes don't match
    bool storageFailed = false;  // the scalar could not be expanded for want of memory
};

// makeCompatibleVector, telling a shape mismatch apart from exhausted memory.
ShapeMatch matchShapes(Matrix* a, Matrix* b);

}  // namespace lattix

#endif
