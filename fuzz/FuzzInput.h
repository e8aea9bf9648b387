#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

// The parsers under test read files: each input is written to a file of this
// process, replaced by the next input.
inline std::string WriteInputFile(const uint8_t* data, size_t size, const char* suffix)
{
    static const std::string path = "/tmp/lumivex-fuzz-" + std::to_string(::getpid()) + suffix;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}
