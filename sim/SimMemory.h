#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

typedef struct _ArvFakeCamera ArvFakeCamera;

// The register space of one fake camera as its GVCP clients see it. Camera
// registers are big-endian words; the serial bridge keeps little-endian words.
// Accesses are plain copies, like the clients' own writes, so a word written
// here is seen whole by the next client read.
class SimMemory {
public:
    explicit SimMemory(ArvFakeCamera* camera);

    bool Read(uint32_t address, void* data, size_t size) const;
    bool Write(uint32_t address, const void* data, size_t size);

    uint32_t ReadBigEndian32(uint32_t address) const;
    void WriteBigEndian32(uint32_t address, uint32_t value);
    uint64_t ReadBigEndian64(uint32_t address) const;
    double ReadDouble(uint32_t address) const;
    void WriteDouble(uint32_t address, double value);
    uint32_t ReadLittleEndian32(uint32_t address) const;
    void WriteLittleEndian32(uint32_t address, uint32_t value);
    // A text field, zero-filled to length (longer text is cut to length - 1).
    void WriteText(uint32_t address, uint32_t length, const std::string& text);

private:
    ArvFakeCamera* camera_;
};
