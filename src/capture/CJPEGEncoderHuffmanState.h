#pragma once

#include <cstdint>
#include <cstring>

// Bit accumulator of the entropy coder. Bits gather in a 64-bit word and go
// out eight bytes at a time, each FF byte followed by a stuffed 00 (rare, so
// that path is slow). The caller keeps a copy in a local variable across a
// run of blocks, so that the word stays in a register, and leaves room in the
// output: one Put writes at most 16 bytes.
class CJPEGEncoderHuffmanState {
public:
    void Reset()
    {
        bits_ = 0;
        free_ = kWordBits;
    }

    // Appends the low `length` bits of `code` (1 <= length <= 32, code < 2^length)
    // and gives the new end of the output.
    [[nodiscard]] inline uint8_t* Put(uint32_t code, int length, uint8_t* out)
    {
        free_ -= length;
        if (free_ >= 0) [[likely]] {
            bits_ = bits_ << length | code;
            return out;
        }
        // The word is full: complete it with the high bits of the code, send it,
        // and keep the rest. Bits above them are shifted out later.
        const uint64_t word = bits_ << (length + free_) | uint64_t{code} >> -free_;
        free_ += kWordBits;
        bits_ = code;
        const uint64_t bigEndian = __builtin_bswap64(word);
        std::memcpy(out, &bigEndian, sizeof bigEndian);
        constexpr uint64_t kHighBits = 0x8080808080808080ull;
        constexpr uint64_t kOnes = 0x0101010101010101ull;
        if (word & kHighBits & ~(word + kOnes)) [[unlikely]]
            return StuffBytes(word, 8, out);
        return out + sizeof bigEndian;
    }

    // Pads the pending bits with 1-bits to a whole byte and writes them.
    [[nodiscard]] inline uint8_t* Finish(uint8_t* out)
    {
        const int pending = kWordBits - free_;
        const int padding = -pending & 7;
        const uint64_t bits = bits_ << padding | ((uint64_t{1} << padding) - 1);
        const int bytes = (pending + padding) / 8;
        if (bytes > 0)
            out = StuffBytes(bits << (kWordBits - 8 * bytes), bytes, out);
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
    int free_ = kWordBits;
};
