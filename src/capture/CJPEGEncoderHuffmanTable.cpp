#include "capture/CJPEGEncoderHuffmanTable.h"

#include "capture/JpegResult.h"

#include <cstring>

namespace {
constexpr int kMaxTableId = 3;
constexpr int kMaxSymbols = 256;
constexpr int kMaxCodeLength = 16;
} // namespace

int CJPEGEncoderHuffmanTable::Set(int id, int tableClass, const uint8_t counts[16], const uint8_t* symbols)
{
    initialised_ = false;
    if (id < 0 || id > kMaxTableId || (tableClass != kClassDc && tableClass != kClassAc))
        return JPEG_ERR_PARAMETER;
    int total = 0;
    for (int i = 0; i < kMaxCodeLength; ++i)
        total += counts[i];
    if (total > kMaxSymbols)
        return JPEG_ERR_TABLE;

    id_ = id;
    class_ = tableClass;
    std::memcpy(counts_, counts, sizeof counts_);
    std::memcpy(symbols_, symbols, static_cast<size_t>(total));
    symbolCount_ = total;
    std::memset(withValueRoom_, 0, sizeof withValueRoom_);

    // Canonical codes: consecutive within a length, doubled on each longer
    // length. A code that outgrows its length means the counts are invalid;
    // an all-ones code is reserved.
    uint32_t code = 0;
    int k = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        for (int n = 0; n < counts[length - 1]; ++n, ++k) {
            const uint8_t symbol = symbols_[k];
            const int valueBits = symbol & 0x0F;
            withValueRoom_[symbol] = static_cast<uint64_t>(length + valueBits) << 32 | uint64_t{code} << valueBits;
            ++code;
        }
        if (code >= (1u << length))
            return JPEG_ERR_TABLE;
        code <<= 1;
    }
    initialised_ = true;
    return JPEG_OK;
}
