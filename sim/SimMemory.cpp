#include "SimMemory.h"

#include <arv.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The fake camera answers reads above its memory from the GenICam text and
// crashes past its end: every access must stay below this address.
constexpr uint64_t kMemoryEnd = ARV_FAKE_CAMERA_MEMORY_SIZE;

bool InMemory(uint32_t address, size_t size)
{
    return size > 0 && static_cast<uint64_t>(address) + size < kMemoryEnd;
}

} // namespace

SimMemory::SimMemory(ArvFakeCamera* camera) : camera_(camera) {}

bool SimMemory::Read(uint32_t address, void* data, size_t size) const
{
    if (!InMemory(address, size))
        return false;
    return arv_fake_camera_read_memory(camera_, address, static_cast<guint32>(size), data);
}

bool SimMemory::Write(uint32_t address, const void* data, size_t size)
{
    if (!InMemory(address, size))
        return false;
    return arv_fake_camera_write_memory(camera_, address, static_cast<guint32>(size), data);
}

uint32_t SimMemory::ReadBigEndian32(uint32_t address) const
{
    uint8_t bytes[4] = {};
    Read(address, bytes, sizeof bytes);
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

void SimMemory::WriteBigEndian32(uint32_t address, uint32_t value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                              static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    Write(address, bytes, sizeof bytes);
}

uint64_t SimMemory::ReadBigEndian64(uint32_t address) const
{
    return (uint64_t{ReadBigEndian32(address)} << 32) | ReadBigEndian32(address + 4);
}

double SimMemory::ReadDouble(uint32_t address) const
{
    const uint64_t bits = ReadBigEndian64(address);
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void SimMemory::WriteDouble(uint32_t address, double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    uint8_t bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
    Write(address, bytes, sizeof bytes);
}

uint32_t SimMemory::ReadLittleEndian32(uint32_t address) const
{
    uint8_t bytes[4] = {};
    Read(address, bytes, sizeof bytes);
    return (uint32_t{bytes[3]} << 24) | (uint32_t{bytes[2]} << 16) | (uint32_t{bytes[1]} << 8) | bytes[0];
}

void SimMemory::WriteLittleEndian32(uint32_t address, uint32_t value)
{
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    Write(address, bytes, sizeof bytes);
}

void SimMemory::WriteText(uint32_t address, uint32_t length, const std::string& text)
{
    std::vector<char> field(length, '\0');
    std::memcpy(field.data(), text.data(), std::min<size_t>(text.size(), length > 0 ? length - 1 : 0));
    Write(address, field.data(), field.size());
}
