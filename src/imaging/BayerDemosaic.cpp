#include "imaging/BayerDemosaic.h"

#include "imaging/PixelFormat.h"
#include "imaging/VectorClones.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

// Each output row is computed into three scratch rows (green, the colour
// sampled in this row, the colour sampled in the rows above and below) and
// then interleaved into blue, green, red. Both steps are plain loops with
// unit-stride stores, which the compiler vectorises; a direct 6-byte-per-pair
// store pattern would not be. The columns away from the left and right ends
// run the plain loop; the few columns at the ends, and the first and last
// rows, read their neighbours through a mapping onto the image.

namespace {

// Floor of the mean of two samples. Written through the rounding byte average
// because x86 has no byte shift: (a + b + 1) >> 1 minus the odd bit.
inline uint8_t Half(unsigned a, unsigned b)
{
    return uint8_t(((a + b + 1) >> 1) - ((a ^ b) & 1));
}

inline uint8_t Quarter(unsigned a, unsigned b, unsigned c, unsigned d)
{
    return uint8_t((a + b + c + d) >> 2);
}

// Bilinear weights 3/4 and 1/4 along each axis: near sample n, the sample
// two columns away h, two rows away v, and the one across the diagonal d.
inline uint8_t Cubic(unsigned n, unsigned h, unsigned v, unsigned d)
{
    return uint8_t((9 * n + 3 * (h + v) + d) >> 4);
}

// The index inside [0, count) that holds the same colour as index i, which
// lies at most two outside: -1 -> 1, -2 -> 0, count -> count - 2,
// count + 1 -> count - 1. A single row or column has no second colour to
// keep, so everything folds onto index 0 there.
inline int SameColourIndex(int i, int count)
{
    if (i < 0)
        i += 2 * ((1 - i) / 2);
    else if (i >= count)
        i -= 2 * ((i - count) / 2 + 1);
    return std::clamp(i, 0, count - 1);
}

// One output pixel in the terms of its row: green, the colour sampled in this
// row (own) and the colour sampled in the rows above and below (cross).
struct Px {
    uint8_t g;
    uint8_t own;
    uint8_t cross;
};

// The source rows around output row y, each already mapped into the image.
struct Rows {
    const uint8_t* above;  // y - 1
    const uint8_t* cur;    // y
    const uint8_t* below;  // y + 1
    const uint8_t* below2; // y + 2
    const uint8_t* mate;   // the other row of y's 2 x 2 cell
};

// Column access for columns whose neighbours all lie inside the row, at even
// or odd columns.
template <int Parity>
struct InnerAccess {
    static constexpr bool kInner = true;
    static int At(int x) { return x; }
    // The other column of x's 2 x 2 cell.
    static int Partner(int x) { return Parity == 0 ? x + 1 : x - 1; }
    static bool IsEdgeColumn(int) { return false; }
    static bool IsEdgeRow() { return false; }
    static bool BelowOnly(int) { return false; }
    static bool Contains(int) { return true; }
    static bool HasAbove() { return true; }
    static bool HasBelow() { return true; }
};

// Column access at the ends of a row and along the first and last rows.
struct BorderAccess {
    static constexpr bool kInner = false;
    int width;
    bool firstRow;
    bool lastRow;
    // Bilinear on pattern GR takes the vertical colour of the edge columns
    // from the row below alone.
    bool belowOnlyAtEdges;

    int At(int x) const { return SameColourIndex(x, width); }
    int Partner(int x) const { return At(x ^ 1); }
    bool IsEdgeColumn(int x) const { return x == 0 || x == width - 1; }
    bool IsEdgeRow() const { return firstRow || lastRow; }
    bool BelowOnly(int x) const { return belowOnlyAtEdges && IsEdgeColumn(x); }
    bool Contains(int x) const { return x >= 0 && x < width; }
    bool HasAbove() const { return !firstRow; }
    bool HasBelow() const { return !lastRow; }
};

// The kernels. Each gives the pixel at a green site (AtGreen) and at a red or
// blue site (AtColour); kReach is how far right of a pixel pair's second
// column its reads go.

struct OffColor {
    static constexpr int kReach = 0;
    static constexpr bool kGrEdgesFromBelow = false;
    template <class A>
    static Px AtGreen(const Rows& r, int x, const A&)
    {
        return {r.cur[x], 0, 0};
    }
    template <class A>
    static Px AtColour(const Rows& r, int x, const A&)
    {
        return {0, r.cur[x], 0};
    }
};

// Every pixel of a 2 x 2 cell takes the cell's red and blue samples, and the
// green sample of its own row.
struct Nearest {
    static constexpr int kReach = 0;
    static constexpr bool kGrEdgesFromBelow = false;
    template <class A>
    static Px AtGreen(const Rows& r, int x, const A& a)
    {
        return {r.cur[x], r.cur[a.Partner(x)], r.mate[x]};
    }
    template <class A>
    static Px AtColour(const Rows& r, int x, const A& a)
    {
        const int partner = a.Partner(x);
        return {r.cur[partner], r.cur[x], r.mate[partner]};
    }
};

struct Bilinear {
    static constexpr int kReach = 1;
    static constexpr bool kGrEdgesFromBelow = true;
    template <class A>
    static Px AtGreen(const Rows& r, int x, const A& a)
    {
        const uint8_t* up = a.BelowOnly(x) ? r.below : r.above;
        return {r.cur[x], Half(r.cur[a.At(x - 1)], r.cur[a.At(x + 1)]), Half(up[x], r.below[x])};
    }
    template <class A>
    static Px AtColour(const Rows& r, int x, const A& a)
    {
        const int left = a.At(x - 1);
        const int right = a.At(x + 1);
        const uint8_t* up = a.BelowOnly(x) ? r.below : r.above;
        return {Half(r.cur[left], r.cur[right]), r.cur[x],
                Half(Half(up[left], up[right]), Half(r.below[left], r.below[right]))};
    }
};

// Bilinear, except green at red and blue sites: the mean of the row pair and
// the column pair inside the image, the row pair alone along its edges.
struct BilinearFcr {
    static constexpr int kReach = 1;
    static constexpr bool kGrEdgesFromBelow = false;
    template <class A>
    static Px AtGreen(const Rows& r, int x, const A& a)
    {
        return Bilinear::AtGreen(r, x, a);
    }
    template <class A>
    static Px AtColour(const Rows& r, int x, const A& a)
    {
        Px p = Bilinear::AtColour(r, x, a);
        if (!a.IsEdgeRow() && !a.IsEdgeColumn(x))
            p.g = Half(p.g, Half(r.above[x], r.below[x]));
        return p;
    }
};

// The colour planes sampled at the centre of the 2 x 2 block whose top-left
// pixel is the output pixel.
struct BiCubic {
    static constexpr int kReach = 2;
    static constexpr bool kGrEdgesFromBelow = false;
    template <class A>
    static Px AtGreen(const Rows& r, int x, const A& a)
    {
        const int left = a.At(x - 1);
        const int right = a.At(x + 1);
        const int right2 = a.At(x + 2);
        return {Half(r.cur[x], r.below[right]), Cubic(r.cur[right], r.cur[left], r.below2[right], r.below2[left]),
                Cubic(r.below[x], r.below[right2], r.above[x], r.above[right2])};
    }
    template <class A>
    static Px AtColour(const Rows& r, int x, const A& a)
    {
        const int left = a.At(x - 1);
        const int right = a.At(x + 1);
        const int right2 = a.At(x + 2);
        return {Half(r.cur[right], r.below[x]), Cubic(r.cur[x], r.cur[right2], r.below2[x], r.below2[right2]),
                Cubic(r.below[right], r.below[left], r.above[right], r.above[left])};
    }
};

// Mean of the samples that lie inside the image; 0 when none does.
class InsideMean {
public:
    void Add(bool inside, const uint8_t* row, int x)
    {
        if (inside) {
            sum_ += row[x];
            ++count_;
        }
    }
    uint8_t Value() const { return count_ ? uint8_t(sum_ / count_) : 0; }

private:
    unsigned sum_ = 0;
    unsigned count_ = 0;
};

struct NeighbourMean {
    static constexpr int kReach = 1;
    static constexpr bool kGrEdgesFromBelow = false;
    template <class A>
    static Px AtGreen(const Rows& r, int x, const A& a)
    {
        if constexpr (A::kInner) {
            return {r.cur[x], Half(r.cur[x - 1], r.cur[x + 1]), Half(r.above[x], r.below[x])};
        } else {
            InsideMean own, cross;
            own.Add(a.Contains(x - 1), r.cur, x - 1);
            own.Add(a.Contains(x + 1), r.cur, x + 1);
            cross.Add(a.HasAbove(), r.above, x);
            cross.Add(a.HasBelow(), r.below, x);
            return {r.cur[x], own.Value(), cross.Value()};
        }
    }
    template <class A>
    static Px AtColour(const Rows& r, int x, const A& a)
    {
        if constexpr (A::kInner) {
            return {Quarter(r.cur[x - 1], r.cur[x + 1], r.above[x], r.below[x]), r.cur[x],
                    Quarter(r.above[x - 1], r.above[x + 1], r.below[x - 1], r.below[x + 1])};
        } else {
            InsideMean green, cross;
            green.Add(a.Contains(x - 1), r.cur, x - 1);
            green.Add(a.Contains(x + 1), r.cur, x + 1);
            green.Add(a.HasAbove(), r.above, x);
            green.Add(a.HasBelow(), r.below, x);
            for (int dx : {-1, 1}) {
                cross.Add(a.HasAbove() && a.Contains(x + dx), r.above, x + dx);
                cross.Add(a.HasBelow() && a.Contains(x + dx), r.below, x + dx);
            }
            return {green.Value(), r.cur[x], cross.Value()};
        }
    }
};

// Scratch rows for one output row.
struct Planes {
    uint8_t* g;
    uint8_t* own;
    uint8_t* cross;
};

inline void Put(const Planes& planes, int x, Px p)
{
    planes.g[x] = p.g;
    planes.own[x] = p.own;
    planes.cross[x] = p.cross;
}

template <class Kernel, bool GreenFirst, class A>
Px PixelAt(const Rows& rows, int x, const A& access)
{
    const bool greenSite = (x & 1) == (GreenFirst ? 0 : 1);
    return greenSite ? Kernel::AtGreen(rows, x, access) : Kernel::AtColour(rows, x, access);
}

// Pixels [from, to) with their reads mapped onto the image.
template <class Kernel, bool GreenFirst>
void BorderPixels(const Rows& rows, const BorderAccess& border, int from, int to, const Planes& planes)
{
    for (int x = from; x < to; ++x)
        Put(planes, x, PixelAt<Kernel, GreenFirst>(rows, x, border));
}

// The pixel pairs from column 2 whose reads stay inside the row; gives the
// first column it did not compute. The pointers come one by one, marked
// restrict, so that the compiler knows the stores do not touch the source rows.
template <class Kernel, bool GreenFirst>
LX_VECTOR_CLONES int InnerPairs(const uint8_t* __restrict above, const uint8_t* __restrict cur,
                                const uint8_t* __restrict below, const uint8_t* __restrict below2,
                                const uint8_t* __restrict mate, uint8_t* __restrict g, uint8_t* __restrict own,
                                uint8_t* __restrict cross, int width)
{
    constexpr InnerAccess<0> even;
    constexpr InnerAccess<1> odd;
    const Rows rows{above, cur, below, below2, mate};
    const Planes planes{g, own, cross};
    // Pair x reads up to column x + 1 + kReach.
    const int end = std::max(2, (width - Kernel::kReach) & ~1);
    for (int x = 2; x < end; x += 2) {
        if constexpr (GreenFirst) {
            Put(planes, x, Kernel::AtGreen(rows, x, even));
            Put(planes, x + 1, Kernel::AtColour(rows, x + 1, odd));
        } else {
            Put(planes, x, Kernel::AtColour(rows, x, even));
            Put(planes, x + 1, Kernel::AtGreen(rows, x + 1, odd));
        }
    }
    return end;
}

LX_VECTOR_CLONES
void InterleaveBgr(const uint8_t* __restrict b, const uint8_t* __restrict g, const uint8_t* __restrict r,
                   uint8_t* __restrict out, int width)
{
    for (int x = 0; x < width; ++x) {
        out[3 * x] = b[x];
        out[3 * x + 1] = g[x];
        out[3 * x + 2] = r[x];
    }
}

// The same with a fourth byte of 255 a pixel: the layout windows and
// textures take without reordering. Composed as 32-bit words, which the
// vectoriser widens and merges in registers (byte stores four apart it does
// one by one).
LX_VECTOR_CLONES
void InterleaveBgrx(const uint8_t* __restrict b, const uint8_t* __restrict g, const uint8_t* __restrict r,
                    uint8_t* __restrict out, int width)
{
    static_assert(std::endian::native == std::endian::little, "blue is the first byte of the word");
    for (int x = 0; x < width; ++x) {
        const uint32_t pixel = uint32_t(b[x]) | uint32_t(g[x]) << 8 | uint32_t(r[x]) << 16 | 0xFF000000u;
        std::memcpy(out + 4 * size_t(x), &pixel, sizeof pixel);
    }
}

constexpr bool GreenFirstInRow(int pattern, int rowParity)
{
    return (pattern == kBayerGR || pattern == kBayerGB) == (rowParity == 0);
}

constexpr bool RedInRow(int pattern, int rowParity)
{
    return (pattern == kBayerGR || pattern == kBayerRG) == (rowParity == 0);
}

struct Image {
    const uint8_t* mosaic;
    int width;
    int height;
    uint8_t* dest;
    int pixelBytes; // 3, or 4 with a byte of 255 after blue, green, red
    Planes planes;

    const uint8_t* Row(int y) const { return mosaic + size_t(SameColourIndex(y, height)) * size_t(width); }
};

template <class Kernel, int Pattern, int RowParity>
void DemosaicRow(const Image& image, int y)
{
    constexpr bool greenFirst = GreenFirstInRow(Pattern, RowParity);
    const int width = image.width;
    const Planes& p = image.planes;
    const Rows rows{image.Row(y - 1), image.Row(y), image.Row(y + 1), image.Row(y + 2), image.Row(y ^ 1)};
    const bool firstRow = y == 0;
    const bool lastRow = y == image.height - 1;
    const BorderAccess border{width, firstRow, lastRow,
                              Kernel::kGrEdgesFromBelow && Pattern == kBayerGR && !firstRow && !lastRow};

    if (border.IsEdgeRow()) {
        BorderPixels<Kernel, greenFirst>(rows, border, 0, width, p);
    } else {
        const int innerEnd = InnerPairs<Kernel, greenFirst>(rows.above, rows.cur, rows.below, rows.below2, rows.mate,
                                                            p.g, p.own, p.cross, width);
        const int leftEnd = std::min(2, width);
        BorderPixels<Kernel, greenFirst>(rows, border, 0, leftEnd, p);
        BorderPixels<Kernel, greenFirst>(rows, border, std::max(innerEnd, leftEnd), width, p);
    }

    uint8_t* out = image.dest + size_t(y) * size_t(width) * size_t(image.pixelBytes);
    const uint8_t* blue = RedInRow(Pattern, RowParity) ? p.cross : p.own;
    const uint8_t* red = RedInRow(Pattern, RowParity) ? p.own : p.cross;
    if (image.pixelBytes == 4)
        InterleaveBgrx(blue, p.g, red, out, width);
    else
        InterleaveBgr(blue, p.g, red, out, width);
}

template <class Kernel, int Pattern>
void DemosaicImage(const Image& image)
{
    for (int y = 0; y < image.height; y += 2) {
        DemosaicRow<Kernel, Pattern, 0>(image, y);
        if (y + 1 < image.height)
            DemosaicRow<Kernel, Pattern, 1>(image, y + 1);
    }
}

template <class Kernel>
void DemosaicPattern(const Image& image, int pattern)
{
    switch (pattern) {
    case kBayerGR:
        DemosaicImage<Kernel, kBayerGR>(image);
        break;
    case kBayerRG:
        DemosaicImage<Kernel, kBayerRG>(image);
        break;
    case kBayerGB:
        DemosaicImage<Kernel, kBayerGB>(image);
        break;
    default:
        DemosaicImage<Kernel, kBayerBG>(image);
        break;
    }
}

// "OFF(Mono)": the mosaic shown as grey; rows are packed, so it is one run.
template <int PixelBytes>
LX_VECTOR_CLONES void ExpandGrey(const uint8_t* __restrict mosaic, size_t count, uint8_t* __restrict dest)
{
    for (size_t i = 0; i < count; ++i) {
        dest[PixelBytes * i] = mosaic[i];
        dest[PixelBytes * i + 1] = mosaic[i];
        dest[PixelBytes * i + 2] = mosaic[i];
        if constexpr (PixelBytes == 4)
            dest[PixelBytes * i + 3] = 0xFF;
    }
}

bool ValidInput(int height, const uint8_t* mosaic, int width, const uint8_t* dest, int pattern, int pixelBytes)
{
    return mosaic && dest && width > 0 && height > 0 && pattern >= 0 && pattern < kBayerPatternCount &&
           (pixelBytes == 3 || pixelBytes == 4);
}

// Runs one kernel over the image with freshly allocated scratch rows.
template <class Kernel>
bool DemosaicWith(int height, const uint8_t* mosaic, int width, uint8_t* dest, int pattern, int pixelBytes)
{
    std::unique_ptr<uint8_t[]> scratch(new (std::nothrow) uint8_t[size_t(width) * 3]);
    if (!scratch)
        return false;
    const Planes planes{scratch.get(), scratch.get() + width, scratch.get() + size_t(width) * 2};
    DemosaicPattern<Kernel>(Image{mosaic, width, height, dest, pixelBytes, planes}, pattern);
    return true;
}

} // namespace

bool DemosaicBayer8(int height, int method, const uint8_t* mosaic, int width, uint8_t* dest, int pattern,
                    int destPixelBytes)
{
    if (!ValidInput(height, mosaic, width, dest, pattern, destPixelBytes))
        return false;
    switch (method) {
    case kInterpolationOffMono:
        if (destPixelBytes == 4)
            ExpandGrey<4>(mosaic, size_t(width) * size_t(height), dest);
        else
            ExpandGrey<3>(mosaic, size_t(width) * size_t(height), dest);
        return true;
    case kInterpolationOffColor:
        return DemosaicWith<OffColor>(height, mosaic, width, dest, pattern, destPixelBytes);
    case kInterpolationNearest:
        return DemosaicWith<Nearest>(height, mosaic, width, dest, pattern, destPixelBytes);
    case kInterpolationBilinear:
        return DemosaicWith<Bilinear>(height, mosaic, width, dest, pattern, destPixelBytes);
    case kInterpolationBiCubic:
        return DemosaicWith<BiCubic>(height, mosaic, width, dest, pattern, destPixelBytes);
    case kInterpolationBilinearFcr:
        return DemosaicWith<BilinearFcr>(height, mosaic, width, dest, pattern, destPixelBytes);
    default:
        return false;
    }
}

bool DemosaicBayer8NeighbourMean(int height, const uint8_t* mosaic, int width, uint8_t* dest, int pattern,
                                 int destPixelBytes)
{
    if (!ValidInput(height, mosaic, width, dest, pattern, destPixelBytes))
        return false;
    return DemosaicWith<NeighbourMean>(height, mosaic, width, dest, pattern, destPixelBytes);
}
