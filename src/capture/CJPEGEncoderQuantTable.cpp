#include "capture/CJPEGEncoderQuantTable.h"

#include "capture/JpegKernels.h"
#include "capture/JpegResult.h"

namespace {
constexpr int kMaxTableId = 3;
constexpr int kQualityPivot = 50;
constexpr int kMinValue = 1;
constexpr int kMaxValue = 255;
} // namespace

int CJPEGEncoderQuantTable::Set(int id, const uint8_t natural[64], int quality)
{
    initialised_ = false;
    if (id < 0 || id > kMaxTableId || quality < 0)
        return JPEG_ERR_TABLE;

    // Quality 0 keeps the table; below 50 the values grow as 50 / quality,
    // above it they shrink linearly to all ones at 100.
    const int scale = quality < kQualityPivot ? 5000 / (quality ? quality : 1) : 200 - 2 * quality;
    for (int k = 0; k < jpeg::kBlockCoefficients; ++k) {
        int value = natural[jpeg::kZigzagToNatural[k]];
        if (quality != 0) {
            value = (value * scale + 50) / 100;
            value = value < kMinValue ? kMinValue : value > kMaxValue ? kMaxValue : value;
        }
        values_[k] = static_cast<uint8_t>(value);
    }
    id_ = id;
    jpeg::ComputeDivisors(values_, divisors_);
    initialised_ = true;
    return JPEG_OK;
}
