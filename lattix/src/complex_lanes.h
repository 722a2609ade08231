// Eight complex lanes at a time for the vectorised kernels: the vector types,
// loads and stores, and the attribute that compiles a hot loop for AVX-512,
// AVX2 and plain x86-64, picking the best when the library loads.
//
// Vector types are passed only between always-inlined helpers; the ABI note
// about 64-byte vectors without AVX-512 does not concern any real call, so
// every includer turns it off.
#ifndef LATTIX_COMPLEX_LANES_H
#define LATTIX_COMPLEX_LANES_H

#pragma GCC diagnostic ignored "-Wpsabi"

namespace lattix::lanes {

typedef double v8d __attribute__((vector_size(64)));
typedef long long v8l __attribute__((vector_size(64)));

#define LATTIX_INLINE inline __attribute__((always_inline))
#define LATTIX_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))

LATTIX_INLINE v8d load(const double* p) {
    v8d v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}
LATTIX_INLINE void store(double* p, const v8d& v) { __builtin_memcpy(p, &v, sizeof v); }

// Scalars enter vector expressions as plain doubles (x * y): the compiler
// then broadcasts each once, whereas a vector built from eight copies of a
// scalar is assembled lane by lane in the multi-versioned functions.
constexpr v8d kZero = {};

}  // namespace lattix::lanes

#endif
