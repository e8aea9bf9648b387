#include "capture/StillImageWriters.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>

namespace {

constexpr int kBitDepth = 8;
constexpr int kDeepBitDepth = 16;

// libpng's errors end in the long jump below, without a message on the console.
void JumpOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// The file and the system's error of a failed write, so that a full disk is
// reported as such rather than as a library error.
struct PngTarget {
    std::FILE* file = nullptr;
    int error = 0;
};

void WriteToTarget(png_structp png, png_bytep data, size_t size)
{
    auto* target = static_cast<PngTarget*>(png_get_io_ptr(png));
    if (!WriteBlock(target->file, data, size)) {
        target->error = errno;
        png_error(png, "write failed");
    }
}

void FlushTarget(png_structp png)
{
    auto* target = static_cast<PngTarget*>(png_get_io_ptr(png));
    if (std::fflush(target->file) != 0) {
        target->error = errno ? errno : EIO;
        png_error(png, "flush failed");
    }
}

void IgnoreWarning(png_structp, png_const_charp) {}

} // namespace

int CheckPng(const StillImage& image)
{
    if (int error = CheckAnyDepth(image))
        return error;
    // libpng's own size limits, checked here so that a refused image leaves no file.
    return image.width <= PNG_USER_WIDTH_MAX && image.height <= PNG_USER_HEIGHT_MAX ? 0 : EINVAL;
}

// Plain locals only: the long jump skips destructors.
bool WritePng(std::FILE* file, const StillImage& image)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
    if (!png) {
        errno = ENOMEM;
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        errno = ENOMEM;
        return false;
    }
    PngTarget target{file, 0};
    if (setjmp(png_jmpbuf(png))) {
        // Read through libpng: the local may not be trusted after the jump.
        const int error = static_cast<const PngTarget*>(png_get_io_ptr(png))->error;
        png_destroy_write_struct(&png, &info);
        errno = error != 0 ? error : ENOMEM;
        return false;
    }

    png_set_write_fn(png, &target, WriteToTarget, FlushTarget);
    const bool deep = image.IsDeep();
    // 16-bit files are written without interlacing: they are for analysis,
    // and interlacing only slows the writing of large samples.
    png_set_IHDR(png, info, image.width, image.height, deep ? kDeepBitDepth : kBitDepth,
                 image.IsGrey() ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB,
                 deep ? PNG_INTERLACE_NONE : PNG_INTERLACE_ADAM7, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (deep) {
        png_color_8 significant{};
        const auto bits = static_cast<png_byte>(image.significantBits);
        significant.red = significant.green = significant.blue = significant.gray = bits;
        png_set_sBIT(png, info, &significant);
        if (image.description && *image.description) {
            png_text text{};
            text.compression = PNG_TEXT_COMPRESSION_NONE;
            text.key = const_cast<png_charp>("Description");
            text.text = const_cast<png_charp>(image.description);
            png_set_text(png, info, &text, 1);
        }
    }
    png_write_info(png, info);
    if (deep) {
        // The samples come in the host's (little-endian) order; PNG stores them big-endian.
        png_set_swap(png);
    } else {
        // At 8 bits only the blue-green-red order matters: rows come in as
        // blue, green, red and are stored as red, green, blue.
        png_set_packing(png);
        png_set_swap_alpha(png);
        png_set_bgr(png);
        png_set_swap(png);
        png_set_packswap(png);
    }

    // With interlace handling libpng takes every row once per pass and picks
    // the pixels of that pass itself; it copies each row before transforming it.
    const int passes = png_set_interlace_handling(png);
    const size_t rowBytes = image.RowBytes();
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < image.height; ++y)
            png_write_row(png, const_cast<png_bytep>(image.pixels + y * rowBytes));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
