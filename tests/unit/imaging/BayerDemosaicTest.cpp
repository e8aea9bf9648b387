#include "imaging/BayerDemosaic.h"
#include "imaging/PixelFormat.h"

#include "TestFrames.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct Bgr {
    int b, g, r;
    bool operator==(const Bgr&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Bgr& p)
{
    return os << "(B " << p.b << ", G " << p.g << ", R " << p.r << ")";
}

// A mosaic with known values and the demosaicked image made from it.
class Mosaic {
public:
    Mosaic(int width, int height, int value = 0)
        : width_(width),
          height_(height),
          samples_(size_t(width) * height, uint8_t(value))
    {
    }

    static Mosaic Random(int width, int height, unsigned seed)
    {
        Mosaic m(width, height);
        std::mt19937 random(seed);
        for (uint8_t& s : m.samples_)
            s = uint8_t(random());
        return m;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    uint8_t& at(int x, int y) { return samples_[size_t(y) * width_ + x]; }
    int at(int x, int y) const { return samples_[size_t(y) * width_ + x]; }

    std::vector<uint8_t> Demosaic(int method, int pattern) const
    {
        std::vector<uint8_t> out(samples_.size() * 3);
        EXPECT_TRUE(DemosaicBayer8(height_, method, samples_.data(), width_, out.data(), pattern));
        return out;
    }

    std::vector<uint8_t> DemosaicNeighbourMean(int pattern) const
    {
        std::vector<uint8_t> out(samples_.size() * 3);
        EXPECT_TRUE(DemosaicBayer8NeighbourMean(height_, samples_.data(), width_, out.data(), pattern));
        return out;
    }

private:
    int width_;
    int height_;
    std::vector<uint8_t> samples_;
};

Bgr PixelOf(const std::vector<uint8_t>& image, int width, int x, int y)
{
    const size_t i = (size_t(y) * width + x) * 3;
    return {image[i], image[i + 1], image[i + 2]};
}

int& Channel(Bgr& p, BayerChannel c)
{
    return c == BayerChannel::Red ? p.r : c == BayerChannel::Green ? p.g : p.b;
}

// A position of the given colour inside the image, away from the edges.
std::pair<int, int> InnerSiteOf(int pattern, BayerChannel colour)
{
    for (int y = 4; y < 6; ++y) {
        for (int x = 4; x < 6; ++x) {
            if (ChannelAt(pattern, x, y) == colour)
                return {x, y};
        }
    }
    return {-1, -1};
}

// Straightforward per-pixel model of the methods, used to check the
// demosaicker's row-wise, split-border computation on every size.
class Reference {
public:
    Reference(const Mosaic& m, int pattern) : m_(m), pattern_(pattern) {}

    Bgr Pixel(int method, int x, int y) const
    {
        switch (method) {
        case kInterpolationOffMono:
            return {S(x, y), S(x, y), S(x, y)};
        case kInterpolationOffColor: {
            Bgr p{0, 0, 0};
            Channel(p, C(x, y)) = S(x, y);
            return p;
        }
        case kInterpolationNearest:
            return Nearest(x, y);
        case kInterpolationBiCubic:
            return BiCubic(x, y);
        default:
            return Bilinear(x, y, method == kInterpolationBilinearFcr);
        }
    }

private:
    // Nearest index of the same colour inside [0, n).
    static int Near(int i, int n)
    {
        if (n == 1)
            return 0;
        while (i < 0)
            i += 2;
        while (i >= n)
            i -= 2;
        return i;
    }
    int S(int x, int y) const { return m_.at(Near(x, m_.width()), Near(y, m_.height())); }
    BayerChannel C(int x, int y) const { return ChannelAt(pattern_, x, y); }
    static int Avg(int a, int b) { return (a + b) >> 1; }

    Bgr Nearest(int x, int y) const
    {
        const int cx = x & ~1;
        const int cy = y & ~1;
        Bgr p{};
        for (int dy = 0; dy < 2; ++dy) {
            for (int dx = 0; dx < 2; ++dx) {
                if (C(cx + dx, cy + dy) != BayerChannel::Green)
                    Channel(p, C(cx + dx, cy + dy)) = S(cx + dx, cy + dy);
            }
        }
        p.g = S(C(cx, y) == BayerChannel::Green ? cx : cx + 1, y);
        return p;
    }

    Bgr Bilinear(int x, int y, bool falseColourReduction) const
    {
        const int w = m_.width();
        const int h = m_.height();
        const bool belowOnly =
            !falseColourReduction && pattern_ == kBayerGR && (x == 0 || x == w - 1) && y >= 1 && y <= h - 2;
        const int up = belowOnly ? y + 1 : y - 1;
        Bgr p{};
        Channel(p, C(x, y)) = S(x, y);
        const int horizontal = Avg(S(x - 1, y), S(x + 1, y));
        if (C(x, y) == BayerChannel::Green) {
            Channel(p, C(x + 1, y)) = horizontal;
            Channel(p, C(x, y + 1)) = Avg(S(x, up), S(x, y + 1));
            return p;
        }
        const bool edge = x == 0 || x == w - 1 || y == 0 || y == h - 1;
        p.g = falseColourReduction && !edge ? Avg(horizontal, Avg(S(x, y - 1), S(x, y + 1))) : horizontal;
        Channel(p, C(x + 1, y + 1)) = Avg(Avg(S(x - 1, up), S(x + 1, up)), Avg(S(x - 1, y + 1), S(x + 1, y + 1)));
        return p;
    }

    Bgr BiCubic(int x, int y) const
    {
        Bgr p{};
        int greens = 0;
        for (int dy = 0; dy < 2; ++dy) {
            for (int dx = 0; dx < 2; ++dx) {
                const int xn = x + dx;
                const int yn = y + dy;
                if (C(xn, yn) == BayerChannel::Green) {
                    greens += S(xn, yn);
                    continue;
                }
                const int xh = dx == 0 ? x + 2 : x - 1;
                const int yv = dy == 0 ? y + 2 : y - 1;
                Channel(p, C(xn, yn)) = (9 * S(xn, yn) + 3 * S(xh, yn) + 3 * S(xn, yv) + S(xh, yv)) >> 4;
            }
        }
        p.g = greens >> 1;
        return p;
    }

    const Mosaic& m_;
    int pattern_;
};

TEST(DemosaicBayer8, FlatMosaicStaysFlatExceptOffColor)
{
    const int sizes[][2] = {{8, 6}, {7, 5}, {1, 1}, {1, 4}, {5, 1}, {2, 2}};
    for (auto [w, h] : sizes) {
        const Mosaic flat(w, h, 77);
        for (int pattern = 0; pattern < kBayerPatternCount; ++pattern) {
            for (int method = 0; method < kInterpolationMethodCount; ++method) {
                if (method == kInterpolationOffColor)
                    continue;
                const std::vector<uint8_t> out = flat.Demosaic(method, pattern);
                EXPECT_EQ(out, std::vector<uint8_t>(out.size(), 77))
                    << w << "x" << h << " pattern " << pattern << " method " << method;
            }
            // A single row or column lacks one colour, which the neighbour mean leaves at 0.
            if (w > 1 && h > 1) {
                EXPECT_EQ(flat.DemosaicNeighbourMean(pattern), std::vector<uint8_t>(size_t(w) * h * 3, 77));
            }
        }
    }
}

TEST(DemosaicBayer8, OffColorOnGrKeepsEachSampleInItsOwnChannel)
{
    Mosaic m(4, 2);
    m.at(0, 0) = 1, m.at(1, 0) = 2, m.at(2, 0) = 3, m.at(3, 0) = 4;
    m.at(0, 1) = 5, m.at(1, 1) = 6, m.at(2, 1) = 7, m.at(3, 1) = 8;
    const std::vector<uint8_t> out = m.Demosaic(kInterpolationOffColor, kBayerGR);
    const std::vector<uint8_t> expected = {
        0, 1, 0, 0, 0, 2, 0, 3, 0, 0, 0, 4, // G R G R
        5, 0, 0, 0, 6, 0, 7, 0, 0, 0, 8, 0, // B G B G
    };
    EXPECT_EQ(out, expected);
}

TEST(DemosaicBayer8, BilinearSpreadsABrightRedSampleToItsNeighbours)
{
    constexpr int kBase = 40;
    constexpr int kStep = 64;
    for (int pattern = 0; pattern < kBayerPatternCount; ++pattern) {
        Mosaic m(10, 10, kBase);
        const auto [x0, y0] = InnerSiteOf(pattern, BayerChannel::Red);
        m.at(x0, y0) = kBase + kStep;
        const std::vector<uint8_t> out = m.Demosaic(kInterpolationBilinear, pattern);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const int dx = std::abs(x - x0);
                const int dy = std::abs(y - y0);
                int raise = 0;
                if (dx == 0 && dy == 0)
                    raise = kStep;
                else if (dx + dy == 1)
                    raise = kStep / 2;
                else if (dx == 1 && dy == 1)
                    raise = kStep / 4;
                EXPECT_EQ(PixelOf(out, 10, x, y), (Bgr{kBase, kBase, kBase + raise}))
                    << "pattern " << pattern << " at " << x << "," << y;
            }
        }
    }
}

TEST(DemosaicBayer8, FalseColourReductionChangesOnlyGreenAtRedAndBlueSites)
{
    const Mosaic m = Mosaic::Random(12, 9, 7);
    for (int pattern = 0; pattern < kBayerPatternCount; ++pattern) {
        const std::vector<uint8_t> bilinear = m.Demosaic(kInterpolationBilinear, pattern);
        const std::vector<uint8_t> reduced = m.Demosaic(kInterpolationBilinearFcr, pattern);
        int greenChanges = 0;
        for (int y = 0; y < m.height(); ++y) {
            for (int x = 0; x < m.width(); ++x) {
                const Bgr a = PixelOf(bilinear, m.width(), x, y);
                const Bgr b = PixelOf(reduced, m.width(), x, y);
                const bool grEdge = pattern == kBayerGR && (x == 0 || x == m.width() - 1);
                if (!grEdge) {
                    EXPECT_EQ(a.r, b.r) << pattern << " " << x << "," << y;
                    EXPECT_EQ(a.b, b.b) << pattern << " " << x << "," << y;
                }
                if (ChannelAt(pattern, x, y) == BayerChannel::Green) {
                    EXPECT_EQ(a.g, b.g);
                } else {
                    greenChanges += a.g != b.g;
                }
            }
        }
        EXPECT_GT(greenChanges, 10) << pattern;
    }
}

TEST(DemosaicBayer8, BilinearOnGrTakesTheEdgeColumnsVerticalColourFromTheRowBelow)
{
    const Mosaic m = Mosaic::Random(6, 6, 11);
    const std::vector<uint8_t> out = m.Demosaic(kInterpolationBilinear, kBayerGR);
    // Column 0 of an even row is a G site, its vertical colour blue; of an odd
    // row a B site, its opposite colour red from the diagonal below-right.
    for (int y = 1; y <= 4; ++y) {
        const Bgr left = PixelOf(out, 6, 0, y);
        if (y % 2 == 0) {
            EXPECT_EQ(left.b, m.at(0, y + 1)) << y;
        } else {
            EXPECT_EQ(left.r, m.at(1, y + 1)) << y;
        }
        const Bgr right = PixelOf(out, 6, 5, y);
        if (y % 2 == 0) {
            EXPECT_EQ(right.b, m.at(4, y + 1)) << y;
        } else {
            EXPECT_EQ(right.r, m.at(5, y + 1)) << y;
        }
    }
}

TEST(DemosaicBayer8, BiCubicSpreadsARaisedRedSampleOverA4x4Block)
{
    constexpr int kBase = 20;
    for (int pattern = 0; pattern < kBayerPatternCount; ++pattern) {
        Mosaic m(12, 12, kBase);
        const auto [x0, y0] = InnerSiteOf(pattern, BayerChannel::Red);
        m.at(x0, y0) = kBase + 64;
        const std::vector<uint8_t> out = m.Demosaic(kInterpolationBiCubic, pattern);
        const int weights[4] = {1, 3, 3, 1}; // from x0 - 2 (or y0 - 2) to x0 + 1
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                const int i = x - (x0 - 2);
                const int j = y - (y0 - 2);
                const int raise = i >= 0 && i < 4 && j >= 0 && j < 4 ? 4 * weights[i] * weights[j] : 0;
                EXPECT_EQ(PixelOf(out, 12, x, y), (Bgr{kBase, kBase, kBase + raise}))
                    << "pattern " << pattern << " at " << x << "," << y;
            }
        }
    }
}

TEST(DemosaicBayer8, EveryMethodMatchesThePerPixelModelOnAnySize)
{
    unsigned seed = 1;
    std::vector<std::pair<int, int>> sizes = {{33, 17}, {64, 4}};
    for (int w = 1; w <= 7; ++w) {
        for (int h = 1; h <= 6; ++h)
            sizes.push_back({w, h});
    }
    for (auto [w, h] : sizes) {
        const Mosaic m = Mosaic::Random(w, h, seed++);
        for (int pattern = 0; pattern < kBayerPatternCount; ++pattern) {
            const Reference reference(m, pattern);
            for (int method = 0; method < kInterpolationMethodCount; ++method) {
                const std::vector<uint8_t> out = m.Demosaic(method, pattern);
                for (int y = 0; y < h; ++y) {
                    for (int x = 0; x < w; ++x) {
                        ASSERT_EQ(PixelOf(out, w, x, y), reference.Pixel(method, x, y))
                            << w << "x" << h << " pattern " << pattern << " method " << method << " at " << x << ","
                            << y;
                    }
                }
            }
        }
    }
}

TEST(DemosaicBayer8, RejectsMethodsPatternsAndSizesOutOfRange)
{
    const std::vector<uint8_t> mosaic(16, 1);
    std::vector<uint8_t> out(48, 9);
    EXPECT_FALSE(DemosaicBayer8(4, -1, mosaic.data(), 4, out.data(), kBayerGR));
    EXPECT_FALSE(DemosaicBayer8(4, kInterpolationMethodCount, mosaic.data(), 4, out.data(), kBayerGR));
    EXPECT_FALSE(DemosaicBayer8(4, kInterpolationBilinear, mosaic.data(), 4, out.data(), 4));
    EXPECT_FALSE(DemosaicBayer8(0, kInterpolationBilinear, mosaic.data(), 4, out.data(), kBayerGR));
    EXPECT_FALSE(DemosaicBayer8(4, kInterpolationBilinear, nullptr, 4, out.data(), kBayerGR));
    EXPECT_FALSE(DemosaicBayer8NeighbourMean(4, mosaic.data(), -4, out.data(), kBayerRG));
    EXPECT_EQ(out, std::vector<uint8_t>(48, 9));
}

TEST(DemosaicBayer8NeighbourMean, AveragesTheNeighboursInsideTheImage)
{
    // R G R G
    // G B G B
    // R G R G
    Mosaic m(4, 3);
    const int values[3][4] = {{10, 20, 30, 40}, {50, 60, 70, 80}, {90, 104, 118, 121}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            m.at(x, y) = uint8_t(values[y][x]);
    }
    const std::vector<uint8_t> out = m.DemosaicNeighbourMean(kBayerRG);
    // Corner R: green from its two direct neighbours, blue from its one diagonal.
    EXPECT_EQ(PixelOf(out, 4, 0, 0), (Bgr{60, (20 + 50) / 2, 10}));
    // Top-edge R: three direct neighbours, two diagonals.
    EXPECT_EQ(PixelOf(out, 4, 2, 0), (Bgr{(60 + 80) / 2, (20 + 40 + 70) / 3, 30}));
    // Top-edge G: red from its row pair, blue from the one row below.
    EXPECT_EQ(PixelOf(out, 4, 1, 0), (Bgr{60, 20, (10 + 30) / 2}));
    // Inner B: four direct and four diagonal neighbours.
    EXPECT_EQ(PixelOf(out, 4, 1, 1), (Bgr{60, (50 + 70 + 20 + 104) >> 2, (10 + 30 + 90 + 118) >> 2}));
    // Right-edge B: red from its two diagonals on the left.
    EXPECT_EQ(PixelOf(out, 4, 3, 1), (Bgr{80, (70 + 40 + 121) / 3, (30 + 118) / 2}));
}

TEST(DemosaicBayer8NeighbourMean, AColourWithNoNeighbourInsideIsZero)
{
    Mosaic single(1, 1, 200);
    EXPECT_EQ(PixelOf(single.DemosaicNeighbourMean(kBayerRG), 1, 0, 0), (Bgr{0, 0, 200}));
}

} // namespace
