#pragma once

#include <cstdint>

// One quantisation table: the 64 values as written to the file (zigzag order,
// 8-bit precision) and the forward table the quantiser multiplies by.
class CJPEGEncoderQuantTable {
public:
    // Loads a table given in natural (row by row) order and scales it by
    // quality: 0 keeps it as it is, 1..100 scale it so that 50 reproduces it
    // and 100 gives all ones. JPEG_ERR_TABLE for a negative quality or a bad id.
    int Set(int id, const uint8_t natural[64], int quality);

    int Id() const { return id_; }
    int Precision() const { return 0; }
    bool IsInitialised() const { return initialised_; }
    // Values in zigzag order, as in the DQT segment.
    const uint8_t* Values() const { return values_; }
    // Reciprocals of the values, folded with the scaling of the forward DCT,
    // in the coefficient order of the DCT kernels (see JpegKernels.h).
    const float* Divisors() const { return divisors_; }

private:
    int id_ = 0;
    uint8_t values_[64] = {};
    alignas(64) float divisors_[64] = {};
    bool initialised_ = false;
};
