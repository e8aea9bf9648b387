#include "capture/StillImageWriters.h"

#include <cerrno>

// Grey samples as they are. Colour has no raw form here and is refused
// before any file is made.
int CheckRaw(const StillImage& image)
{
    return image.IsGrey() ? 0 : EINVAL;
}

bool WriteRaw(std::FILE* file, const StillImage& image)
{
    return WriteBlock(file, image.pixels, image.PixelBytes());
}
