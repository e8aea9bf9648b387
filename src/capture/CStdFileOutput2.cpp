#include "capture/CStdFileOutput2.h"

#include "capture/JpegResult.h"

int CStdFileOutput2::Open(const char*)
{
    return JPEG_OK;
}

void CStdFileOutput2::Close()
{
    file_ = nullptr;
}

int CStdFileOutput2::Write(const uint8_t* data, size_t length, size_t* written)
{
    *written = file_ ? std::fwrite(data, 1, length, file_) : 0;
    return *written == length ? JPEG_OK : JPEG_ERR_WRITE;
}
