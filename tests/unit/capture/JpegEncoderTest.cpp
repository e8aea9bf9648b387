#include "capture/CBaseStreamOutput.h"
#include "capture/CJPEGEncoder.h"
#include "capture/CMemoryOutput.h"
#include "capture/JpegResult.h"

#include "ImageReaders.h"
#include "JpegSegments.h"
#include "TempDir.h"
#include "TestScenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr uint8_t kDqt = 0xDB;
constexpr uint8_t kSof0 = 0xC0;
constexpr uint8_t kDht = 0xC4;
constexpr uint8_t kSos = 0xDA;
constexpr uint8_t kApp0 = 0xE0;

// T.81 Figure A.6 and Annex K, typed here independently of the encoder.
constexpr std::array<int, 64> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};
constexpr std::array<int, 64> kAnnexK1 = {
    16, 11,  10,  16, 24, 40, 51, 61, 12,  12,  14,  19,  26, 58, 60, 55,  14,  13,  16,  24, 40, 57,
    69, 56,  14,  17, 22, 29, 51, 87, 80,  62,  18,  22,  37, 56, 68, 109, 103, 77,  24,  35, 55, 64,
    81, 104, 113, 92, 49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98,  112, 100, 103, 99,
};
constexpr std::array<int, 64> kAnnexK2 = [] {
    std::array<int, 64> table{};
    const int top[4][4] = {{17, 18, 24, 47}, {18, 21, 26, 66}, {24, 26, 56, 99}, {47, 66, 99, 99}};
    for (int i = 0; i < 64; ++i)
        table[i] = i / 8 < 4 && i % 8 < 4 ? top[i / 8][i % 8] : 99;
    return table;
}();

struct Encoded {
    int result = JPEG_OK;
    std::vector<uint8_t> bytes;
};

Encoded Encode(CJPEGEncoder& encoder, const TestImage& image, int jpegColor, int quality)
{
    CMemoryOutput memory;
    encoder.SetOutput(&memory);
    Encoded encoded;
    encoded.result = encoder.ConfigureEncoding(jpegColor, quality);
    encoder.SetSource(image.pixels.data(), static_cast<uint32_t>(image.width), static_cast<uint32_t>(image.height),
                      static_cast<size_t>(image.width) * image.channels, image.channels,
                      image.channels == 1 ? JPEG_COLOR_GREY : JPEG_COLOR_BGR);
    if (encoded.result == JPEG_OK)
        encoded.result = encoder.EmitHeaders();
    if (encoded.result == JPEG_OK)
        encoded.result = encoder.EmitScan();
    encoded.bytes.assign(memory.Data(), memory.Data() + memory.Size());
    return encoded;
}

Encoded Encode(const TestImage& image, int jpegColor, int quality)
{
    CJPEGEncoder encoder;
    return Encode(encoder, image, jpegColor, quality);
}

TestImage Flat(int width, int height, int channels, uint8_t value)
{
    return {width, height, channels, std::vector<uint8_t>(static_cast<size_t>(width) * height * channels, value)};
}

// The image repeated beyond its right and bottom edges to the given size.
TestImage Replicated(const TestImage& image, int width, int height)
{
    TestImage padded{width, height, image.channels, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int sx = std::min(x, image.width - 1), sy = std::min(y, image.height - 1);
            for (int c = 0; c < image.channels; ++c)
                padded.pixels.push_back(
                    image.pixels[(static_cast<size_t>(sy) * image.width + sx) * image.channels + c]);
        }
    }
    return padded;
}

// Quantisation tables of the stream, in natural order, by table id.
std::vector<std::array<int, 64>> QuantTables(const JpegLayout& layout)
{
    std::vector<std::array<int, 64>> tables(2);
    for (const JpegSegment& segment : layout.segments) {
        if (segment.marker != kDqt || segment.payload.size() != 65 || (segment.payload[0] & 0x0F) > 1)
            continue;
        for (int k = 0; k < 64; ++k)
            tables[segment.payload[0] & 0x0F][kZigzag[k]] = segment.payload[1 + k];
    }
    return tables;
}

std::vector<uint8_t> Markers(const JpegLayout& layout)
{
    std::vector<uint8_t> markers;
    for (const JpegSegment& segment : layout.segments)
        markers.push_back(segment.marker);
    return markers;
}

// Both independent decoders accept the stream, and give an image of the
// expected size close to `expected` (grey, or red-green-blue).
void ExpectDecodes(const std::vector<uint8_t>& jpeg, const TestImage& expected, double minPsnr)
{
    TempDir dir;
    const std::string path = dir.file("image.jpg");
    WriteFileBytes(path, jpeg);
    const bool grey = expected.channels == 1;

    const std::optional<TestImage> djpeg = DecodeWithDjpeg(path);
    ASSERT_TRUE(djpeg) << "djpeg refused the stream";
    EXPECT_EQ(djpeg->width, expected.width);
    EXPECT_EQ(djpeg->height, expected.height);
    EXPECT_GE(Psnr(*djpeg, expected), minPsnr) << "djpeg";

    const std::optional<ProbeInfo> probe = ProbeWithFfprobe(path);
    ASSERT_TRUE(probe) << "ffprobe refused the stream";
    EXPECT_EQ(probe->codec, "mjpeg");
    const std::optional<TestImage> ffmpeg = DecodeImageWithFfmpeg(path, grey);
    ASSERT_TRUE(ffmpeg) << "ffmpeg refused the stream";
    EXPECT_EQ(ffmpeg->width, expected.width);
    EXPECT_EQ(ffmpeg->height, expected.height);
    EXPECT_GE(Psnr(*ffmpeg, expected), minPsnr) << "ffmpeg";
}

TestImage AsDecoded(const TestImage& source)
{
    return source.channels == 3 ? SwapRedBlue(source) : source;
}

// Accepts at most `room` bytes in total, yet reports success: the encoder
// must notice the short count itself.
class ShortStream : public CBaseStreamOutput {
public:
    explicit ShortStream(size_t room) : room_(room) {}
    int Open(const char*) override { return JPEG_OK; }
    void Close() override {}
    int Write(const uint8_t*, size_t length, size_t* written) override
    {
        *written = std::min(length, room_);
        room_ -= *written;
        return JPEG_OK;
    }

private:
    size_t room_;
};

} // namespace

TEST(JpegQuality, ScalesTheAnnexKTables)
{
    const TestImage image = MakeScene(32, 16, 3);
    std::array<int, 64> ones;
    ones.fill(1);
    const auto scaled = [](const std::array<int, 64>& table, int quality) {
        const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
        std::array<int, 64> out{};
        for (int i = 0; i < 64; ++i)
            out[i] = std::clamp((table[i] * scale + 50) / 100, 1, 255);
        return out;
    };
    for (int quality : {100, 50, 25, 10, 0}) {
        const Encoded encoded = Encode(image, JPEG_COLOR_YCBCR, quality);
        ASSERT_EQ(encoded.result, JPEG_OK) << quality;
        const auto layout = ParseJpeg(encoded.bytes);
        ASSERT_TRUE(layout) << quality;
        const auto tables = QuantTables(*layout);
        switch (quality) {
        case 100:
            EXPECT_EQ(tables[0], ones);
            EXPECT_EQ(tables[1], ones);
            break;
        case 50:
        case 0:
            EXPECT_EQ(tables[0], kAnnexK1) << quality;
            EXPECT_EQ(tables[1], kAnnexK2) << quality;
            break;
        case 25:
            for (int i = 0; i < 64; ++i) {
                EXPECT_EQ(tables[0][i], 2 * kAnnexK1[i]);
                EXPECT_EQ(tables[1][i], 2 * kAnnexK2[i]);
            }
            break;
        default:
            EXPECT_EQ(tables[0], scaled(kAnnexK1, quality));
            EXPECT_EQ(tables[1], scaled(kAnnexK2, quality));
            EXPECT_EQ(*std::max_element(tables[0].begin(), tables[0].end()), 255) << "clamped";
        }
        // A tiny colour scene: its sharp colour edges suffer from the halved chroma.
        ExpectDecodes(encoded.bytes, AsDecoded(image), quality >= 50 || quality == 0 ? 25.0 : 20.0);
    }

    CJPEGEncoder encoder;
    EXPECT_EQ(encoder.ConfigureEncoding(JPEG_COLOR_YCBCR, -1), JPEG_ERR_TABLE);
}

TEST(JpegLayout, GreyMcuOfTwoBlocks)
{
    CJPEGEncoder encoder;
    const TestImage flat = Flat(16, 8, 1, 128);
    const Encoded encoded = Encode(encoder, flat, JPEG_COLOR_GREY, 100);
    ASSERT_EQ(encoded.result, JPEG_OK);
    EXPECT_EQ(encoder.McuColumns(), 1u);
    EXPECT_EQ(encoder.McuRows(), 1u);
    const auto layout = ParseJpeg(encoded.bytes);
    ASSERT_TRUE(layout);
    EXPECT_EQ(Markers(*layout), (std::vector<uint8_t>{0xD8, kApp0, kDqt, kSof0, kDht, kDht, kSos}));
    EXPECT_EQ(FindSegment(*layout, kApp0)->payload,
              (std::vector<uint8_t>{'J', 'F', 'I', 'F', 0, 1, 2, 0, 0, 1, 0, 1, 0, 0}));
    // Precision 8, 8 x 16, one component: id 0, sampling 2 x 1, table 0.
    EXPECT_EQ(FindSegment(*layout, kSof0)->payload, (std::vector<uint8_t>{8, 0, 8, 0, 16, 1, 0x00, 0x21, 0x00}));
    EXPECT_EQ(layout->segments[4].payload.size(), 1u + 16 + 12);
    EXPECT_EQ(layout->segments[4].payload[0], 0x00);
    EXPECT_EQ(layout->segments[5].payload.size(), 1u + 16 + 162);
    EXPECT_EQ(layout->segments[5].payload[0], 0x10);
    EXPECT_EQ(FindSegment(*layout, kSos)->payload, (std::vector<uint8_t>{1, 0, 0x00, 0, 63, 0}));
    // Two flat blocks: DC difference 0 ("00") and EOB ("1010") each, padded with ones.
    EXPECT_EQ(layout->scanData, (std::vector<uint8_t>{0x28, 0xAF}));
    EXPECT_TRUE(layout->endsWithEoi);
    ExpectDecodes(encoded.bytes, flat, 99.0);
}

TEST(JpegLayout, ColourMcuOfFourBlocks)
{
    const TestImage flat = Flat(16, 8, 3, 128);
    const Encoded encoded = Encode(flat, JPEG_COLOR_YCBCR, 75);
    ASSERT_EQ(encoded.result, JPEG_OK);
    const auto layout = ParseJpeg(encoded.bytes);
    ASSERT_TRUE(layout);
    EXPECT_EQ(Markers(*layout), (std::vector<uint8_t>{0xD8, kApp0, kDqt, kDqt, kSof0, kDht, kDht, kDht, kDht, kSos}));
    EXPECT_EQ(FindSegment(*layout, kSof0)->payload,
              (std::vector<uint8_t>{8, 0, 8, 0, 16, 3, 0, 0x21, 0, 1, 0x11, 1, 2, 0x11, 1}));
    std::vector<uint8_t> tableClasses;
    for (const JpegSegment& segment : layout->segments) {
        if (segment.marker == kDht)
            tableClasses.push_back(segment.payload[0]);
    }
    EXPECT_EQ(tableClasses, (std::vector<uint8_t>{0x00, 0x10, 0x01, 0x11}));
    EXPECT_EQ(FindSegment(*layout, kSos)->payload, (std::vector<uint8_t>{3, 0, 0x00, 1, 0x11, 2, 0x11, 0, 63, 0}));
    // Y, Y: "00" "1010" each; Cb, Cr: "00" "00" each (chrominance tables).
    EXPECT_EQ(layout->scanData, (std::vector<uint8_t>{0x28, 0xA0, 0x0F}));
    ExpectDecodes(encoded.bytes, flat, 99.0);
}

TEST(JpegPadding, EdgesRepeatTheLastColumnAndLine)
{
    for (int channels : {3, 1}) {
        SCOPED_TRACE(channels);
        const TestImage image = MakeScene(17, 9, channels, 7);
        CJPEGEncoder encoder;
        const Encoded small = Encode(encoder, image, channels == 3 ? JPEG_COLOR_YCBCR : JPEG_COLOR_GREY, 90);
        ASSERT_EQ(small.result, JPEG_OK);
        EXPECT_EQ(encoder.McuColumns(), 2u);
        EXPECT_EQ(encoder.McuRows(), 2u);
        EXPECT_EQ(encoder.PaddingX(), 15u);
        EXPECT_EQ(encoder.PaddingY(), 7u);

        // The same picture padded by hand gives the very same entropy-coded
        // blocks. A single grey component codes the blocks that cover the
        // image (three per line), so its twin is 24 wide.
        const Encoded large = Encode(Replicated(image, channels == 3 ? 32 : 24, 16),
                                     channels == 3 ? JPEG_COLOR_YCBCR : JPEG_COLOR_GREY, 90);
        ASSERT_EQ(large.result, JPEG_OK);
        EXPECT_EQ(ParseJpeg(small.bytes)->scanData, ParseJpeg(large.bytes)->scanData);
        ExpectDecodes(small.bytes, AsDecoded(image), 25.0);
    }
}

TEST(JpegGreySource, YCbCrOutputKeepsTheGreyWithNeutralChroma)
{
    const TestImage grey = MakeScene(64, 48, 1, 3);
    const Encoded encoded = Encode(grey, JPEG_COLOR_YCBCR, 100);
    ASSERT_EQ(encoded.result, JPEG_OK);
    EXPECT_EQ(FindSegment(*ParseJpeg(encoded.bytes), kSof0)->payload[5], 3);

    TempDir dir;
    const std::string path = dir.file("grey.jpg");
    WriteFileBytes(path, encoded.bytes);
    const auto planes = DecodeWithFfmpeg(path, "yuvj422p");
    ASSERT_TRUE(planes);
    ASSERT_EQ(planes->size(), 64u * 48 * 2);
    const TestImage luma{64, 48, 1, {planes->begin(), planes->begin() + 64 * 48}};
    EXPECT_GE(Psnr(luma, grey), 45.0);
    EXPECT_TRUE(std::all_of(planes->begin() + 64 * 48, planes->end(), [](uint8_t v) { return v == 128; }));

    const std::optional<TestImage> rgb = DecodeWithDjpeg(path);
    ASSERT_TRUE(rgb);
    ASSERT_EQ(rgb->channels, 3);
    for (size_t i = 0; i < rgb->pixels.size(); i += 3) {
        ASSERT_EQ(rgb->pixels[i], rgb->pixels[i + 1]) << i;
        ASSERT_EQ(rgb->pixels[i], rgb->pixels[i + 2]) << i;
    }
}

TEST(JpegQuality, HundredIsNearlyLossless)
{
    TempDir dir;
    for (int channels : {3, 1}) {
        const TestImage scene = MakeScene(320, 240, channels, 11);
        const Encoded encoded = Encode(scene, channels == 3 ? JPEG_COLOR_YCBCR : JPEG_COLOR_GREY, 100);
        ASSERT_EQ(encoded.result, JPEG_OK);
        const std::string path = dir.file("scene.jpg");
        WriteFileBytes(path, encoded.bytes);
        const auto djpeg = DecodeWithDjpeg(path);
        const auto ffmpeg = DecodeImageWithFfmpeg(path, channels == 1);
        ASSERT_TRUE(djpeg && ffmpeg);
        const double djpegPsnr = Psnr(*djpeg, AsDecoded(scene));
        const double ffmpegPsnr = Psnr(*ffmpeg, AsDecoded(scene));
        std::printf("quality 100, %s: PSNR %.2f dB (djpeg), %.2f dB (ffmpeg)\n", channels == 3 ? "colour" : "grey",
                    djpegPsnr, ffmpegPsnr);
        EXPECT_GE(djpegPsnr, channels == 3 ? 40.0 : 45.0);
        EXPECT_GE(ffmpegPsnr, channels == 3 ? 40.0 : 45.0);
    }
}

TEST(JpegEncoderReuse, FramesOfChangingSizeAndColour)
{
    struct Frame {
        int width, height, channels, jpegColor;
        double minPsnr;
    };
    CJPEGEncoder encoder;
    // Growing frames must grow the working memory; a grey width that is no
    // multiple of 16 must still decode as a single component.
    for (const Frame& frame : {Frame{32, 16, 3, JPEG_COLOR_YCBCR, 30.0}, Frame{640, 480, 3, JPEG_COLOR_YCBCR, 40.0},
                               Frame{48, 8, 1, JPEG_COLOR_YCBCR, 45.0}, Frame{1000, 24, 1, JPEG_COLOR_GREY, 45.0},
                               Frame{200, 100, 3, JPEG_COLOR_YCBCR, 38.0}}) {
        SCOPED_TRACE(frame.width);
        const TestImage scene = MakeScene(frame.width, frame.height, frame.channels, 5);
        const Encoded encoded = Encode(encoder, scene, frame.jpegColor, 100);
        ASSERT_EQ(encoded.result, JPEG_OK);
        EXPECT_EQ(encoder.BytesWritten(), encoded.bytes.size());
        TestImage expected = AsDecoded(scene);
        if (frame.channels == 1 && frame.jpegColor == JPEG_COLOR_YCBCR) {
            TestImage rgb{scene.width, scene.height, 3, {}};
            for (uint8_t v : scene.pixels)
                rgb.pixels.insert(rgb.pixels.end(), {v, v, v});
            expected = rgb;
        }
        ExpectDecodes(encoded.bytes, expected, frame.minPsnr);
    }
}

TEST(JpegStream, ShortWritesFailWithMinusFive)
{
    const TestImage scene = MakeScene(640, 480, 3, 2);
    CJPEGEncoder encoder;
    const Encoded full = Encode(encoder, scene, JPEG_COLOR_YCBCR, 90);
    ASSERT_EQ(full.result, JPEG_OK);
    ExpectDecodes(full.bytes, AsDecoded(scene), 35.0);
    // SOI and every segment up to the Huffman tables.
    const std::optional<JpegLayout> layout = ParseJpeg(full.bytes);
    ASSERT_TRUE(layout);
    size_t headerBytes = 2;
    for (const JpegSegment& segment : layout->segments) {
        if (segment.marker != 0xD8 && segment.marker != kSos)
            headerBytes += 4 + segment.payload.size();
    }

    encoder.SetSource(scene.pixels.data(), 640, 480, 640 * 3, 3, JPEG_COLOR_BGR);
    ShortStream none(0);
    encoder.SetOutput(&none);
    EXPECT_EQ(encoder.EmitHeaders(), JPEG_ERR_WRITE);

    ShortStream headersOnly(headerBytes);
    encoder.SetOutput(&headersOnly);
    EXPECT_EQ(encoder.EmitHeaders(), JPEG_OK);
    EXPECT_EQ(encoder.BytesWritten(), headerBytes);
    EXPECT_EQ(encoder.EmitScan(), JPEG_ERR_WRITE);

    // A fixed block that is too small, like a movie chunk buffer: the encoder
    // fails and the block is not overrun.
    std::vector<uint8_t> block(1000 + 16, 0xEE);
    CMemoryOutput fixed(block.data(), 1000);
    encoder.SetOutput(&fixed);
    EXPECT_EQ(encoder.EmitHeaders(), JPEG_OK);
    EXPECT_EQ(encoder.EmitScan(), JPEG_ERR_WRITE);
    EXPECT_EQ(fixed.Size(), 1000u);
    EXPECT_TRUE(std::all_of(block.begin() + 1000, block.end(), [](uint8_t v) { return v == 0xEE; }));
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + 1000, full.bytes.begin()));
}

// An image of a megapixel or more is encoded in parts at once, as restart
// intervals of whole MCU rows (the last part shorter, ending in the padding):
// DRI names the interval, RST0, RST1 stand between the parts, and both
// decoders give exactly what they give for the image encoded in one piece.
TEST(JpegParts, LargeImagesAreRestartIntervalsThatDecodeAsOnePiece)
{
    struct Case {
        int channels;
        int jpegColor;
        uint32_t interval; // MCUs: 80 per row in colour, 160 one-block MCUs in grey, 35 rows
    };
    for (const Case& c : {Case{3, JPEG_COLOR_YCBCR, 80 * 35}, Case{1, JPEG_COLOR_GREY, 160 * 35}}) {
        SCOPED_TRACE(c.channels);
        const TestImage scene = MakeScene(1280, 821, c.channels, 4);
        CJPEGEncoder whole;
        whole.SetMaxParts(1);
        CJPEGEncoder parted;
        parted.SetMaxParts(3);
        const Encoded one = Encode(whole, scene, c.jpegColor, 90);
        const Encoded three = Encode(parted, scene, c.jpegColor, 90);
        ASSERT_EQ(one.result, JPEG_OK);
        ASSERT_EQ(three.result, JPEG_OK);
        EXPECT_EQ(whole.Parts(), 1u);
        EXPECT_EQ(parted.Parts(), 3u);

        const std::optional<JpegLayout> oneLayout = ParseJpeg(one.bytes);
        const std::optional<JpegLayout> layout = ParseJpeg(three.bytes);
        ASSERT_TRUE(oneLayout && layout);
        EXPECT_EQ(FindSegment(*oneLayout, 0xDD), nullptr);
        const JpegSegment* restart = FindSegment(*layout, 0xDD);
        ASSERT_NE(restart, nullptr);
        EXPECT_EQ(restart->payload, (std::vector<uint8_t>{uint8_t(c.interval >> 8), uint8_t(c.interval)}));
        std::vector<uint8_t> restartMarkers;
        for (size_t i = 0; i + 1 < layout->scanData.size(); ++i) {
            if (layout->scanData[i] == 0xFF && (layout->scanData[i + 1] & 0xF8) == 0xD0)
                restartMarkers.push_back(layout->scanData[i + 1]);
        }
        EXPECT_EQ(restartMarkers, (std::vector<uint8_t>{0xD0, 0xD1}));
        EXPECT_TRUE(layout->endsWithEoi);

        TempDir dir;
        WriteFileBytes(dir.file("one.jpg"), one.bytes);
        WriteFileBytes(dir.file("three.jpg"), three.bytes);
        const std::optional<TestImage> djpegOne = DecodeWithDjpeg(dir.file("one.jpg"));
        const std::optional<TestImage> djpegThree = DecodeWithDjpeg(dir.file("three.jpg"));
        ASSERT_TRUE(djpegOne && djpegThree);
        EXPECT_TRUE(djpegThree->pixels == djpegOne->pixels);
        const std::optional<TestImage> ffmpegOne = DecodeImageWithFfmpeg(dir.file("one.jpg"), c.channels == 1);
        const std::optional<TestImage> ffmpegThree = DecodeImageWithFfmpeg(dir.file("three.jpg"), c.channels == 1);
        ASSERT_TRUE(ffmpegOne && ffmpegThree);
        EXPECT_TRUE(ffmpegThree->pixels == ffmpegOne->pixels);
        EXPECT_GE(Psnr(*djpegThree, AsDecoded(scene)), 30.0);
    }
}

TEST(JpegEncoder, RefusesWhatItCannotEncode)
{
    const TestImage colour = MakeScene(32, 16, 3);
    CMemoryOutput memory;
    CJPEGEncoder encoder;
    encoder.SetOutput(&memory);
    encoder.SetSource(colour.pixels.data(), 32, 16, 96, 3, JPEG_COLOR_BGR);
    EXPECT_EQ(encoder.EmitHeaders(), JPEG_ERR_TABLE) << "not configured";
    EXPECT_EQ(encoder.ConfigureEncoding(2, 75), JPEG_ERR_COLOR);
    ASSERT_EQ(encoder.ConfigureEncoding(JPEG_COLOR_GREY, 75), JPEG_OK);
    EXPECT_EQ(encoder.EmitHeaders(), JPEG_ERR_COLOR) << "colour source, grey output";
    ASSERT_EQ(encoder.ConfigureEncoding(JPEG_COLOR_YCBCR, 75), JPEG_OK);
    EXPECT_EQ(encoder.EmitScan(), JPEG_ERR_PARAMETER) << "scan before headers";

    struct Source {
        const uint8_t* pixels;
        uint32_t width, height;
        size_t rowStep;
        int channels;
    };
    for (const Source& bad :
         {Source{colour.pixels.data(), 0, 16, 96, 3}, Source{colour.pixels.data(), 32, 0, 96, 3},
          Source{colour.pixels.data(), 65536, 1, 65536 * 3, 3}, Source{colour.pixels.data(), 32, 16, 95, 3},
          Source{nullptr, 32, 16, 96, 3}, Source{colour.pixels.data(), 32, 16, 96, 1}}) {
        encoder.SetSource(bad.pixels, bad.width, bad.height, bad.rowStep, bad.channels, JPEG_COLOR_BGR);
        EXPECT_EQ(encoder.EmitHeaders(), JPEG_ERR_PARAMETER) << bad.width << " x " << bad.height;
    }
    EXPECT_EQ(memory.Size(), 0u) << "nothing written for a refused image";
}
