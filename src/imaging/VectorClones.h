#pragma once

// Marks a function whose loops the compiler vectorises: on x86-64 it is built
// three times (AVX2, SSE4.2 and baseline SSE2) and the loader picks the best
// build for the processor. Everything the function calls is inlined into each
// build, so the templated kernels get the wider instructions too.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define LX_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "arch=x86-64-v2", "default"), flatten))
#else
#define LX_VECTOR_CLONES
#endif
