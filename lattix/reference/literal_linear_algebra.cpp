#include "literal_linear_algebra.h"

#include <cmath>
#include <utility>

namespace lattix::reference {
namespace {

struct Z {
    double re;
    double im;
};

Z mul(Z x, Z y) {
    if (x.im == 0.0 && y.im == 0.0) return {x.re * y.re, 0.0};
    return {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re};
}

Z div(Z x, Z y) {
    if (x.im == 0.0 && y.im == 0.0) return {x.re / y.re, 0.0};
    double m = y.im * y.im + y.re * y.re;
    double r = 1.0 / m;
    return {(y.im * x.im + y.re * x.re) * r, (x.im * y.re - y.im * x.re) * r};
}

double modulus(Z z) {
    if (z.im == 0.0) return std::fabs(z.re);
    return std::sqrt(z.re * z.re + z.im * z.im);
}

// Line i of B is column i of the stored working copy: B(i, j) = W(j, i).
struct Transposed {
    size_t n;
    double* re;
    double* im;

    Z get(size_t i, size_t j) const { return {re[j * n + i], im[j * n + i]}; }
    void set(size_t i, size_t j, Z z) {
        re[j * n + i] = z.re;
        im[j * n + i] = z.im;
    }
};

// Solves B x = v in place for the decomposed B.
void substitute(const Transposed& b, const std::vector<size_t>& permutation, std::vector<Z>& v) {
    const size_t n = b.n;
    bool firstSet = false;
    size_t first = 0;
    for (size_t i = 0; i < n; ++i) {
        size_t q = permutation[i];
        Z s = v[q];
        v[q] = v[i];
        if (firstSet) {
            for (size_t k = first; k < i; ++k) {
                Z p = mul(b.get(i, k), v[k]);
                s.re = s.re - p.re;
                s.im = s.im - p.im;
            }
        } else if (s.re != 0.0 || s.im != 0.0) {
            firstSet = true;
            first = i;
        }
        v[i] = s;
    }
    for (size_t i = n; i-- > 0;) {
        Z s = v[i];
        for (size_t k = i + 1; k < n; ++k) {
            Z p = mul(b.get(i, k), v[k]);
            s.re = s.re - p.re;
            s.im = s.im - p.im;
        }
        v[i] = div(s, b.get(i, i));
    }
}

struct Working {
    Matrix* m;
    explicit Working(const Matrix* a) : m(newMatrix(0, 0)) { copyMatMatrix(m, a); }
    ~Working() { delMatrix(m); }
};

}  // namespace

LiteralLu literalDecompose(size_t n, double* wRe, double* wIm) {
    LiteralLu lu;
    Transposed b{n, wRe, wIm};
    std::vector<double> scale(n);
    for (size_t i = 0; i < n; ++i) {
        double big = 0.0;
        for (size_t k = 0; k < n; ++k) {
            double t = modulus(b.get(i, k));
            if (t > big) big = t;
        }
        if (big == 0.0) {
            lu.status = 54;
            return lu;
        }
        scale[i] = 1.0 / big;
    }
    lu.permutation.assign(n, 0);
    lu.sign = 1.0;
    for (size_t j = 0; j < n; ++j) {
        for (size_t i = 0; i < j; ++i) {
            Z s = b.get(i, j);
            for (size_t k = 0; k < i; ++k) {
                Z p = mul(b.get(i, k), b.get(k, j));
                s.re = s.re - p.re;
                s.im = s.im - p.im;
            }
            b.set(i, j, s);
        }
        double big = 0.0;
        size_t p = j;
        for (size_t i = j; i < n; ++i) {
            Z s = b.get(i, j);
            for (size_t k = 0; k < j; ++k) {
                Z t = mul(b.get(i, k), b.get(k, j));
                s.re = s.re - t.re;
                s.im = s.im - t.im;
            }
            b.set(i, j, s);
            double t = scale[i] * modulus(s);
            if (t >= big) {
                big = t;
                p = i;
            }
        }
        if (p != j) {
            for (size_t k = 0; k < n; ++k) {
                Z t = b.get(p, k);
                b.set(p, k, b.get(j, k));
                b.set(j, k, t);
            }
            lu.sign = -lu.sign;
            scale[p] = scale[j];
        }
        lu.permutation[j] = p;
        if (modulus(b.get(j, j)) < 1e-14) {
            lu.status = 53;
            b.set(j, j, {1e-14, 0.0});
        }
        if (j < n - 1) {
            Z r = div({1.0, 0.0}, b.get(j, j));
            for (size_t i = j + 1; i < n; ++i) b.set(i, j, mul(b.get(i, j), r));
        }
    }
    return lu;
}

uint16_t literalInvMatrix(Matrix* a) {
    if (a->rows != a->cols || a->rows < 1) return 51;
    const size_t n = a->rows;
    Working w(a);
    LiteralLu lu = literalDecompose(n, w.m->re, w.m->im);
    if (lu.status == 54) return 54;
    Transposed b{n, w.m->re, w.m->im};
    std::vector<Z> v(n);
    for (size_t i = 0; i < n; ++i) {
        for (size_t k = 0; k < n; ++k) v[k] = {k == i ? 1.0 : 0.0, 0.0};
        substitute(b, lu.permutation, v);
        for (size_t k = 0; k < n; ++k) {
            a->re[i * n + k] = v[k].re;
            a->im[i * n + k] = v[k].im;
        }
    }
    return lu.status;
}

uint16_t literalDetMatrix(const Matrix* a, double* re, double* im) {
    if (a->kind != LATTIX_KIND_MATRIX_VALUE || a->rows != a->cols) return 51;
    const size_t n = a->rows;
    Working w(a);
    LiteralLu lu = literalDecompose(n, w.m->re, w.m->im);
    Z det{0.0, 0.0};
    if (lu.status == 0) {
        Transposed b{n, w.m->re, w.m->im};
        det = {lu.sign, 0.0};
        for (size_t j = 0; j < n; ++j) det = mul(det, b.get(j, j));
    }
    *re = det.re;
    *im = det.im;
    return 0;
}

uint16_t literalTransMatrix(Matrix* a) {
    if (a->kind != LATTIX_KIND_SCALAR && a->kind != LATTIX_KIND_MATRIX_VALUE) return 51;
    if (a->rows == 1 || a->cols == 1) {
        std::swap(a->rows, a->cols);
        return 0;
    }
    Working old(a);
    const size_t rows = a->rows, cols = a->cols;
    for (size_t i = 0; i < rows; ++i)
        for (size_t j = 0; j < cols; ++j) {
            a->re[j * rows + i] = old.m->re[i * cols + j];
            a->im[j * rows + i] = old.m->im[i * cols + j];
        }
    std::swap(a->rows, a->cols);
    return 0;
}

uint16_t literalRrefMatrix(Matrix* a) {
    if (a->kind != LATTIX_KIND_MATRIX_VALUE || a->rows >= a->cols) return 51;
    const size_t m = a->rows, c = a->cols;
    auto get = [&](size_t i, size_t j) { return Z{a->re[i * c + j], a->im[i * c + j]}; };
    auto set = [&](size_t i, size_t j, Z z) {
        a->re[i * c + j] = z.re;
        a->im[i * c + j] = z.im;
    };
    for (size_t l = 0; l < m; ++l) {
        double big = 0.0;
        bool found = false;
        size_t p = l;
        for (size_t i = l; i < m; ++i) {
            double t = modulus(get(i, l));
            if (t > big) {
                big = t;
                p = i;
                found = true;
            }
        }
        if (!found) return 53;
        for (size_t k = l; k < c; ++k) {
            Z t = get(p, k);
            set(p, k, get(l, k));
            set(l, k, t);
        }
        Z r = div({1.0, 0.0}, get(l, l));
        for (size_t k = l + 1; k < c; ++k) set(l, k, mul(get(l, k), r));
        set(l, l, {1.0, 0.0});
        for (size_t j = 0; j < m; ++j) {
            if (j == l) continue;
            Z f = get(j, l);
            f.re = -f.re;
            f.im = -f.im;
            for (size_t k = l + 1; k < c; ++k) {
                Z p = mul(f, get(l, k));
                Z s = get(j, k);
                set(j, k, {s.re + p.re, s.im + p.im});
            }
            set(j, l, {0.0, 0.0});
        }
    }
    return 0;
}

}  // namespace lattix::reference
