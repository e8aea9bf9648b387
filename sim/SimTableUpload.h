#pragma once

#include <cstdint>
#include <vector>

// One table upload received by the option board: a start frame
// 02 F2+target 10+channel blocks 00 03, 132-byte block frames
// 02 80 <128 bytes> checksum 03, and an end frame 02 F0+target 10+channel
// blocks 00 03. Gamma tables (8192 bytes of 16-bit little-endian entries)
// take effect when the end frame arrives.
struct SimTableUpload {
    int port = 0;
    uint8_t startCommand = 0;   // 0xF2 to the register, 0xF3 to the EEPROM
    uint8_t channelByte = 0;    // 0x10 + channel (3 for a monochrome camera)
    uint8_t declaredBlocks = 0; // block count announced by the start frame
    std::vector<uint8_t> data;  // the bytes of the blocks with good checksums, in order
    int blocks = 0;             // block frames received, good or bad
    int badChecksums = 0;
    bool ended = false; // a matching end frame completed the upload
    uint8_t endCommand = 0;
};
