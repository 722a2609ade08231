/* Lattix, the value library: the Matrix record shared by every module, its
 * storage, arithmetic, linear algebra and polynomial roots.
 *
 * Every value is one Matrix record. Elements are complex doubles stored row by
 * row in two arrays (real and imaginary parts); a string keeps its UTF-16 text
 * in the bytes of `re`. Lattix allocates, resizes, copies and frees all of
 * them; other modules change values only through these functions.
 *
 * Statuses: the storage functions return 1 for done and 0 for a refused null
 * argument; the arithmetic and linear algebra functions return 0 for success
 * or an error code (9 incompatible data types, 14 invalid parameter value,
 * 51 incompatible matrices, 52 division by zero, 53 matrix singular or near
 * singular, 54 LU decomposition failed, 62 matrix too big, 65 interrupted).
 *
 * Long work: the product, inverse, determinant, reduced echelon form and
 * polynomial roots poll the platform's long-work period (platform/long_work.h)
 * between blocks of their loops and return 65 once the user asked the
 * running evaluation to stop; the value being computed is then meaningless
 * (the operand of an in-place operation may be partly overwritten).
 *
 * Out of memory: when an element array cannot be allocated, Lattix shows
 * "Out of memory.\nQuit Orvana immediately!" and builds the value on a shared
 * 40000-byte emergency reserve (5000 slots) so the program keeps running on
 * meaningless data. A request larger than the reserve leaves the value empty
 * (0 x 0, kind Empty, no arrays): a caller that asked for a shape and got a
 * different one has no storage, and the arithmetic functions then give 62. */
#ifndef LATTIX_H
#define LATTIX_H

#include <stddef.h>
#include <stdint.h>
#ifdef __cplusplus
#include <cstdint>
#else
#include <uchar.h>
#endif

#define LATTIX_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

typedef struct Matrix {
    uint16_t rows;     /* 0 for an empty value, a string or an RPN code */
    uint16_t cols;     /* likewise */
    uint16_t kind;     /* a MatrixKind code */
    double* re;        /* real parts, row by row; for a string, the UTF-16 text */
    double* im;        /* imaginary parts, same slot count as re */
    uint16_t capacity; /* 8-byte slots allocated in re and in im, modulo 65536 */
} Matrix;

/* MatrixKind codes, as stored in Matrix.kind. */
#define LATTIX_KIND_EMPTY 0        /* Empty: 0 x 0, no elements */
#define LATTIX_KIND_SCALAR 1       /* Scalar: 1 x 1 */
#define LATTIX_KIND_MATRIX_VALUE 2 /* MatrixValue: any shape but 1 x 1 */
#define LATTIX_KIND_STRING 3       /* String: 0 x 0, text in re */
#define LATTIX_KIND_RPN_CODE 6     /* RpnCode: 0 x 0, code in re[0] */

#ifdef __cplusplus
#define LATTIX_STATIC_ASSERT static_assert
#else
#define LATTIX_STATIC_ASSERT _Static_assert
#endif
LATTIX_STATIC_ASSERT(offsetof(Matrix, rows) == 0, "Matrix.rows");
LATTIX_STATIC_ASSERT(offsetof(Matrix, cols) == 2, "Matrix.cols");
LATTIX_STATIC_ASSERT(offsetof(Matrix, kind) == 4, "Matrix.kind");
LATTIX_STATIC_ASSERT(offsetof(Matrix, re) == sizeof(void*), "Matrix.re");
LATTIX_STATIC_ASSERT(offsetof(Matrix, im) == 2 * sizeof(void*), "Matrix.im");
LATTIX_STATIC_ASSERT(offsetof(Matrix, capacity) == 3 * sizeof(void*), "Matrix.capacity");
LATTIX_STATIC_ASSERT(sizeof(double) == 8, "slots are 8 bytes");

/* Storage. */
LATTIX_API Matrix* newMatrix(uint16_t rows, uint16_t cols);
LATTIX_API int delMatrix(Matrix* m);
LATTIX_API int resizeMatrix(Matrix* m, uint16_t rows, uint16_t cols);
LATTIX_API int packMatrix(Matrix* m);
LATTIX_API int copyMatMatrix(Matrix* dst, const Matrix* src);
LATTIX_API int copyValMatrix(Matrix* m, double re, double im);
LATTIX_API int copyStrMatrix(Matrix* m, const char16_t* text);
LATTIX_API int copyRPNMatrix(Matrix* m, int code);
LATTIX_API uint32_t makeCompatibleVector(Matrix* a, Matrix* b);

/* Arithmetic, in place on a; the low byte of flag selects element-wise mode. */
LATTIX_API uint16_t addMatrix(Matrix* a, Matrix* b, int flag);
LATTIX_API uint16_t subMatrix(Matrix* a, Matrix* b, int flag);
LATTIX_API uint16_t multMatrix(Matrix* a, Matrix* b, int flag);
LATTIX_API uint16_t divMatrix(Matrix* a, Matrix* b, int flag);

/* Linear algebra. */
LATTIX_API uint16_t invMatrix(Matrix* a);
LATTIX_API uint16_t detMatrix(const Matrix* a, double* re, double* im);
LATTIX_API uint16_t transMatrix(Matrix* a);
LATTIX_API uint16_t rrefMatrix(Matrix* a);

/* Polynomial roots: coefficients (n x 1, highest power first) to a d x 1 result. */
LATTIX_API uint16_t polyMatrix(const Matrix* coefficients, Matrix* result);
/* Does no work; eigenvalues are computed by the Advanced library. Returns 1. */
LATTIX_API int eigMatrix(void);

#ifdef __cplusplus
}

/* The kinds as a scoped enumeration for C++ callers. */
enum class MatrixKind : uint16_t {
    Empty = LATTIX_KIND_EMPTY,
    Scalar = LATTIX_KIND_SCALAR,
    MatrixValue = LATTIX_KIND_MATRIX_VALUE,
    String = LATTIX_KIND_STRING,
    RpnCode = LATTIX_KIND_RPN_CODE,
};

inline MatrixKind kindOf(const Matrix* m) { return static_cast<MatrixKind>(m->kind); }
#endif

#endif
