#pragma once

// Results of the JPEG encoder and its output streams: 0 or a small negative
// code. The first failure ends the step that met it.
enum JpegResult : int {
    JPEG_OK = 0,
    JPEG_ERR_COLOR = -1,     // unsupported pair of source colour and JPEG colour
    JPEG_ERR_TABLE = -2,     // a table step failed (bad quality, table not set up)
    JPEG_ERR_PARAMETER = -3, // bad parameter (image size, row step, table class, order of calls)
    JPEG_ERR_POSITION = -4,  // buffer position beyond the buffer size
    JPEG_ERR_WRITE = -5,     // the stream wrote fewer bytes than requested
    JPEG_ERR_MEMORY = -6,    // out of memory
};
