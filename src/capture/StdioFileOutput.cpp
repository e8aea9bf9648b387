#include "capture/StdioFileOutput.h"

#include "capture/JpegResult.h"

int StdioFileOutput::Open(const char*)
{
    return JPEG_OK;
}

void StdioFileOutput::Close()
{
    file_ = nullptr;
}

int StdioFileOutput::Write(const uint8_t* data, size_t length, size_t* written)
{
    *written = file_ ? std::fwrite(data, 1, length, file_) : 0;
    return *written == length ? JPEG_OK : JPEG_ERR_WRITE;
}
