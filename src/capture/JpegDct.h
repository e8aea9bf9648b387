#pragma once

// One-dimensional 8-point forward DCT after Arai, Agui and Nakajima, on eight
// values (floats, or vectors of floats that transform eight lines at once).
// The output k comes out scaled by 8 * s(k) with s(0) = 1 and
// s(k) = sqrt(2) * cos(k * pi / 16); the quantiser's divisors undo that.
// Scalar and vector code share this one formula, so both round alike.
// Included by the kernel files only; static so that each keeps its own copy,
// compiled for its own instruction set.

namespace jpeg::detail {

template <class V>
static inline __attribute__((always_inline)) void ForwardDct8(V (&d)[8])
{
    const float kC4 = 0.707106781f; // cos(4 pi / 16)
    const float kC6 = 0.382683433f; // cos(6 pi / 16)
    const float kC2MinusC6 = 0.541196100f;
    const float kC2PlusC6 = 1.306562965f;

    const V tmp0 = d[0] + d[7];
    const V tmp7 = d[0] - d[7];
    const V tmp1 = d[1] + d[6];
    const V tmp6 = d[1] - d[6];
    const V tmp2 = d[2] + d[5];
    const V tmp5 = d[2] - d[5];
    const V tmp3 = d[3] + d[4];
    const V tmp4 = d[3] - d[4];

    // Even part.
    const V tmp10 = tmp0 + tmp3;
    const V tmp13 = tmp0 - tmp3;
    const V tmp11 = tmp1 + tmp2;
    const V tmp12 = tmp1 - tmp2;
    d[0] = tmp10 + tmp11;
    d[4] = tmp10 - tmp11;
    const V z1 = (tmp12 + tmp13) * kC4;
    d[2] = tmp13 + z1;
    d[6] = tmp13 - z1;

    // Odd part.
    const V odd10 = tmp4 + tmp5;
    const V odd11 = tmp5 + tmp6;
    const V odd12 = tmp6 + tmp7;
    const V z5 = (odd10 - odd12) * kC6;
    const V z2 = odd10 * kC2MinusC6 + z5;
    const V z4 = odd12 * kC2PlusC6 + z5;
    const V z3 = odd11 * kC4;
    const V z11 = tmp7 + z3;
    const V z13 = tmp7 - z3;
    d[5] = z13 + z2;
    d[3] = z13 - z2;
    d[1] = z11 + z4;
    d[7] = z11 - z4;
}

} // namespace jpeg::detail
