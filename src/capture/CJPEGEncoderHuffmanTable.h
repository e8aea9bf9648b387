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

    // The encoding table: per symbol, its code shifted left by the number of
    // value bits that follow it (the symbol's low four bits) in the low 32
    // bits, and code length plus value bits in the high 32 bits; 0 for a
    // symbol without a code.
    const uint64_t* CodesWithValueRoom() const { return withValueRoom_; }

private:
    int id_ = 0;
    int class_ = kClassDc;
    uint8_t counts_[16] = {};
    uint8_t symbols_[256] = {};
    int symbolCount_ = 0;
    uint64_t withValueRoom_[256] = {};
    bool initialised_ = false;
};
