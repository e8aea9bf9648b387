#pragma once

#include <cstdint>
#include <cstring>

// Bit accumulator of the entropy coder. Pending bits sit at the top of a
// 64-bit word; every Put stores the whole word and moves on by the bytes it
// completed, so there is no hard-to-predict "word full" branch. Every FF byte
// is followed by a stuffed 00 (rare, so that path is slow).
//
// The caller keeps a copy in a local variable across a run of blocks, so the
// word stays in a register, and leaves room in the output: one Put stores 8
// bytes and may advance by up to 8.
class CJPEGEncoderHuffmanState {
public:
    void Reset()
    {
        bits_ = 0;
        count_ = 0;
    }

    // Appends the low `length` bits of `code` (1 <= length <= 32, code < 2^length)
    // and gives the new end of the output.
    [[nodiscard]] inline uint8_t* Put(uint32_t code, int length, uint8_t* out)
    {
        count_ += length;
        bits_ |= uint64_t{code} << (kWordBits - count_);
        const int bytes = count_ >> 3;
        const uint64_t bigEndian = __builtin_bswap64(bits_);
        std::memcpy(out, &bigEndian, sizeof bigEndian);
        // Flags every FF byte (and rarely a byte next to one); bytes past the
        // pending bits are zero and never flagged.
        constexpr uint64_t kHighBits = 0x8080808080808080ull;
        constexpr uint64_t kOnes = 0x0101010101010101ull;
        if (bits_ & kHighBits & ~(bits_ + kOnes)) [[unlikely]]
            out = StuffBytes(bits_, bytes, out);
        else
            out += bytes;
        bits_ <<= bytes * 8;
        count_ -= bytes * 8;
        return out;
    }

    // Pads the pending bits with 1-bits to a whole byte and writes them.
    [[nodiscard]] inline uint8_t* Finish(uint8_t* out)
    {
        const int padding = -count_ & 7;
        if (padding)
            out = Put((1u << padding) - 1, padding, out);
        Reset();
        return out;
    }

private:
    static constexpr int kWordBits = 64;

    static uint8_t* StuffBytes(uint64_t bits, int bytes, uint8_t* out)
    {
        for (int i = 0; i < bytes; ++i) {
            const auto value = static_cast<uint8_t>(bits >> (56 - 8 * i));
            *out++ = value;
            if (value == 0xFF)
                *out++ = 0;
        }
        return out;
    }

    uint64_t bits_ = 0;
    int count_ = 0;
};
