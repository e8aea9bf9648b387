#pragma once

#include <cstdint>

// One Huffman table: its class and id, the 16 code-length counts and the
// symbols as written in the DHT segment, and the code of every symbol.
class CJPEGEncoderHuffmanTable {
public:
    static constexpr int kClassDc = 0;
    static constexpr int kClassAc = 1;

    // Derives the codes of the symbols (canonical codes, T.81 Annex C).
    // JPEG_ERR_PARAMETER for a bad id or class, JPEG_ERR_TABLE for counts that
    // give more than 256 symbols or do not fit their code lengths.
    int Set(int id, int tableClass, const uint8_t counts[16], const uint8_t* symbols);

    int Id() const { return id_; }
    int Class() const { return class_; }
    const uint8_t* Counts() const { return counts_; }
    const uint8_t* Symbols() const { return symbols_; }
    int SymbolCount() const { return symbolCount_; }
    bool IsInitialised() const { return initialised_; }

    // Code of a symbol, right-aligned, and its length in bits (0: no code).
    uint16_t Code(uint8_t symbol) const { return static_cast<uint16_t>(packed_[symbol]); }
    int Length(uint8_t symbol) const { return static_cast<int>(packed_[symbol] >> kLengthShift); }
    // Code and length of every symbol in one word, for the entropy coder.
    static constexpr int kLengthShift = 16;
    const uint32_t* PackedCodes() const { return packed_; }

private:
    int id_ = 0;
    int class_ = kClassDc;
    uint8_t counts_[16] = {};
    uint8_t symbols_[256] = {};
    int symbolCount_ = 0;
    uint32_t packed_[256] = {};
    bool initialised_ = false;
};
