#pragma once

#include "capture/CBaseStream.h"

#include <cstddef>
#include <cstdint>

// A byte sink that can be written to.
class CBaseStreamOutput : public CBaseStream {
public:
    // Writes `length` bytes and reports how many were taken in `written`.
    // Gives JPEG_OK, or JPEG_ERR_WRITE when fewer bytes than requested were written.
    virtual int Write(const uint8_t* data, size_t length, size_t* written) = 0;
};
