#pragma once

#include "capture/CBitStreamOutput.h"
#include "capture/CJPEGColorComponent.h"
#include "capture/CJPEGEncoderHuffmanState.h"
#include "capture/CJPEGEncoderHuffmanTable.h"
#include "capture/CJPEGEncoderQuantTable.h"
#include "capture/CMemoryBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CBaseStreamOutput;
class CMemoryOutput;
namespace jpeg {
struct Kernels;
}

// Colour codes of the encoder's source and output.
enum JpegColor : int {
    JPEG_COLOR_GREY = 1,  // source or output: one 8-bit grey channel
    JPEG_COLOR_BGR = 3,   // source: 24-bit blue, green, red
    JPEG_COLOR_YCBCR = 4, // output: Y, Cb, Cr
};

// Baseline sequential JPEG encoder (Huffman coding with the standard tables,
// 8-bit samples, JFIF header) with fixed 4:2:2 sampling: MCUs of 16 x 8
// pixels, two luminance blocks side by side plus one Cb and one Cr block. A
// single grey component is declared 2 x 1 as well; its scan codes the blocks
// that cover the image, so any width decodes.
//
// An image of at least kPartPixels is cut into horizontal parts of whole MCU
// rows that are encoded at once, each on a thread of its own, as the restart
// intervals of one scan (a DRI segment, an RSTn marker before every part but
// the first): the decoded image is the same, the encoding takes a fraction of
// the time on a processor with several cores.
//
// Per image: SetSource, SetOutput, ConfigureEncoding (once is enough while the
// colour and quality stay), EmitHeaders, EmitScan. Reusing one encoder for a
// series of frames allocates nothing after the first frame of the largest
// size. Every step gives JPEG_OK or a JpegResult code; bytes already passed to
// the stream stay there.
//
//     CMemoryOutput memory;
//     CJPEGEncoder encoder;
//     encoder.SetOutput(&memory);
//     encoder.ConfigureEncoding(JPEG_COLOR_YCBCR, 75);
//     for each frame:
//         memory.Rewind();
//         encoder.SetSource(bgr, width, height, width * 3, 3, JPEG_COLOR_BGR);
//         if (encoder.EmitHeaders() == JPEG_OK && encoder.EmitScan() == JPEG_OK)
//             use memory.Data(), memory.Size();
class CJPEGEncoder {
public:
    static constexpr int kMaxComponents = 4;
    static constexpr int kMaxTables = 4;
    static constexpr uint32_t kMcuWidth = 16;
    static constexpr uint32_t kMcuHeight = 8;
    static constexpr uint32_t kMaxDimension = 65535;
    static constexpr uint64_t kPartPixels = 1u << 20;

    CJPEGEncoder();
    ~CJPEGEncoder();
    CJPEGEncoder(const CJPEGEncoder&) = delete;
    CJPEGEncoder& operator=(const CJPEGEncoder&) = delete;

    // The image to encode (not owned): rows top to bottom, `rowStep` bytes
    // apart. Channels 1 with JPEG_COLOR_GREY, 3 with JPEG_COLOR_BGR.
    void SetSource(const uint8_t* pixels, uint32_t width, uint32_t height, size_t rowStep, int channels,
                   int sourceColor);
    // The stream that receives the file (not owned, never closed here).
    void SetOutput(CBaseStreamOutput* stream) { stream_ = stream; }
    // How many parts an image may be cut into, 1 for none; by default the
    // processor's cores, at most kMaxParts.
    void SetMaxParts(int parts);
    static constexpr int kMaxParts = 8;

    // JPEG colour grey or YCbCr; quality 1..100 (0 keeps the standard tables
    // unscaled). Sets up the tables and the components.
    int ConfigureEncoding(int jpegColor, int quality);
    // Writes SOI, JFIF APP0, DQT, SOF0 and DHT, and flushes them to the stream.
    int EmitHeaders();
    // Writes SOS, the entropy-coded image and EOI, and flushes them to the stream.
    int EmitScan();

    uint32_t McuColumns() const { return mcuColumns_; }
    uint32_t McuRows() const { return mcuRows_; }
    uint32_t PaddingX() const { return paddingX_; }
    uint32_t PaddingY() const { return paddingY_; }
    // Parts of the current image (1 without restart markers) and the MCU rows of each but the last.
    uint32_t Parts() const { return parts_; }
    uint32_t RowsPerPart() const { return rowsPerPart_; }
    // Bytes of the current image passed to the stream so far.
    uint64_t BytesWritten() const { return output_.Total(); }

private:
    int CheckSource() const;
    int StartImage(CBaseStreamOutput* stream);
    void ChooseParts();
    int PrepareBuffers();
    int WriteHeaderMarkers();
    int WriteQuantTable(const CJPEGEncoderQuantTable& table);
    int WriteHuffmanTable(const CJPEGEncoderHuffmanTable& table);
    int WriteScanHeader();
    void ResetScan();
    int EncodeRows(uint32_t firstRow, uint32_t endRow);
    int FinishEntropy();
    // Encodes this encoder's whole source as one restart interval's entropy-coded data into stream.
    int EncodePart(CBaseStreamOutput* stream);
    void ConvertMcuRow(uint32_t mcuRow);
    void ConvertLine(const uint8_t* source, size_t line);
    void TransformMcuRow();
    int EncodeMcuRow();
    int FlushAt(const uint8_t* cursor);

    // Source, set by the caller.
    const uint8_t* pixels_ = nullptr;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    size_t rowStep_ = 0;
    int channels_ = 0;
    int sourceColor_ = 0;
    CBaseStreamOutput* stream_ = nullptr;

    // Set by ConfigureEncoding and EmitHeaders.
    int jpegColor_ = 0;
    int quality_ = 0;
    int componentCount_ = 0;
    bool configured_ = false;
    bool headersWritten_ = false;
    uint32_t mcuColumns_ = 0;
    uint32_t mcuRows_ = 0;
    uint32_t paddingX_ = 0;
    uint32_t paddingY_ = 0;
    int maxParts_ = 1;
    uint32_t parts_ = 1;
    uint32_t rowsPerPart_ = 0;

    CJPEGColorComponent components_[kMaxComponents];
    CJPEGEncoderQuantTable quantTables_[kMaxTables];
    CJPEGEncoderHuffmanTable dcTables_[kMaxTables];
    CJPEGEncoderHuffmanTable acTables_[kMaxTables];
    CJPEGEncoderHuffmanState huffmanState_;
    CBitStreamOutput output_;
    // One MCU row of quantised coefficients and their zigzag masks.
    CMemoryBuffer coefficients_;
    CMemoryBuffer acMasks_;
    // The right-hand end of a line, widened to a whole conversion chunk.
    uint8_t edgeChunk_[16 * 3] = {};
    const jpeg::Kernels* kernels_;
    // The encoders of the parts below the first and what they wrote, kept
    // from one image to the next.
    struct LowerPart;
    std::vector<std::unique_ptr<LowerPart>> lowerParts_;
};
