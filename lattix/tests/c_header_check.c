/* The value library's header must stay usable from C11. */
#include "lattix.h"

int lattixHeaderCheck(void);

int lattixHeaderCheck(void) {
    Matrix* m = newMatrix(2, 2);
    int kind = m->kind == LATTIX_KIND_MATRIX_VALUE;
    delMatrix(m);
    return kind;
}
