#include "literal_product.h"

namespace lattix::reference {

Matrix* literalProduct(const Matrix* a, const Matrix* b) {
    if (a->cols != b->rows) return nullptr;
    Matrix* c = newMatrix(a->rows, b->cols);
    for (int i = 0; i < a->rows; ++i) {
        for (int j = 0; j < b->cols; ++j) {
            double sumRe = 0.0;
            double sumIm = 0.0;
            for (int k = 0; k < a->cols; ++k) {
                const double xr = a->re[i * a->cols + k];
                const double xi = a->im[i * a->cols + k];
                const double yr = b->re[k * b->cols + j];
                const double yi = b->im[k * b->cols + j];
                sumRe = sumRe + (xr * yr - xi * yi);
                sumIm = sumIm + (xr * yi + xi * yr);
            }
            c->re[i * c->cols + j] = sumRe;
            c->im[i * c->cols + j] = sumIm;
        }
    }
    return c;
}

}  // namespace lattix::reference
