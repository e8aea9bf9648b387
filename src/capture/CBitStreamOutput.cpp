#include "capture/CBitStreamOutput.h"

#include "capture/CBaseStreamOutput.h"
#include "capture/JpegResult.h"

#include <cstring>

int CBitStreamOutput::Start(CBaseStreamOutput* stream)
{
    if (!buffer_.Reserve(size_))
        return JPEG_ERR_MEMORY;
    stream_ = stream;
    position_ = 0;
    total_ = 0;
    return JPEG_OK;
}

int CBitStreamOutput::PutByte(uint8_t value)
{
    if (position_ == size_) {
        if (int result = Flush(); result != JPEG_OK)
            return result;
    }
    buffer_.Data()[position_++] = value;
    return JPEG_OK;
}

int CBitStreamOutput::Put16(uint16_t value)
{
    if (int result = PutByte(static_cast<uint8_t>(value >> 8)); result != JPEG_OK)
        return result;
    return PutByte(static_cast<uint8_t>(value));
}

int CBitStreamOutput::PutBytes(const uint8_t* data, size_t length)
{
    while (length > 0) {
        if (position_ == size_) {
            if (int result = Flush(); result != JPEG_OK)
                return result;
        }
        const size_t part = length < size_ - position_ ? length : size_ - position_;
        std::memcpy(buffer_.Data() + position_, data, part);
        position_ += part;
        data += part;
        length -= part;
    }
    return JPEG_OK;
}

int CBitStreamOutput::Flush()
{
    if (position_ > size_)
        return JPEG_ERR_POSITION;
    if (position_ == 0)
        return JPEG_OK;
    if (!stream_)
        return JPEG_ERR_WRITE;
    const size_t requested = position_;
    size_t written = 0;
    const int result = stream_->Write(buffer_.Data(), requested, &written);
    total_ += written;
    position_ = 0;
    return result == JPEG_OK && written == requested ? JPEG_OK : JPEG_ERR_WRITE;
}

int CBitStreamOutput::SetCursor(const uint8_t* cursor)
{
    if (cursor < buffer_.Data() || cursor > buffer_.Data() + size_)
        return JPEG_ERR_POSITION;
    position_ = static_cast<size_t>(cursor - buffer_.Data());
    return JPEG_OK;
}
