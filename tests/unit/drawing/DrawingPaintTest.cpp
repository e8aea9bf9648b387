#include "drawing/DrawingObjects.h"

#include "TempDir.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A frame as the acquisition thread holds it: packed rows in its own buffer,
// wrapped (not copied) for painting.
struct Frame {
    Frame(bool grey, uint8_t fill)
        : bytesPerPixel(grey ? 1 : 3),
          pixels(size_t(kWidth) * kHeight * bytesPerPixel, fill),
          image(pixels.data(), kWidth, kHeight, kWidth * bytesPerPixel,
                grey ? QImage::Format_Grayscale8 : QImage::Format_BGR888)
    {
    }

    // A colour frame's blue, green, red bytes as a 0x00BBGGRR value.
    uint32_t Ref(int x, int y) const
    {
        const uint8_t* p = &pixels[(size_t(y) * kWidth + x) * 3];
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    int Grey(int x, int y) const { return pixels[size_t(y) * kWidth + x]; }

    int bytesPerPixel;
    std::vector<uint8_t> pixels;
    QImage image;
};

std::unique_ptr<CDrawingBase> Make(int32_t type, std::vector<QPoint> points, uint32_t pen = kRed, int width = 1)
{
    DrawingStyle defaults = StandaloneDrawingStyle();
    defaults.penColor = pen;
    defaults.penWidth = width;
    defaults.textColor = pen;
    auto object = CreateDrawingObject(type, &defaults, points.front());
    for (size_t i = 0; i < points.size(); ++i)
        object->SetPoint(int(i), points[i]);
    return object;
}

void Paint(Frame& frame, const CDrawingBase& object)
{
    QPainter painter(&frame.image);
    object.Draw(painter, DefaultDrawingUnits());
}

void ChangeStyle(CDrawingBase& object, const std::function<void(DrawingStyle&)>& change)
{
    DrawingStyle style = object.Style();
    change(style);
    ASSERT_TRUE(object.ApplyStyle(style));
}

// Where each kind must leave its pen colour, and where it must not.
struct KindCase {
    int32_t type;
    std::vector<QPoint> points;
    std::vector<QPoint> onShape;
    std::vector<QPoint> offShape;
};

std::vector<KindCase> KindCases()
{
    return {
        {kDrawingLine, {{100, 100}, {300, 100}}, {{100, 100}, {200, 100}, {299, 100}}, {{200, 101}, {200, 99}}},
        {kDrawingRectangle,
         {{100, 100}, {200, 160}},
         {{100, 130}, {200, 130}, {150, 100}, {150, 160}},
         {{150, 130}, {201, 130}, {150, 161}}},
        {kDrawingEllipse,
         {{100, 100}, {200, 160}},
         {{100, 130}, {200, 130}, {150, 100}, {150, 160}},
         {{150, 130}, {101, 101}}},
        {kDrawingDegree, {{300, 200}, {200, 200}, {200, 300}}, {{250, 200}, {200, 250}}, {{250, 250}}},
        {kDrawingPolygon, {{100, 100}, {200, 100}, {200, 200}}, {{150, 100}, {200, 150}, {150, 150}}, {{120, 160}}},
        {kDrawingPerpendicular, {{100, 300}, {300, 300}, {200, 200}}, {{150, 300}, {200, 250}}, {{150, 250}}},
        {kDrawingArc,
         {{100, 100}, {200, 200}, {250, 150}, {150, 50}},
         {{200, 150}, {150, 100}, {186, 115}},
         {{100, 150}, {150, 200}}},
        {kDrawingBezier,
         {{100, 100}, {100, 200}, {200, 200}, {200, 100}},
         {{100, 100}, {150, 175}, {200, 100}},
         {{150, 200}, {150, 150}}},
        {kDrawingFreeHand, {{100, 100}, {150, 100}, {150, 150}}, {{125, 100}, {150, 125}}, {{125, 125}}},
        {kDrawingCross,
         {{100, 100}, {200, 200}},
         {{120, 150}, {150, 120}, {100, 150}, {150, 200}},
         {{120, 151}, {120, 120}}},
        {kDrawingRoundRect,
         {{100, 100}, {200, 160}},
         {{100, 130}, {200, 130}, {150, 100}, {150, 160}},
         {{100, 100}, {150, 130}}},
    };
}

} // namespace

TEST(DrawingPaint, ColoursAndGreyLevels)
{
    EXPECT_EQ(ColorFromRef(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(GreyOfRef(kRed), 76);
    EXPECT_EQ(GreyOfRef(0x00FF00), 150);
    EXPECT_EQ(GreyOfRef(kBlue), 29);
    EXPECT_EQ(GreyOfRef(kWhite), 255);
    EXPECT_EQ(DeviceColor(kRed, true), QColor(76, 76, 76));
    EXPECT_EQ(DeviceColor(kRed, false), QColor(255, 0, 0));
}

TEST(DrawingPaint, EveryKindDrawsItsLinesOnColourAndGreyFrames)
{
    for (const KindCase& kind : KindCases()) {
        SCOPED_TRACE(kind.type);
        auto object = Make(kind.type, kind.points);
        ChangeStyle(*object, [](DrawingStyle& s) { s.dispTextMode = 0; });

        Frame colour(false, 0xFF);
        Paint(colour, *object);
        for (QPoint p : kind.onShape)
            EXPECT_EQ(colour.Ref(p.x(), p.y()), kRed) << p.x() << "," << p.y();
        for (QPoint p : kind.offShape)
            EXPECT_EQ(colour.Ref(p.x(), p.y()), kWhite) << p.x() << "," << p.y();

        Frame grey(true, 0xFF);
        Paint(grey, *object);
        for (QPoint p : kind.onShape)
            EXPECT_EQ(grey.Grey(p.x(), p.y()), GreyOfRef(kRed)) << p.x() << "," << p.y();
        for (QPoint p : kind.offShape)
            EXPECT_EQ(grey.Grey(p.x(), p.y()), 255) << p.x() << "," << p.y();
    }
}

TEST(DrawingPaint, ArcEndsWhereItsRaysCrossAFlatEllipse)
{
    // Box radii 100 and 50 around (200, 150); the start ray at 45 degrees
    // meets the ellipse at (244.7, 105.3), the end ray straight up at (200, 100).
    auto arc = Make(kDrawingArc, {{100, 100}, {300, 200}, {250, 100}, {200, 20}});
    ChangeStyle(*arc, [](DrawingStyle& s) { s.dispTextMode = 0; });
    Frame frame(false, 0xFF);
    Paint(frame, *arc);
    auto inkedNear = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (frame.Ref(x + dx, y + dy) == kRed)
                    return true;
        return false;
    };
    EXPECT_TRUE(inkedNear(244, 105));
    EXPECT_TRUE(inkedNear(200, 100));
    EXPECT_FALSE(inkedNear(270, 114)); // further along the ellipse than the start ray
    EXPECT_FALSE(inkedNear(190, 101)); // past the end ray
}

TEST(DrawingPaint, TextKindWritesItsNameUpAndLeftOfItsPoint)
{
    auto text = Make(kDrawingText, {{300, 200}});
    Frame frame(false, 0xFF);
    Paint(frame, *text);
    int inked = 0;
    for (int y = 180; y < 200; ++y)
        for (int x = 240; x < 300; ++x)
            inked += frame.Ref(x, y) != 0xFFFFFFu;
    EXPECT_GT(inked, 20);
    for (int y = 201; y < 230; ++y)
        for (int x = 301; x < 360; ++x)
            ASSERT_EQ(frame.Ref(x, y), kWhite);
}

TEST(DrawingPaint, BrushesFillGreyFramesWithTheSameGreyAsTheirLines)
{
    auto rectangle = Make(kDrawingRectangle, {{100, 100}, {200, 200}}, kBlue);
    ChangeStyle(*rectangle, [](DrawingStyle& s) {
        s.brushType = kBrushSolid;
        s.brushColor = kBlue;
        s.dispTextMode = 0;
    });
    Frame grey(true, 0xFF);
    Paint(grey, *rectangle);
    EXPECT_EQ(grey.Grey(100, 150), GreyOfRef(kBlue));
    EXPECT_EQ(grey.Grey(150, 150), GreyOfRef(kBlue));
}

TEST(DrawingPaint, HatchBrushWithOpaqueBackground)
{
    auto rectangle = Make(kDrawingRectangle, {{100, 100}, {200, 200}}, kBlack);
    ChangeStyle(*rectangle, [](DrawingStyle& s) {
        s.brushType = kBrushHatch;
        s.brushHatchStyle = 2; // downward left-to-right
        s.brushColor = kBlue;
        s.dispTextMode = 0;
    });
    Frame transparent(false, 0xFF);
    Paint(transparent, *rectangle);
    int hatched = 0;
    int white = 0;
    for (int x = 120; x < 136; ++x) {
        const uint32_t here = transparent.Ref(x, 150);
        hatched += here == kBlue;
        white += here == kWhite;
        if (here == kBlue) {
            EXPECT_EQ(transparent.Ref(x + 1, 151), kBlue); // the next line down is one to the right
        }
    }
    EXPECT_EQ(hatched, 2);
    EXPECT_EQ(white, 14);

    ChangeStyle(*rectangle, [](DrawingStyle& s) {
        s.backMode = kBackOpaque;
        s.backColor = 0x00FF00;
    });
    Frame opaque(false, 0xFF);
    Paint(opaque, *rectangle);
    for (int x = 120; x < 136; ++x)
        EXPECT_TRUE(opaque.Ref(x, 150) == kBlue || opaque.Ref(x, 150) == 0x00FF00u);
}

TEST(DrawingPaint, DashedPenAndWideCrossBands)
{
    auto line = Make(kDrawingLine, {{100, 100}, {300, 100}});
    ChangeStyle(*line, [](DrawingStyle& s) {
        s.penStyle = kPenDash;
        s.dispTextMode = 0;
    });
    Frame frame(false, 0xFF);
    Paint(frame, *line);
    EXPECT_EQ(frame.Ref(105, 100), kRed);
    EXPECT_EQ(frame.Ref(121, 100), kWhite); // the gap after an 18-pixel dash
    EXPECT_EQ(frame.Ref(125, 100), kRed);

    auto cross = Make(kDrawingCross, {{100, 100}, {200, 200}}, kRed, 3);
    Frame bands(false, 0xFF);
    Paint(bands, *cross);
    EXPECT_EQ(bands.Ref(120, 149), kRed);
    EXPECT_EQ(bands.Ref(120, 151), kRed);
    EXPECT_EQ(bands.Ref(120, 152), kWhite);
    EXPECT_EQ(bands.Ref(148, 120), kWhite);
    EXPECT_EQ(bands.Ref(149, 120), kRed);
}

TEST(DrawingPaint, HiddenObjectsDrawNothingAndSelectedOnesShowHandles)
{
    auto line = Make(kDrawingLine, {{100, 100}, {300, 100}});
    ChangeStyle(*line, [](DrawingStyle& s) { s.hide = 1; });
    Frame hidden(false, 0xFF);
    Paint(hidden, *line);
    EXPECT_TRUE(std::all_of(hidden.pixels.begin(), hidden.pixels.end(), [](uint8_t v) { return v == 0xFF; }));

    ChangeStyle(*line, [](DrawingStyle& s) {
        s.hide = 0;
        s.selected = 1;
    });
    Frame selected(false, 0xFF);
    Paint(selected, *line);
    EXPECT_EQ(selected.Ref(298, 98), kBlack); // handle border around point 1
    EXPECT_EQ(selected.Ref(299, 99), kWhite); // handle inside
}

TEST(DrawingPaint, OpaqueTextBackground)
{
    auto text = Make(kDrawingText, {{300, 200}}, kBlack);
    ChangeStyle(*text, [](DrawingStyle& s) {
        s.textBackMode = kBackOpaque;
        s.textBackColor = 0x00FF00;
    });
    Frame frame(false, 0x80);
    Paint(frame, *text);
    // The padding before the name is background only.
    EXPECT_EQ(frame.Ref(298, 190), 0x00FF00u);
    EXPECT_EQ(frame.Ref(302, 190), 0x808080u);
}

// All twelve kinds with their measurement texts on a colour and a grey frame,
// written as PNG files for a look (LUMIVEX_DRAWING_PNG_DIR names a folder for
// extra copies) and checked by pngcheck.
TEST(DrawingPaint, AllKindsPicture)
{
    struct Placed {
        int32_t type;
        std::vector<QPoint> points;
        int32_t mode;
    };
    const std::vector<Placed> shapes{
        {kDrawingLine, {{50, 60}, {170, 20}}, kTextLength | kTextName},
        {kDrawingRectangle, {{230, 40}, {330, 110}}, kTextLength | kTextArea | kTextName},
        {kDrawingEllipse, {{440, 40}, {520, 110}}, kTextLength | kTextArea | kTextName},
        {kDrawingText, {{110, 170}}, kTextName | kTextDate | kTextTime},
        {kDrawingDegree, {{330, 140}, {250, 180}, {340, 200}}, kTextDegree | kTextName},
        {kDrawingPolygon, {{450, 160}, {560, 170}, {520, 240}, {470, 220}}, kTextLength | kTextArea | kTextName},
        {kDrawingPerpendicular, {{30, 300}, {190, 260}, {120, 360}, {150, 225}}, kTextLength | kTextName},
        {kDrawingArc, {{250, 290}, {330, 370}, {360, 330}, {290, 260}}, kTextLength | kTextDegree | kTextTopLeft},
        {kDrawingBezier, {{450, 300}, {480, 240}, {540, 380}, {590, 290}}, kTextName},
        {kDrawingFreeHand,
         {{80, 420}, {100, 400}, {120, 430}, {140, 405}, {160, 440}, {190, 410}},
         kTextName | kTextWidth},
        {kDrawingCross, {{250, 400}, {310, 460}}, kTextName | kTextCenter},
        {kDrawingRoundRect, {{460, 400}, {580, 460}}, kTextName | kTextWidth | kTextHeight},
    };
    for (const bool grey : {false, true}) {
        Frame frame(grey, 0x90);
        {
            QPainter painter(&frame.image);
            for (size_t i = 0; i < shapes.size(); ++i) {
                auto object = Make(shapes[i].type, shapes[i].points, i % 2 == 0 ? kRed : 0x00FFFF, i % 3 == 0 ? 2 : 1);
                ChangeStyle(*object, [&](DrawingStyle& s) {
                    s.dispTextMode = shapes[i].mode;
                    s.selected = shapes[i].type == kDrawingPolygon;
                    if (shapes[i].type == kDrawingRectangle || shapes[i].type == kDrawingPolygon) {
                        s.brushType = kBrushHatch;
                        s.brushHatchStyle = 5;
                        s.brushColor = kBlue;
                    }
                    if (shapes[i].type == kDrawingText) {
                        s.textBackMode = kBackOpaque;
                        s.textBackColor = kWhite;
                        s.textColor = kBlack;
                    }
                });
                object->Draw(painter, DefaultDrawingUnits());
            }
        }
        const QString name = grey ? QStringLiteral("all-kinds-grey.png") : QStringLiteral("all-kinds.png");
        TempDir dir;
        const QString path = QString::fromStdString(dir.file(name.toStdString()));
        ASSERT_TRUE(frame.image.save(path));
        if (const char* extra = std::getenv("LUMIVEX_DRAWING_PNG_DIR"))
            frame.image.save(QString::fromUtf8(extra) + QLatin1Char('/') + name);

        QProcess check;
        check.start(QStringLiteral("pngcheck"), {path});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
        const QImage reread(path);
        EXPECT_EQ(reread.size(), QSize(kWidth, kHeight));
        // On the first line, which is red.
        EXPECT_EQ(reread.pixelColor(110, 40), grey ? QColor(76, 76, 76) : QColor(255, 0, 0));
    }
}
