#include "imaging/PixelConversion.h"
#include "camera/DeepGreyTable.h"
#include "imaging/BayerDemosaic.h"
#include "imaging/PixelFormat.h"

#include "TestFrames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint8_t kUntouched = 0xA5;

// A truth value that runs over the whole range of a format's samples.
uint16_t Spread(int x, int y, int bits)
{
    return uint16_t((x * 2731 + y * 977 + 13) & ((1 << bits) - 1));
}

std::vector<uint8_t> Convert(const TestFrame& frame, int method = kInterpolationBilinear)
{
    std::vector<uint8_t> out(size_t(frame.width) * frame.height * ConvertedBytesPerPixel(frame.pixelFormat),
                             kUntouched);
    EXPECT_TRUE(ConvertFrame(frame.pixelFormat, frame.height, frame.data.data(), frame.data.size(), frame.width,
                             out.data(), method))
        << std::hex << frame.pixelFormat;
    return out;
}

// The display's conversion: 1 byte a grey pixel, 4 a colour one.
std::vector<uint8_t> ConvertShown(const TestFrame& frame, int method)
{
    const int bytes = IsGrayPixelFormat(frame.pixelFormat) ? 1 : 4;
    std::vector<uint8_t> out(size_t(frame.width) * frame.height * bytes, kUntouched);
    EXPECT_TRUE(ConvertForDisplay(frame.pixelFormat, frame.data.data(), frame.data.size(), frame.width, frame.height,
                                  out.data(), method))
        << std::hex << frame.pixelFormat;
    return out;
}

// Blue, green, red pixels with the display's fourth byte of 255.
std::vector<uint8_t> Widened(const std::vector<uint8_t>& bgr)
{
    std::vector<uint8_t> bgrx;
    for (size_t i = 0; i + 2 < bgr.size(); i += 3)
        bgrx.insert(bgrx.end(), {bgr[i], bgr[i + 1], bgr[i + 2], 0xFF});
    return bgrx;
}

bool IsBayer(uint32_t pixelFormat)
{
    return BayerPatternIndex(pixelFormat) >= 0;
}

// The 8-bit mosaic that a Bayer frame's samples reduce to.
std::vector<uint8_t> Mosaic8(int width, int height, int bits)
{
    std::vector<uint8_t> mosaic;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            mosaic.push_back(uint8_t(Spread(x, y, bits) >> (bits - 8)));
    }
    return mosaic;
}

TEST(ConvertFrame, GreyFormatsKeepTheTop8BitsOfEachSample)
{
    for (uint32_t format : ConvertiblePixelFormats()) {
        if (!IsGrayPixelFormat(format))
            continue;
        const int bits = SampleBits(format);
        // 5 x 3 gives an odd pixel count, which ends packed data in a half group.
        const TestFrame frame = MakeGreyFrame(format, 5, 3, [bits](int x, int y) { return Spread(x, y, bits); });
        ASSERT_EQ(frame.data.size(), RawFrameSize(format, 5, 3)) << std::hex << format;
        EXPECT_EQ(Convert(frame), Mosaic8(5, 3, bits)) << std::hex << format;
    }
}

TEST(ConvertFrame, WideGreySamplesAreShiftedToTheirTopBits)
{
    const auto single = [](uint32_t format, uint16_t value) {
        return Convert(MakeGreyFrame(format, 1, 1, [value](int, int) { return value; }))[0];
    };
    EXPECT_EQ(single(kPixelFormatMono12, 0x0FFF), 255);
    EXPECT_EQ(single(kPixelFormatMono16, 0x01FF), 1);
    EXPECT_EQ(single(kPixelFormatMono10, 0x0203), 0x80);
    EXPECT_EQ(single(kPixelFormatMono14, 0x3FC0), 0xFF);
    // Bits above the format's depth saturate rather than wrap.
    EXPECT_EQ(single(kPixelFormatMono12, 0xFFFF), 255);
    EXPECT_EQ(single(kPixelFormatMono10, 0x0400), 255);
}

// Deep grey samples under each view: window/level (by hand and automatic from
// the frame's 0.1 %/99.9 % percentiles), bit shift and the default top bits,
// in every grey format wider than 8 bits, packed ones with an odd pixel count;
// and the camera's value of each pixel, as the readout shows it.
TEST(ConvertDeepGrey, ViewsMapTheCamerasValuesAndTheReadoutKeepsThem)
{
    const auto window = [](int32_t black, int32_t white) { return DeepView{kDeepViewWindowLevel, black, white}; };
    const auto shift = [](int32_t bits) { return DeepView{kDeepViewBitShift, 0, 1, false, bits}; };
    const DeepView automatic{kDeepViewWindowLevel, 0, 1, true};
    // 1000 samples 0, 4, ... 3996: one below the 0.1 % point, one above the 99.9 % one.
    std::vector<uint16_t> ramp;
    for (uint16_t i = 0; i < 1000; ++i)
        ramp.push_back(uint16_t(i * 4));
    std::vector<uint8_t> rampShown(1000, 0);
    for (size_t i = 0; i < rampShown.size(); ++i)
        rampShown[i] = ramp[i] <= 4 ? 0 : ramp[i] >= 3992 ? 255 : uint8_t((ramp[i] - 4) * 255 / 3988.0 + 0.5 + 1e-9);
    const struct {
        uint32_t format;
        DeepView view;
        std::vector<uint16_t> samples;
        std::vector<uint8_t> shown;
        int32_t black = -1; // the window an automatic view found
        int32_t white = -1;
    } cases[] = {
        {kPixelFormatMono12,
         window(1000, 3000),
         {0, 1000, 1500, 2000, 3000, 3071, 4095},
         {0, 0, 64, 128, 255, 255, 255}},
        {kPixelFormatMono12Packed, window(1000, 3000), {0, 1000, 1500, 2000, 4095}, {0, 0, 64, 128, 255}},
        {kPixelFormatMono10Packed, window(100, 355), {99, 100, 101, 354, 355, 1023, 7}, {0, 0, 1, 254, 255, 255, 0}},
        {kPixelFormatMono10, window(0, 1023), {0, 512, 1023}, {0, 128, 255}},
        // A window upside down or shut still shows: white is kept above black.
        {kPixelFormatMono14, window(5000, 5000), {4999, 5000, 5001, 16383}, {0, 0, 255, 255}},
        {kPixelFormatMono16, shift(0), {0, 200, 255, 256, 65535}, {0, 200, 255, 255, 255}},
        {kPixelFormatMono14, shift(3), {7, 8, 800, 2047, 16383}, {0, 1, 100, 255, 255}},
        {kPixelFormatMono12Packed, shift(2), {3, 4, 1020, 1024, 4095}, {0, 1, 255, 255, 255}},
        {kPixelFormatMono10, DeepView{}, {1023, 4, 3, 515}, {255, 1, 0, 128}},
        {kPixelFormatMono12, automatic, ramp, rampShown, 4, 3992},
        {kPixelFormatMono12Packed, automatic, ramp, rampShown, 4, 3992},
        // A flat frame: a window of one value.
        {kPixelFormatMono16, automatic, std::vector<uint16_t>(9, 700), std::vector<uint8_t>(9, 0), 700, 701},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.format << std::dec << " mode " << c.view.mode << " "
                                        << c.samples.size() << " samples");
        const int width = int(c.samples.size());
        const TestFrame frame = MakeGreyFrame(c.format, width, 1, [&](int x, int) { return c.samples[size_t(x)]; });
        DeepGreyTable table;
        table.SetView(c.view);
        std::vector<uint8_t> out(c.samples.size() + 1, kUntouched);
        ASSERT_TRUE(ConvertDeepGrey(c.format, frame.data.data(), frame.data.size(), width, 1, table, out.data()));
        EXPECT_EQ(out.back(), kUntouched);
        out.pop_back();
        EXPECT_EQ(out, c.shown);
        if (c.black >= 0) {
            EXPECT_EQ(table.BlackPoint(), c.black);
            EXPECT_EQ(table.WhitePoint(), c.white);
        }
        for (int x = 0; x < width; ++x) {
            uint16_t value = 0;
            ASSERT_TRUE(RawSampleAt(c.format, frame.data.data(), frame.data.size(), width, 1, x, 0, value));
            EXPECT_EQ(value, c.samples[size_t(x)]) << "pixel " << x;
        }
        uint16_t value = 0;
        EXPECT_FALSE(RawSampleAt(c.format, frame.data.data(), frame.data.size(), width, 1, width, 0, value));
        EXPECT_FALSE(RawSampleAt(c.format, frame.data.data(), frame.data.size() - 1, width, 1, 0, 0, value));
        EXPECT_FALSE(ConvertDeepGrey(c.format, frame.data.data(), frame.data.size() - 1, width, 1, table, out.data()));
    }
    // Other formats are not deep grey ones.
    const TestFrame mono8 = MakeGreyFrame(kPixelFormatMono8, 2, 1, [](int, int) { return 9; });
    const TestFrame bayer = MakeGreyFrame(kPixelFormatBayerRG12, 2, 2, [](int, int) { return 9; });
    DeepGreyTable table;
    table.SetView(window(0, 10));
    std::vector<uint8_t> out(4, kUntouched);
    EXPECT_FALSE(ConvertDeepGrey(kPixelFormatMono8, mono8.data.data(), mono8.data.size(), 2, 1, table, out.data()));
    EXPECT_FALSE(ConvertDeepGrey(kPixelFormatBayerRG12, bayer.data.data(), bayer.data.size(), 2, 2, table, out.data()));
    EXPECT_EQ(out, std::vector<uint8_t>(4, kUntouched));
}

TEST(ConvertFrame, RgbIsReorderedToBgrAndBgrIsCopied)
{
    const auto colour = [](int x, int) { return TruthRgb{uint16_t(10 + x), uint16_t(20 + x), uint16_t(30 + x)}; };
    const std::vector<uint8_t> expected = {30, 20, 10, 31, 21, 11};
    EXPECT_EQ(Convert(MakeColourFrame(kPixelFormatRGB8Packed, 2, 1, colour)), expected);
    EXPECT_EQ(Convert(MakeColourFrame(kPixelFormatBGR8Packed, 2, 1, colour)), expected);
}

TEST(ConvertFrame, BayerFormatsDemosaicTheTop8BitsOfTheirSamples)
{
    constexpr int kWidth = 9;
    constexpr int kHeight = 6;
    for (uint32_t format : ConvertiblePixelFormats()) {
        if (!IsBayer(format))
            continue;
        const int bits = SampleBits(format);
        const TestFrame frame =
            MakeGreyFrame(format, kWidth, kHeight, [bits](int x, int y) { return Spread(x, y, bits); });
        ASSERT_EQ(frame.data.size(), RawFrameSize(format, kWidth, kHeight)) << std::hex << format;
        const std::vector<uint8_t> mosaic = Mosaic8(kWidth, kHeight, bits);
        for (int method : {kInterpolationNearest, kInterpolationBiCubic}) {
            std::vector<uint8_t> expected(mosaic.size() * 3);
            ASSERT_TRUE(
                DemosaicBayer8(kHeight, method, mosaic.data(), kWidth, expected.data(), BayerPatternIndex(format)));
            EXPECT_EQ(Convert(frame, method), expected) << std::hex << format << " method " << method;
        }
    }
}

TEST(ConvertFrame, BayerFrameOfAFlatColourGivesThatColour)
{
    const TruthRgb colour{200 << 4, 100 << 4, 50 << 4};
    const TestFrame frame = MakeColourFrame(kPixelFormatBayerBG12Packed, 6, 4, [&](int, int) { return colour; });
    const std::vector<uint8_t> out = Convert(frame, kInterpolationBilinearFcr);
    for (size_t i = 0; i < out.size(); i += 3) {
        EXPECT_EQ(out[i], 50);
        EXPECT_EQ(out[i + 1], 100);
        EXPECT_EQ(out[i + 2], 200);
    }
}

TEST(ConvertFrame, RefusesBadInputWithoutWriting)
{
    const TestFrame frame = MakeGreyFrame(kPixelFormatBayerRG8, 4, 4, [](int x, int) { return uint16_t(x); });
    const uint8_t* raw = frame.data.data();
    const size_t size = frame.data.size();
    std::vector<uint8_t> out(48, kUntouched);
    EXPECT_FALSE(ConvertFrame(kPixelFormatBayerRG8, 4, raw, size, 4, nullptr, kInterpolationBilinear));
    EXPECT_FALSE(ConvertFrame(kPixelFormatBayerRG8, 4, nullptr, size, 4, out.data(), kInterpolationBilinear));
    EXPECT_FALSE(ConvertFrame(kPixelFormatBayerRG8, 4, raw, size - 1, 4, out.data(), kInterpolationBilinear));
    EXPECT_FALSE(ConvertFrame(kPixelFormatBayerRG8, 0, raw, size, 4, out.data(), kInterpolationBilinear));
    EXPECT_FALSE(ConvertFrame(kPixelFormatBayerRG8, 4, raw, size, -4, out.data(), kInterpolationBilinear));
    EXPECT_FALSE(ConvertFrame(kPixelFormatBayerRG8, 4, raw, size, 4, out.data(), -1));
    EXPECT_FALSE(ConvertFrame(kPixelFormatBayerRG8, 4, raw, size, 4, out.data(), kInterpolationMethodCount));
    EXPECT_FALSE(ConvertFrame(kPixelFormatMono8Signed, 4, raw, size, 4, out.data(), kInterpolationBilinear));
    EXPECT_FALSE(ConvertFrame(0, 4, raw, size, 4, out.data(), kInterpolationBilinear));
    EXPECT_EQ(out, std::vector<uint8_t>(48, kUntouched));
    // The method matters only for Bayer formats.
    EXPECT_TRUE(ConvertFrame(kPixelFormatMono8, 4, raw, size, 4, out.data(), 99));
}

TEST(ConvertFrame, EveryFormatAndMethodHandlesTinyAndOddSizes)
{
    const int sizes[][2] = {{1, 1}, {1, 2}, {2, 1}, {1, 5}, {5, 1}, {2, 2}, {3, 3}, {5, 4}, {7, 3}, {4, 7}};
    for (uint32_t format : ConvertiblePixelFormats()) {
        const int bits = SampleBits(format);
        for (auto [w, h] : sizes) {
            const TestFrame frame =
                format == kPixelFormatRGB8Packed || format == kPixelFormatBGR8Packed
                    ? MakeColourFrame(format, w, h,
                                      [](int x, int y) {
                                          return TruthRgb{uint16_t(x), uint16_t(y), 7};
                                      })
                    : MakeGreyFrame(format, w, h, [bits](int x, int y) { return Spread(x, y, bits); });
            ASSERT_EQ(frame.data.size(), RawFrameSize(format, w, h)) << std::hex << format << " " << w << "x" << h;
            std::vector<uint8_t> out(size_t(w) * h * ConvertedBytesPerPixel(format));
            for (int method = 0; method < kInterpolationMethodCount; ++method) {
                EXPECT_TRUE(ConvertFrame(format, h, frame.data.data(), frame.data.size(), w, out.data(), method));
                EXPECT_FALSE(ConvertFrame(format, h, frame.data.data(), frame.data.size() - 1, w, out.data(), method));
                std::vector<uint8_t> shown(size_t(w) * h * 4);
                EXPECT_TRUE(
                    ConvertForDisplay(format, frame.data.data(), frame.data.size(), w, h, shown.data(), method));
            }
        }
    }
}

TEST(MirrorImage, ReversesRowsColumnsOrBoth)
{
    std::vector<uint8_t> grey = {1, 2, 3, 4};
    EXPECT_TRUE(MirrorGrayImage(grey.data(), 2, 2, kMirrorBoth));
    EXPECT_EQ(grey, (std::vector<uint8_t>{4, 3, 2, 1}));

    // 3 x 2 grey: 1 2 3 / 4 5 6
    std::vector<uint8_t> rows = {1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(MirrorGrayImage(rows.data(), 3, 2, kMirrorHorizontal));
    EXPECT_EQ(rows, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));
    EXPECT_TRUE(MirrorGrayImage(rows.data(), 3, 2, kMirrorVertical));
    EXPECT_EQ(rows, (std::vector<uint8_t>{6, 5, 4, 3, 2, 1}));

    // Colour pixels move as a whole: 3 x 3, bytes of pixel i are 3i, 3i+1, 3i+2.
    std::vector<uint8_t> colour(27);
    for (size_t i = 0; i < colour.size(); ++i)
        colour[i] = uint8_t(i);
    std::vector<uint8_t> horizontal = colour;
    EXPECT_TRUE(MirrorColorImage(horizontal.data(), 3, 3, kMirrorHorizontal));
    EXPECT_EQ(std::vector<uint8_t>(horizontal.begin(), horizontal.begin() + 9),
              (std::vector<uint8_t>{6, 7, 8, 3, 4, 5, 0, 1, 2}));
    std::vector<uint8_t> vertical = colour;
    EXPECT_TRUE(MirrorColorImage(vertical.data(), 3, 3, kMirrorVertical));
    EXPECT_EQ(std::vector<uint8_t>(vertical.begin(), vertical.begin() + 9),
              (std::vector<uint8_t>{18, 19, 20, 21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(std::vector<uint8_t>(vertical.begin() + 9, vertical.begin() + 18),
              std::vector<uint8_t>(colour.begin() + 9, colour.begin() + 18));
    std::vector<uint8_t> both = colour;
    EXPECT_TRUE(MirrorColorImage(both.data(), 3, 3, kMirrorBoth));
    EXPECT_TRUE(MirrorColorImage(horizontal.data(), 3, 3, kMirrorVertical));
    EXPECT_EQ(both, horizontal);
}

TEST(MirrorImage, ModeOffDoesNothingAndUnknownModesFail)
{
    std::vector<uint8_t> grey = {1, 2, 3, 4};
    EXPECT_TRUE(MirrorGrayImage(grey.data(), 2, 2, kMirrorOff));
    EXPECT_FALSE(MirrorGrayImage(grey.data(), 2, 2, 4));
    EXPECT_FALSE(MirrorColorImage(grey.data(), 1, 1, -1));
    EXPECT_FALSE(MirrorGrayImage(nullptr, 2, 2, kMirrorVertical));
    EXPECT_EQ(grey, (std::vector<uint8_t>{1, 2, 3, 4}));
}

// The display shows every format as ConvertFrame converts it, widened to four
// bytes a colour pixel, for every method, at sizes that end the vector loops
// in a remainder; only wide BayerRG data takes the neighbour mean (below).
TEST(ConvertForDisplay, ShowsTheConvertedPixelsInFourBytesAColourPixel)
{
    for (uint32_t format : ConvertiblePixelFormats()) {
        if (IsBayer(format) && BayerPatternIndex(format) == kBayerRG && SampleBits(format) > 8)
            continue;
        const int bits = SampleBits(format);
        for (const auto& [w, h] : {std::pair{1, 1}, std::pair{37, 5}, std::pair{66, 4}}) {
            const TestFrame frame =
                IsGrayPixelFormat(format) || IsBayer(format)
                    ? MakeGreyFrame(format, w, h, [bits](int x, int y) { return Spread(x, y, bits); })
                    : MakeColourFrame(format, w, h, [](int x, int y) {
                          return TruthRgb{uint16_t(x * 7 & 0xFF), uint16_t(y * 31 & 0xFF), uint16_t((x + y) & 0xFF)};
                      });
            for (int method = 0; method < kInterpolationMethodCount; ++method) {
                const std::vector<uint8_t> converted = Convert(frame, method);
                ASSERT_EQ(ConvertShown(frame, method), IsGrayPixelFormat(format) ? converted : Widened(converted))
                    << std::hex << format << std::dec << " " << w << "x" << h << " method " << method;
            }
        }
    }
}

TEST(ConvertForDisplay, WideBayerRgUsesTheNeighbourMeanWhateverTheMethod)
{
    for (uint32_t format :
         {kPixelFormatBayerRG10, kPixelFormatBayerRG12, kPixelFormatBayerRG10Packed, kPixelFormatBayerRG12Packed}) {
        const int bits = SampleBits(format);
        const TestFrame frame = MakeGreyFrame(format, 7, 5, [bits](int x, int y) { return Spread(x, y, bits); });
        const std::vector<uint8_t> mosaic = Mosaic8(7, 5, bits);
        std::vector<uint8_t> expected(mosaic.size() * 3);
        ASSERT_TRUE(DemosaicBayer8NeighbourMean(5, mosaic.data(), 7, expected.data(), kBayerRG));
        EXPECT_EQ(ConvertShown(frame, kInterpolationNearest), Widened(expected)) << std::hex << format;
        EXPECT_EQ(ConvertShown(frame, -1), Widened(expected)) << std::hex << format;
    }
}

TEST(ConvertForDisplay, RefusesBadInputAndLeavesTheDestination)
{
    const std::vector<uint8_t> raw(32, 1);
    std::vector<uint8_t> out(64, kUntouched);
    EXPECT_FALSE(
        ConvertForDisplay(kPixelFormatMono8Signed, raw.data(), raw.size(), 4, 4, out.data(), kInterpolationBilinear));
    EXPECT_FALSE(
        ConvertForDisplay(kPixelFormatBayerRG12, raw.data(), raw.size() - 1, 4, 4, out.data(), kInterpolationBilinear));
    EXPECT_FALSE(ConvertForDisplay(kPixelFormatBayerGR8, raw.data(), 16, 4, 4, out.data(), kInterpolationMethodCount));
    const std::vector<uint8_t> rgb(3 * 16, 1);
    EXPECT_FALSE(ConvertForDisplay(kPixelFormatRGB8Packed, rgb.data(), rgb.size() - 1, 4, 4, out.data(),
                                   kInterpolationBilinear));
    EXPECT_EQ(out, std::vector<uint8_t>(64, kUntouched));
}

} // namespace
