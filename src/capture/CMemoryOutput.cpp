#include "capture/CMemoryOutput.h"

#include "capture/JpegResult.h"

#include <cstring>

int CMemoryOutput::Open(const char*)
{
    Rewind();
    return JPEG_OK;
}

int CMemoryOutput::Write(const uint8_t* data, size_t length, size_t* written)
{
    uint8_t* block = external_;
    size_t room = capacity_ - size_;
    if (!external_) {
        if (own_.Size() - size_ < length) {
            // Double, so that a growing image costs few copies.
            size_t wanted = own_.Size() * 2;
            if (wanted < size_ + length)
                wanted = size_ + length;
            if (!own_.Grow(wanted, size_))
                size_ = 0;
        }
        block = own_.Data();
        room = own_.Size() - size_;
    }
    *written = length < room ? length : room;
    if (*written > 0)
        std::memcpy(block + size_, data, *written);
    size_ += *written;
    return *written == length ? JPEG_OK : JPEG_ERR_WRITE;
}
