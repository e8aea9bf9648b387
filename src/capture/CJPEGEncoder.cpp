#include "capture/CJPEGEncoder.h"

#include "capture/CBaseStreamOutput.h"
#include "capture/CMemoryOutput.h"
#include "capture/JpegKernels.h"
#include "capture/JpegResult.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

namespace {

// Example tables of T.81 Annex K: K.1 luminance and K.2 chrominance
// quantisation (natural order), K.3 to K.6 Huffman tables.
constexpr uint8_t kLuminanceQuant[64] = {
    16, 11, 10, 16, 24,  40,  51,  61,  //
    12, 12, 14, 19, 26,  58,  60,  55,  //
    14, 13, 16, 24, 40,  57,  69,  56,  //
    14, 17, 22, 29, 51,  87,  80,  62,  //
    18, 22, 37, 56, 68,  109, 103, 77,  //
    24, 35, 55, 64, 81,  104, 113, 92,  //
    49, 64, 78, 87, 103, 121, 120, 101, //
    72, 92, 95, 98, 112, 100, 103, 99,
};
constexpr uint8_t kChrominanceQuant[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, //
    18, 21, 26, 66, 99, 99, 99, 99, //
    24, 26, 56, 99, 99, 99, 99, 99, //
    47, 66, 99, 99, 99, 99, 99, 99, //
    99, 99, 99, 99, 99, 99, 99, 99, //
    99, 99, 99, 99, 99, 99, 99, 99, //
    99, 99, 99, 99, 99, 99, 99, 99, //
    99, 99, 99, 99, 99, 99, 99, 99,
};

constexpr uint8_t kDcLuminanceCounts[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
constexpr uint8_t kDcChrominanceCounts[16] = {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
constexpr uint8_t kDcSymbols[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

constexpr uint8_t kAcLuminanceCounts[16] = {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d};
constexpr uint8_t kAcLuminanceSymbols[162] = {
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, //
    0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, //
    0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25, 0x26, 0x27, 0x28, //
    0x29, 0x2a, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, //
    0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, //
    0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, //
    0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, //
    0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, 0xc4, 0xc5, //
    0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2, //
    0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, //
    0xf9, 0xfa,
};

constexpr uint8_t kAcChrominanceCounts[16] = {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77};
constexpr uint8_t kAcChrominanceSymbols[162] = {
    0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71, //
    0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, //
    0x15, 0x62, 0x72, 0xd1, 0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18, 0x19, 0x1a, 0x26, //
    0x27, 0x28, 0x29, 0x2a, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, //
    0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, //
    0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, //
    0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3, 0xa4, 0xa5, //
    0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3, //
    0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, //
    0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, //
    0xf9, 0xfa,
};

constexpr uint8_t kMarkerPrefix = 0xFF;
constexpr uint8_t kSoi = 0xD8;
constexpr uint8_t kApp0 = 0xE0;
constexpr uint8_t kDqt = 0xDB;
constexpr uint8_t kSof0 = 0xC0;
constexpr uint8_t kDht = 0xC4;
constexpr uint8_t kSos = 0xDA;
constexpr uint8_t kEoi = 0xD9;
constexpr uint8_t kDri = 0xDD;
constexpr uint8_t kRst0 = 0xD0;
constexpr int kRestartMarkerCount = 8;
// A restart interval counts MCUs in 16 bits.
constexpr uint32_t kMaxRestartInterval = 0xFFFF;

// JFIF 1.02, no density units, 1:1 aspect, no thumbnail.
constexpr uint8_t kJfifSegment[] = {
    0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01, 0x02, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00,
};
static_assert(kJfifSegment[1] == kApp0);

constexpr int kSamplePrecision = 8;
constexpr int kLastCoefficient = 63;
constexpr uint8_t kZeroRunSymbol = 0xF0;
constexpr uint8_t kEndOfBlockSymbol = 0x00;
constexpr int kMaxZeroRun = 15;

// Room the entropy coder needs before a block: 63 AC codes of at most 26 bits
// and a DC code of at most 22, every byte possibly doubled by stuffing, plus
// the pending bits of the accumulator.
constexpr size_t kBlockReserve = 512;

inline int BitLength(uint32_t magnitude)
{
    return 31 - __builtin_clz(magnitude * 2 + 1);
}

// Puts a symbol's code followed by its value bits, as many as the symbol's low
// four bits say; negative values come as value - 1 in that many bits (T.81
// F.1.2.1).
inline uint8_t* PutSymbol(CJPEGEncoderHuffmanState& state, uint64_t codeWithRoom, uint32_t bits, uint8_t* out)
{
    return state.Put(static_cast<uint32_t>(codeWithRoom) | bits, static_cast<int>(codeWithRoom >> 32), out);
}

// One block in the kernels' word form (see JpegKernels.h), T.81 F.1.2: the
// DC difference, then runs of zeros and non-zero AC values, ZRL for runs over
// 15, EOB unless the last coefficient is non-zero.
inline uint8_t* EncodeBlock(const int16_t* words, uint64_t acMask, int& lastDc, const uint64_t* dcCodes,
                            const uint64_t* acCodes, CJPEGEncoderHuffmanState& state, uint8_t* out)
{
    const int dc = words[0];
    const int difference = dc - lastDc;
    lastDc = dc;
    const int dcSize = BitLength(static_cast<uint32_t>(difference < 0 ? -difference : difference));
    const uint32_t dcBits = static_cast<uint32_t>(difference + (difference >> 31)) & ((1u << dcSize) - 1);
    out = PutSymbol(state, dcCodes[dcSize], dcBits, out);

    int previous = 0;
    while (acMask) {
        const int k = __builtin_ctzll(acMask);
        acMask &= acMask - 1;
        int run = k - previous - 1;
        previous = k;
        while (run > kMaxZeroRun) {
            out = PutSymbol(state, acCodes[kZeroRunSymbol], 0, out);
            run -= kMaxZeroRun + 1;
        }
        const auto word = static_cast<uint32_t>(words[jpeg::kZigzagToCoefficient[k]]);
        const uint32_t size = word >> jpeg::kAcSizeShift;
        out = PutSymbol(state, acCodes[static_cast<uint32_t>(run) << 4 | size], word & jpeg::kAcBitsMask, out);
    }
    if (previous != kLastCoefficient)
        out = PutSymbol(state, acCodes[kEndOfBlockSymbol], 0, out);
    return out;
}

} // namespace

struct CJPEGEncoder::LowerPart {
    CJPEGEncoder encoder;
    CMemoryOutput memory;
    std::thread thread;
    int result = JPEG_OK;
};

CJPEGEncoder::CJPEGEncoder() : kernels_(&jpeg::FastestKernels())
{
    for (int i = 0; i < kMaxComponents; ++i)
        components_[i].index = i;
    SetMaxParts(static_cast<int>(std::thread::hardware_concurrency()));
}

CJPEGEncoder::~CJPEGEncoder() = default;

void CJPEGEncoder::SetMaxParts(int parts)
{
    maxParts_ = std::clamp(parts, 1, kMaxParts);
}

void CJPEGEncoder::SetSource(const uint8_t* pixels, uint32_t width, uint32_t height, size_t rowStep, int channels,
                             int sourceColor)
{
    pixels_ = pixels;
    width_ = width;
    height_ = height;
    rowStep_ = rowStep;
    channels_ = channels;
    sourceColor_ = sourceColor;
}

int CJPEGEncoder::ConfigureEncoding(int jpegColor, int quality)
{
    configured_ = false;
    headersWritten_ = false;
    if (jpegColor != JPEG_COLOR_GREY && jpegColor != JPEG_COLOR_YCBCR)
        return JPEG_ERR_COLOR;
    if (quality < 0)
        return JPEG_ERR_TABLE;
    jpegColor_ = jpegColor;
    quality_ = quality;
    componentCount_ = jpegColor == JPEG_COLOR_GREY ? 1 : 3;

    using Huffman = CJPEGEncoderHuffmanTable;
    int result = quantTables_[0].Set(0, kLuminanceQuant, quality);
    if (result == JPEG_OK)
        result = dcTables_[0].Set(0, Huffman::kClassDc, kDcLuminanceCounts, kDcSymbols);
    if (result == JPEG_OK)
        result = acTables_[0].Set(0, Huffman::kClassAc, kAcLuminanceCounts, kAcLuminanceSymbols);
    if (result == JPEG_OK && componentCount_ == 3) {
        result = quantTables_[1].Set(1, kChrominanceQuant, quality);
        if (result == JPEG_OK)
            result = dcTables_[1].Set(1, Huffman::kClassDc, kDcChrominanceCounts, kDcSymbols);
        if (result == JPEG_OK)
            result = acTables_[1].Set(1, Huffman::kClassAc, kAcChrominanceCounts, kAcChrominanceSymbols);
    }
    if (result != JPEG_OK)
        return result;

    // 4:2:2 always, also for a single grey component: luminance 2 x 1, chroma 1 x 1.
    for (int i = 0; i < componentCount_; ++i) {
        CJPEGColorComponent& component = components_[i];
        const bool luminance = i == 0;
        component.id = i;
        component.h = luminance ? 2 : 1;
        component.v = 1;
        component.hRatio = luminance ? 1 : 2;
        component.vRatio = 1;
        component.blocksPerMcu = component.h * component.v;
        component.quantTable = luminance ? 0 : 1;
        component.dcTable = component.quantTable;
        component.acTable = component.quantTable;
    }
    configured_ = true;
    return JPEG_OK;
}

int CJPEGEncoder::CheckSource() const
{
    const bool grey = sourceColor_ == JPEG_COLOR_GREY;
    if (!grey && sourceColor_ != JPEG_COLOR_BGR)
        return JPEG_ERR_COLOR;
    if (!grey && jpegColor_ != JPEG_COLOR_YCBCR)
        return JPEG_ERR_COLOR;
    if (channels_ != (grey ? 1 : 3))
        return JPEG_ERR_PARAMETER;
    if (!pixels_ || width_ == 0 || height_ == 0 || width_ > kMaxDimension || height_ > kMaxDimension)
        return JPEG_ERR_PARAMETER;
    if (rowStep_ < static_cast<size_t>(width_) * static_cast<size_t>(channels_))
        return JPEG_ERR_PARAMETER;
    return JPEG_OK;
}

int CJPEGEncoder::EmitHeaders()
{
    headersWritten_ = false;
    if (!configured_)
        return JPEG_ERR_TABLE;
    if (int result = StartImage(stream_); result != JPEG_OK)
        return result;
    ChooseParts();
    if (int result = WriteHeaderMarkers(); result != JPEG_OK)
        return result;
    if (int result = output_.Flush(); result != JPEG_OK)
        return result;
    headersWritten_ = true;
    return JPEG_OK;
}

int CJPEGEncoder::StartImage(CBaseStreamOutput* stream)
{
    if (int result = CheckSource(); result != JPEG_OK)
        return result;
    mcuColumns_ = (width_ + kMcuWidth - 1) / kMcuWidth;
    mcuRows_ = (height_ + kMcuHeight - 1) / kMcuHeight;
    paddingX_ = mcuColumns_ * kMcuWidth - width_;
    paddingY_ = mcuRows_ * kMcuHeight - height_;
    if (int result = PrepareBuffers(); result != JPEG_OK)
        return result;
    return output_.Start(stream);
}

void CJPEGEncoder::ChooseParts()
{
    parts_ = 1;
    rowsPerPart_ = mcuRows_;
    if (maxParts_ < 2 || static_cast<uint64_t>(width_) * height_ < kPartPixels)
        return;
    // Every part but the last is one restart interval of whole MCU rows; a
    // single component's MCU is one block.
    const uint64_t mcusPerRow = componentCount_ == 1 ? components_[0].blocksPerLine : mcuColumns_;
    const uint32_t rows = (mcuRows_ + static_cast<uint32_t>(maxParts_) - 1) / static_cast<uint32_t>(maxParts_);
    if (rows * mcusPerRow > kMaxRestartInterval)
        return;
    rowsPerPart_ = rows;
    parts_ = (mcuRows_ + rows - 1) / rows;
}

int CJPEGEncoder::PrepareBuffers()
{
    const bool greySource = sourceColor_ == JPEG_COLOR_GREY;
    size_t blocks = 0;
    for (int i = 0; i < componentCount_; ++i) {
        CJPEGColorComponent& component = components_[i];
        component.lines = static_cast<int>(kMcuHeight);
        component.rowLength = static_cast<size_t>(mcuColumns_) * kMcuWidth / component.hRatio;
        component.flat = greySource && i > 0;
        // A scan of one component codes the blocks that cover the image, not
        // whole MCUs (T.81 A.2.2), so a grey width that is no multiple of 16
        // still decodes.
        component.blocksPerLine = componentCount_ == 1 ? (width_ + jpeg::kBlockSize - 1) / jpeg::kBlockSize
                                                       : static_cast<size_t>(mcuColumns_) * component.blocksPerMcu;
        component.firstBlock = blocks;
        blocks += component.blocksPerLine;
        if (!component.flat && !component.samples.Reserve(component.rowLength * component.lines))
            return JPEG_ERR_MEMORY;
    }
    if (!coefficients_.Reserve(blocks * jpeg::kBlockCoefficients * sizeof(int16_t)) ||
        !acMasks_.Reserve(blocks * sizeof(uint64_t)))
        return JPEG_ERR_MEMORY;
    return JPEG_OK;
}

int CJPEGEncoder::WriteHeaderMarkers()
{
    int result = output_.PutByte(kMarkerPrefix);
    if (result == JPEG_OK)
        result = output_.PutByte(kSoi);
    if (result == JPEG_OK)
        result = output_.PutBytes(kJfifSegment, sizeof kJfifSegment);
    for (int t = 0; t < (componentCount_ == 3 ? 2 : 1) && result == JPEG_OK; ++t)
        result = WriteQuantTable(quantTables_[t]);
    if (result != JPEG_OK)
        return result;

    const uint8_t frame[] = {
        kMarkerPrefix,
        kSof0,
        0,
        static_cast<uint8_t>(8 + 3 * componentCount_),
        kSamplePrecision,
        static_cast<uint8_t>(height_ >> 8),
        static_cast<uint8_t>(height_),
        static_cast<uint8_t>(width_ >> 8),
        static_cast<uint8_t>(width_),
        static_cast<uint8_t>(componentCount_),
    };
    result = output_.PutBytes(frame, sizeof frame);
    for (int i = 0; i < componentCount_ && result == JPEG_OK; ++i) {
        const CJPEGColorComponent& component = components_[i];
        const uint8_t componentSpec[] = {static_cast<uint8_t>(component.id),
                                         static_cast<uint8_t>(component.h << 4 | component.v),
                                         static_cast<uint8_t>(component.quantTable)};
        result = output_.PutBytes(componentSpec, sizeof componentSpec);
    }
    for (int t = 0; t < (componentCount_ == 3 ? 2 : 1) && result == JPEG_OK; ++t) {
        result = WriteHuffmanTable(dcTables_[t]);
        if (result == JPEG_OK)
            result = WriteHuffmanTable(acTables_[t]);
    }
    if (result == JPEG_OK && parts_ > 1) {
        const uint64_t mcusPerRow = componentCount_ == 1 ? components_[0].blocksPerLine : mcuColumns_;
        const auto interval = static_cast<uint32_t>(rowsPerPart_ * mcusPerRow);
        const uint8_t restart[] = {
            kMarkerPrefix, kDri, 0, 4, static_cast<uint8_t>(interval >> 8), static_cast<uint8_t>(interval)};
        result = output_.PutBytes(restart, sizeof restart);
    }
    return result;
}

int CJPEGEncoder::WriteQuantTable(const CJPEGEncoderQuantTable& table)
{
    if (!table.IsInitialised())
        return JPEG_ERR_TABLE;
    const uint8_t head[] = {kMarkerPrefix, kDqt, 0, 2 + 1 + 64,
                            static_cast<uint8_t>(table.Precision() << 4 | table.Id())};
    int result = output_.PutBytes(head, sizeof head);
    return result == JPEG_OK ? output_.PutBytes(table.Values(), jpeg::kBlockCoefficients) : result;
}

int CJPEGEncoder::WriteHuffmanTable(const CJPEGEncoderHuffmanTable& table)
{
    if (!table.IsInitialised())
        return JPEG_ERR_TABLE;
    const int length = 2 + 1 + 16 + table.SymbolCount();
    const uint8_t head[] = {kMarkerPrefix, kDht, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length),
                            static_cast<uint8_t>(table.Class() << 4 | table.Id())};
    int result = output_.PutBytes(head, sizeof head);
    if (result == JPEG_OK)
        result = output_.PutBytes(table.Counts(), 16);
    return result == JPEG_OK ? output_.PutBytes(table.Symbols(), static_cast<size_t>(table.SymbolCount())) : result;
}

int CJPEGEncoder::WriteScanHeader()
{
    const uint8_t head[] = {kMarkerPrefix, kSos, 0, static_cast<uint8_t>(6 + 2 * componentCount_),
                            static_cast<uint8_t>(componentCount_)};
    int result = output_.PutBytes(head, sizeof head);
    for (int i = 0; i < componentCount_ && result == JPEG_OK; ++i) {
        const CJPEGColorComponent& component = components_[i];
        const uint8_t componentSpec[] = {static_cast<uint8_t>(component.id),
                                         static_cast<uint8_t>(component.dcTable << 4 | component.acTable)};
        result = output_.PutBytes(componentSpec, sizeof componentSpec);
    }
    // Spectral selection 0..63, no successive approximation.
    const uint8_t tail[] = {0, kLastCoefficient, 0};
    return result == JPEG_OK ? output_.PutBytes(tail, sizeof tail) : result;
}

void CJPEGEncoder::ResetScan()
{
    for (int i = 0; i < componentCount_; ++i) {
        CJPEGColorComponent& component = components_[i];
        component.lastDc = 0;
        if (component.flat) {
            auto* coefficients = reinterpret_cast<int16_t*>(coefficients_.Data());
            auto* masks = reinterpret_cast<uint64_t*>(acMasks_.Data());
            std::memset(coefficients + component.firstBlock * jpeg::kBlockCoefficients, 0,
                        component.blocksPerLine * jpeg::kBlockCoefficients * sizeof(int16_t));
            std::memset(masks + component.firstBlock, 0, component.blocksPerLine * sizeof(uint64_t));
        }
    }
    huffmanState_.Reset();
}

int CJPEGEncoder::EncodeRows(uint32_t firstRow, uint32_t endRow)
{
    for (uint32_t row = firstRow; row < endRow; ++row) {
        ConvertMcuRow(row);
        TransformMcuRow();
        if (int result = EncodeMcuRow(); result != JPEG_OK)
            return result;
    }
    return JPEG_OK;
}

// Pads the entropy-coded data to a whole byte, as the end of a scan and every
// restart interval needs.
int CJPEGEncoder::FinishEntropy()
{
    if (output_.FreeBytes() <= kBlockReserve) {
        if (int result = output_.Flush(); result != JPEG_OK)
            return result;
    }
    return output_.SetCursor(huffmanState_.Finish(output_.Cursor()));
}

int CJPEGEncoder::EncodePart(CBaseStreamOutput* stream)
{
    if (int result = StartImage(stream); result != JPEG_OK)
        return result;
    ResetScan();
    int result = EncodeRows(0, mcuRows_);
    if (result == JPEG_OK)
        result = FinishEntropy();
    return result == JPEG_OK ? output_.Flush() : result;
}

int CJPEGEncoder::EmitScan()
{
    if (!headersWritten_)
        return JPEG_ERR_PARAMETER;
    headersWritten_ = false;
    ResetScan();
    if (int result = WriteScanHeader(); result != JPEG_OK)
        return result;

    // The parts below the first are encoded meanwhile by encoders of their own.
    while (lowerParts_.size() + 1 < parts_)
        lowerParts_.push_back(std::make_unique<LowerPart>());
    for (uint32_t i = 1; i < parts_; ++i) {
        LowerPart& part = *lowerParts_[i - 1];
        const uint32_t firstLine = i * rowsPerPart_ * kMcuHeight;
        part.encoder.SetMaxParts(1);
        part.encoder.SetSource(pixels_ + firstLine * rowStep_, width_,
                               std::min(height_ - firstLine, rowsPerPart_ * kMcuHeight), rowStep_, channels_,
                               sourceColor_);
        part.memory.Rewind();
        part.result = part.encoder.ConfigureEncoding(jpegColor_, quality_);
        if (part.result != JPEG_OK)
            continue;
        try {
            part.thread = std::thread([&part] { part.result = part.encoder.EncodePart(&part.memory); });
        } catch (const std::system_error&) {
            part.result = part.encoder.EncodePart(&part.memory);
        }
    }

    int result = EncodeRows(0, rowsPerPart_);
    if (result == JPEG_OK)
        result = FinishEntropy();
    for (uint32_t i = 1; i < parts_; ++i) {
        LowerPart& part = *lowerParts_[i - 1];
        if (part.thread.joinable())
            part.thread.join();
        if (result == JPEG_OK)
            result = part.result;
        if (result == JPEG_OK)
            result = output_.PutByte(kMarkerPrefix);
        if (result == JPEG_OK)
            result = output_.PutByte(static_cast<uint8_t>(kRst0 + (i - 1) % kRestartMarkerCount));
        if (result == JPEG_OK)
            result = output_.PutBytes(part.memory.Data(), part.memory.Size());
    }
    if (result == JPEG_OK)
        result = output_.PutByte(kMarkerPrefix);
    if (result == JPEG_OK)
        result = output_.PutByte(kEoi);
    return result == JPEG_OK ? output_.Flush() : result;
}

void CJPEGEncoder::ConvertMcuRow(uint32_t mcuRow)
{
    const uint32_t firstLine = mcuRow * kMcuHeight;
    const uint32_t lines = height_ - firstLine < kMcuHeight ? height_ - firstLine : kMcuHeight;
    for (uint32_t line = 0; line < lines; ++line)
        ConvertLine(pixels_ + (firstLine + line) * rowStep_, line);

    // Below the image the last line repeats.
    for (int i = 0; i < componentCount_; ++i) {
        CJPEGColorComponent& component = components_[i];
        if (component.flat)
            continue;
        uint8_t* samples = component.samples.Data();
        const uint8_t* last = samples + (lines - 1) * component.rowLength;
        for (uint32_t line = lines; line < kMcuHeight; ++line)
            std::memcpy(samples + line * component.rowLength, last, component.rowLength);
    }
}

void CJPEGEncoder::ConvertLine(const uint8_t* source, size_t line)
{
    CJPEGColorComponent& luminance = components_[0];
    uint8_t* y = luminance.samples.Data() + line * luminance.rowLength;
    if (sourceColor_ == JPEG_COLOR_GREY) {
        // Grey to grey, or to Y with flat chroma: a copy, the last sample repeated to the padded width.
        std::memcpy(y, source, width_);
        std::memset(y + width_, source[width_ - 1], luminance.rowLength - width_);
        return;
    }

    const size_t chromaOffset = line * components_[1].rowLength;
    uint8_t* cb = components_[1].samples.Data() + chromaOffset;
    uint8_t* cr = components_[2].samples.Data() + chromaOffset;
    const size_t whole = width_ / jpeg::kConvertChunk * jpeg::kConvertChunk;
    kernels_->convertBgrLine(source, whole, y, cb, cr);
    if (whole == width_)
        return;
    // The right-hand end: the remaining pixels, the last one repeated to a
    // whole chunk, which also fills the padding of every component.
    const size_t remaining = width_ - whole;
    std::memcpy(edgeChunk_, source + whole * 3, remaining * 3);
    for (size_t i = remaining; i < jpeg::kConvertChunk; ++i)
        std::memcpy(edgeChunk_ + i * 3, source + (width_ - 1) * 3, 3);
    kernels_->convertBgrLine(edgeChunk_, jpeg::kConvertChunk, y + whole, cb + whole / 2, cr + whole / 2);
}

void CJPEGEncoder::TransformMcuRow()
{
    auto* coefficients = reinterpret_cast<int16_t*>(coefficients_.Data());
    auto* masks = reinterpret_cast<uint64_t*>(acMasks_.Data());
    for (int i = 0; i < componentCount_; ++i) {
        const CJPEGColorComponent& component = components_[i];
        if (component.flat)
            continue;
        kernels_->forwardBlocks(component.samples.Data(), component.rowLength, component.blocksPerLine,
                                quantTables_[component.quantTable].Divisors(),
                                coefficients + component.firstBlock * jpeg::kBlockCoefficients,
                                masks + component.firstBlock);
    }
}

int CJPEGEncoder::FlushAt(const uint8_t* cursor)
{
    const int result = output_.SetCursor(cursor);
    return result == JPEG_OK ? output_.Flush() : result;
}

int CJPEGEncoder::EncodeMcuRow()
{
    const auto* coefficients = reinterpret_cast<const int16_t*>(coefficients_.Data());
    const auto* masks = reinterpret_cast<const uint64_t*>(acMasks_.Data());
    CJPEGEncoderHuffmanState state = huffmanState_;
    uint8_t* cursor = output_.Cursor();
    const uint8_t* const roomy = output_.End() - kBlockReserve;

    // One component: blocks in order along the line. Three: per MCU two Y
    // blocks, then Cb, then Cr.
    const size_t units = componentCount_ == 1 ? components_[0].blocksPerLine : mcuColumns_;
    for (size_t unit = 0; unit < units; ++unit) {
        for (int i = 0; i < componentCount_; ++i) {
            CJPEGColorComponent& component = components_[i];
            const size_t blocksPerUnit = componentCount_ == 1 ? 1 : static_cast<size_t>(component.blocksPerMcu);
            const uint64_t* dcCodes = dcTables_[component.dcTable].CodesWithValueRoom();
            const uint64_t* acCodes = acTables_[component.acTable].CodesWithValueRoom();
            for (size_t b = 0; b < blocksPerUnit; ++b) {
                if (cursor >= roomy) {
                    if (int result = FlushAt(cursor); result != JPEG_OK)
                        return result;
                    cursor = output_.Cursor();
                }
                const size_t block = component.firstBlock + unit * blocksPerUnit + b;
                cursor = EncodeBlock(coefficients + block * jpeg::kBlockCoefficients, masks[block], component.lastDc,
                                     dcCodes, acCodes, state, cursor);
            }
        }
    }
    huffmanState_ = state;
    return output_.SetCursor(cursor);
}
