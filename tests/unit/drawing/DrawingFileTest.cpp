#include "drawing/CDrawingManagement.h"
#include "drawing/DrawingIni.h"

#include "TempDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <functional>

namespace {

// An independent reading of the saved text: sections in file order, each
// with its keys and values in file order.
struct IniSection {
    QString name;
    std::vector<std::pair<QString, QString>> keys;

    QString Value(const QString& key) const
    {
        for (const auto& [k, v] : keys)
            if (k == key)
                return v;
        return {};
    }
    QStringList KeyNames() const
    {
        QStringList names;
        for (const auto& entry : keys)
            names.append(entry.first);
        return names;
    }
};

std::vector<IniSection> ReadSections(const std::string& path)
{
    std::vector<IniSection> sections;
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            sections.push_back({line.mid(1, line.size() - 2), {}});
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        EXPECT_GT(equals, 0) << line.toStdString();
        EXPECT_FALSE(sections.empty());
        if (equals > 0 && !sections.empty())
            sections.back().keys.emplace_back(line.left(equals), line.mid(equals + 1));
    }
    return sections;
}

void WriteText(const std::string& path, const char* text)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const QStringList kStyleKeys{
    "PenStyle",          "PenWidth",        "PenColor",           "BrushType",     "BrushStyle",     "BrushColor",
    "TextColor",         "TextBackMode",    "TextBackColor",      "BackMode",      "BackColor",      "DispTextMode",
    "DispTextOffsetX",   "DispTextOffsetY", "FontHeight",         "FontWidth",     "FontEscapement", "FontOrientation",
    "FontWeight",        "FontItalic",      "FontUnderline",      "FontStrikeOut", "FontCharSet",    "FontOutPrecision",
    "FontClipPrecision", "FontQuality",     "FontPitchAndFamily", "FontFaceName",  "PolyFillMode"};

// A style with every field away from its default, varied by n.
DrawingStyle DistinctStyle(int n)
{
    DrawingStyle s;
    s.hide = n % 2;
    s.lock = (n + 1) % 2;
    s.dispTextMode = 0x1000 | n;
    s.textOffsetX = -n;
    s.textOffsetY = n + 3;
    s.name = QStringLiteral("Shape %1 \u00e9").arg(n);
    s.font = {-(10 + n), n, 10 * n, 5 * n, 700, 1, 1, 1, uint8_t(n), 3, 2, 4, 0x22, QStringLiteral("DejaVu Serif")};
    s.textBackMode = 2;
    s.textBackColor = 0x010203u * uint32_t(n + 1);
    s.brushType = n % 3;
    s.brushHatchStyle = n % 6;
    s.brushColor = 0x00FF8000u + uint32_t(n);
    s.backMode = 2;
    s.backColor = 0x00123456u + uint32_t(n);
    s.penStyle = n % 7;
    s.penWidth = 1 + n;
    s.penColor = 0x00ABCDEFu - uint32_t(n);
    s.textColor = 0x00FEDCBAu - uint32_t(n);
    s.polyFillMode = 1 + n % 2;
    return s;
}

} // namespace

TEST(DrawingFile, SectionsKeysAndOrderOfATwoObjectFile)
{
    CDrawingManagement manager;
    ASSERT_TRUE(manager.SetTool(kDrawingLine));
    manager.OnPress({10, 20}, 0);
    manager.OnMove(0, {30, 40});
    manager.OnRelease();
    ASSERT_TRUE(manager.SetTool(kDrawingText));
    manager.OnPress({50, 60}, 0);
    manager.OnRelease();

    TempDir dir;
    const std::string path = dir.file("two.drw");
    ASSERT_TRUE(manager.SaveDrawingFile(QString::fromStdString(path)));
    const std::vector<IniSection> sections = ReadSections(path);
    ASSERT_EQ(sections.size(), 5u);
    EXPECT_EQ(sections[0].name, "DrawingManagement");
    EXPECT_EQ(sections[1].name, "Grid");
    EXPECT_EQ(sections[2].name, "DrawingObject_0");
    EXPECT_EQ(sections[3].name, "DrawingObject_1");
    EXPECT_EQ(sections[4].name, "DefaultDrawingObject");

    EXPECT_EQ(sections[0].KeyNames(),
              (QStringList{"Count", "DrawOnBitmapFile", "LengthUnit", "AreaUnit", "DegreeUnit", "HorizontalPixelSize",
                           "VerticalPixelSize", "DispValueRatioDegree"}));
    EXPECT_EQ(sections[0].Value("Count"), "2");
    EXPECT_EQ(sections[0].Value("LengthUnit"), "[pixel]");
    EXPECT_EQ(sections[0].Value("AreaUnit"), "[pixel2]");
    EXPECT_EQ(sections[0].Value("DegreeUnit"), "[Degree]");
    EXPECT_EQ(sections[0].Value("HorizontalPixelSize"), "1.000000");
    EXPECT_EQ(sections[1].KeyNames(), (QStringList{"HorizontalGridCount", "VerticalGridCount", "PenStyle", "PenWidth",
                                                   "PenColor", "BackMode", "BackColor"}));
    EXPECT_EQ(sections[1].Value("BackColor"), "16777215");

    EXPECT_EQ(sections[2].KeyNames(), QStringList({"DrawingType", "PointCount", "Point_0_x", "Point_0_y", "Point_1_x",
                                                   "Point_1_y", "Lock", "Hide", "Name"}) +
                                          kStyleKeys);
    EXPECT_EQ(sections[2].Value("DrawingType"), "1");
    EXPECT_EQ(sections[2].Value("Point_1_y"), "40");
    EXPECT_EQ(sections[2].Value("Name"), "Line");
    EXPECT_EQ(sections[2].Value("DispTextMode"), "32");
    EXPECT_EQ(sections[3].KeyNames(),
              QStringList({"DrawingType", "PointCount", "Point_0_x", "Point_0_y", "Lock", "Hide", "Name"}) +
                  kStyleKeys);
    EXPECT_EQ(sections[3].Value("DrawingType"), "4");
    EXPECT_EQ(sections[4].KeyNames(), kStyleKeys);
    EXPECT_EQ(sections[4].Value("FontHeight"), "13");
    EXPECT_EQ(sections[4].Value("FontWeight"), "400");
    EXPECT_EQ(sections[4].Value("BrushStyle"), "3");
}

TEST(DrawingFile, RoundTripKeepsEveryFieldOfEveryKind)
{
    CDrawingManagement source;
    for (int32_t type = kFirstDrawingType; type <= kLastDrawingType; ++type) {
        ASSERT_TRUE(source.SetTool(type));
        source.OnPress({type * 10, type * 5}, 0);
        source.OnMove(0, {type * 10 + 33, type * 5 - 17});
        source.FinishCreation();
        source.OnRelease();
        ASSERT_TRUE(source.SetObjectStyle(type - 1, DistinctStyle(type)));
    }
    DrawingSettings settings;
    settings.units = {QStringLiteral("mm"), QStringLiteral("mm2"), QStringLiteral("deg"), 0.125, 2.5, 0.5};
    settings.grid = {4, 2, 2, 1, 0x00FF00, 2, 0x000080};
    source.SetDefaults(settings);
    source.SetDefaultStyle(DistinctStyle(20));
    source.SetDrawOnSnapshot(true);

    TempDir dir;
    const QString path = QString::fromStdString(dir.file("all.drw"));
    ASSERT_TRUE(source.SaveDrawingFile(path));

    CDrawingManagement loaded;
    ASSERT_TRUE(loaded.LoadDrawingFile(path));
    ASSERT_EQ(loaded.ObjectCount(), 12);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        DrawingStyle expected;
        DrawingStyle actual;
        ASSERT_TRUE(source.GetObjectStyle(i, expected));
        ASSERT_TRUE(loaded.GetObjectStyle(i, actual));
        expected.selected = 0; // selection is not saved
        EXPECT_EQ(actual, expected);
        EXPECT_EQ(actual.drawingType, i + 1);
        EXPECT_EQ(loaded.ObjectPoints(i), source.ObjectPoints(i));
    }
    EXPECT_EQ(loaded.Defaults(), settings);
    // The default style keeps only what the style keys hold.
    DrawingStyle expectedDefault = DistinctStyle(20);
    expectedDefault.name.clear();
    expectedDefault.lock = 0;
    expectedDefault.hide = 0;
    EXPECT_EQ(loaded.DefaultStyle(), expectedDefault);
    EXPECT_TRUE(loaded.DrawOnSnapshot());
}

TEST(DrawingFile, MissingKeysKeepCurrentValuesAndKeysAreCaseInsensitive)
{
    CDrawingManagement manager;
    DrawingSettings settings = manager.Defaults();
    settings.grid.horizontalCount = 3;
    settings.grid.verticalCount = 1;
    settings.grid.penColor = 0x0000FF;
    settings.units.pixelSizeX = 0.25;
    manager.SetDefaults(settings);

    TempDir dir;
    const std::string path = dir.file("nogrid.drw");
    WriteText(path, "[drawingmanagement]\r\n"
                    "count=1\r\n"
                    "LengthUnit=um\r\n"
                    "VerticalPixelSize=not a number\r\n"
                    "[DrawingObject_0]\r\n"
                    "DrawingType=2\r\n"
                    "Point_1_x=40\r\n"
                    "Name=Box\r\n"
                    "PenWidth=4\r\n");
    ASSERT_TRUE(manager.LoadDrawingFile(QString::fromStdString(path)));
    const DrawingSettings after = manager.Defaults();
    EXPECT_EQ(after.grid, settings.grid);
    EXPECT_EQ(after.units.lengthUnit, "um");
    EXPECT_EQ(after.units.areaUnit, "[pixel2]");
    EXPECT_EQ(after.units.pixelSizeX, 0.25);
    EXPECT_EQ(after.units.pixelSizeY, 1.0);
    ASSERT_EQ(manager.ObjectCount(), 1);
    EXPECT_EQ(manager.ObjectPoints(0), (std::vector<QPoint>{{0, 0}, {40, 0}}));
    DrawingStyle style;
    ASSERT_TRUE(manager.GetObjectStyle(0, style));
    EXPECT_EQ(style.name, "Box");
    EXPECT_EQ(style.penWidth, 4);
    EXPECT_EQ(style.dispTextMode, 0x60);
    EXPECT_EQ(style.font.height, 13);

    // Grid counts are read as reals with the fraction dropped.
    WriteText(path, "[Grid]\nHorizontalGridCount=3.7\nVerticalGridCount=2\n");
    ASSERT_TRUE(manager.LoadDrawingFile(QString::fromStdString(path)));
    EXPECT_EQ(manager.Defaults().grid.horizontalCount, 3);
    EXPECT_EQ(manager.Defaults().grid.verticalCount, 2);
    EXPECT_EQ(manager.ObjectCount(), 0);
}

TEST(DrawingFile, UnknownTypeStopsTheLoadAndKeepsEarlierObjects)
{
    CDrawingManagement manager;
    TempDir dir;
    const std::string path = dir.file("bad.drw");
    WriteText(path, "[DrawingManagement]\nCount=3\n"
                    "[DrawingObject_0]\nDrawingType=1\n"
                    "[DrawingObject_1]\nDrawingType=99\n"
                    "[DrawingObject_2]\nDrawingType=2\n"
                    "[DefaultDrawingObject]\nPenWidth=9\n");
    EXPECT_FALSE(manager.LoadDrawingFile(QString::fromStdString(path)));
    EXPECT_EQ(manager.ObjectCount(), 1);
    EXPECT_EQ(manager.DefaultStyle().penWidth, 1);

    // An unbuildable style and an absurd point count stop the load too.
    WriteText(path, "[DrawingManagement]\nCount=2\n[DrawingObject_0]\nDrawingType=3\nBrushType=2\nBrushStyle=9\n");
    EXPECT_FALSE(manager.LoadDrawingFile(QString::fromStdString(path)));
    EXPECT_EQ(manager.ObjectCount(), 1);
    WriteText(path, "[DrawingManagement]\nCount=1\n[DrawingObject_0]\nDrawingType=6\nPointCount=2000000000\n");
    EXPECT_FALSE(manager.LoadDrawingFile(QString::fromStdString(path)));
}

TEST(DrawingFile, UnreadableFilesLeaveTheDrawingAlone)
{
    CDrawingManagement manager;
    ASSERT_TRUE(manager.SetTool(kDrawingCross));
    manager.OnPress({10, 10}, 0);
    manager.OnRelease();
    TempDir dir;
    EXPECT_FALSE(manager.LoadDrawingFile(QString::fromStdString(dir.file("missing.drw"))));
    EXPECT_EQ(manager.ObjectCount(), 1);
    EXPECT_FALSE(manager.SaveDrawingFile(QString::fromStdString(dir.file("no/such/folder/x.drw"))));
}

TEST(DrawingFile, SavingReplacesTheWholeFile)
{
    TempDir dir;
    const std::string path = dir.file("replace.drw");
    WriteText(path, "[DrawingManagement]\nCount=5\n[DrawingObject_4]\nDrawingType=1\n[Other]\nKey=1\n");
    CDrawingManagement manager;
    ASSERT_TRUE(manager.SaveDrawingFile(QString::fromStdString(path)));
    const std::vector<IniSection> sections = ReadSections(path);
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].Value("Count"), "0");
    EXPECT_EQ(sections[2].name, "DefaultDrawingObject");
}

// Each class of hostile number a drawing file can hold is brought into what
// the program can draw, and the drawing then paints quickly (under the
// sanitizers: without undefined behaviour).
TEST(DrawingFile, HostileNumbersAreClampedToWhatCanBeDrawn)
{
    struct Case {
        const char* what;
        const char* text;
        std::function<void(const CDrawingManagement&)> check;
    };
    const auto objectStyle = [](const CDrawingManagement& manager) {
        DrawingStyle style;
        EXPECT_TRUE(manager.GetObjectStyle(0, style));
        return style;
    };
    const Case cases[] = {
        {"huge cross pen width",
         "[DrawingManagement]\nCount=1\n[DrawingObject_0]\nDrawingType=11\n"
         "Point_0_x=0\nPoint_0_y=0\nPoint_1_x=600\nPoint_1_y=400\nPenWidth=2147483647\n",
         [&](const CDrawingManagement& m) { EXPECT_EQ(objectStyle(m).penWidth, kMaxPenWidth); }},
        {"negative pen width", "[DrawingManagement]\nCount=1\n[DrawingObject_0]\nDrawingType=1\nPenWidth=-5\n",
         [&](const CDrawingManagement& m) { EXPECT_EQ(objectStyle(m).penWidth, kMinPenWidth); }},
        {"grid counts beyond any real", "[Grid]\nHorizontalGridCount=1e308\nVerticalGridCount=-1e308\nPenWidth=99999\n",
         [](const CDrawingManagement& m) {
             EXPECT_EQ(m.Defaults().grid.horizontalCount, kMaxGridCount);
             EXPECT_EQ(m.Defaults().grid.verticalCount, 0);
             EXPECT_EQ(m.Defaults().grid.penWidth, kMaxPenWidth);
         }},
        {"grid counts and sizes that are no numbers",
         "[DrawingManagement]\nHorizontalPixelSize=inf\nVerticalPixelSize=nan\n[Grid]\nHorizontalGridCount=nan\n"
         "VerticalGridCount=inf\n",
         [](const CDrawingManagement& m) {
             EXPECT_EQ(m.Defaults().grid.horizontalCount, 0);
             EXPECT_EQ(m.Defaults().grid.verticalCount, 0);
             EXPECT_EQ(m.Defaults().units.pixelSizeX, 1.0);
             EXPECT_EQ(m.Defaults().units.pixelSizeY, 1.0);
         }},
        {"coordinates at the ends of the integers",
         "[DrawingManagement]\nCount=4\n"
         "[DrawingObject_0]\nDrawingType=1\nPoint_0_x=-2147483648\nPoint_0_y=2147483647\nPoint_1_x=2147483647\n"
         "Point_1_y=-2147483648\nDispTextMode=65535\n"
         "[DrawingObject_1]\nDrawingType=7\nPointCount=3\nPoint_0_x=-2147483648\nPoint_1_x=2147483647\n"
         "Point_1_y=1\nPoint_2_y=2147483647\nDispTextMode=65535\n"
         "[DrawingObject_2]\nDrawingType=8\nPointCount=4\nPoint_0_x=-2147483648\nPoint_1_y=2147483647\n"
         "Point_2_x=2147483647\nDispTextMode=65535\n"
         "[DrawingObject_3]\nDrawingType=6\nPointCount=3\nPoint_0_x=2147483647\nPoint_1_y=2147483647\n"
         "Point_2_x=-2147483648\nDispTextMode=65535\nDispTextOffsetX=-2147483648\n",
         [](const CDrawingManagement& m) {
             ASSERT_EQ(m.ObjectCount(), 4);
             EXPECT_EQ(m.ObjectPoints(0), (std::vector<QPoint>{{-kMaxDrawingCoordinate, kMaxDrawingCoordinate},
                                                               {kMaxDrawingCoordinate, -kMaxDrawingCoordinate}}));
         }},
        {"font fields at the ends of the integers",
         "[DrawingManagement]\nCount=2\n[DrawingObject_0]\nDrawingType=4\nDispTextMode=16\nFontHeight=-2147483648\n"
         "FontWidth=2147483647\nFontEscapement=-2147483648\nFontOrientation=2147483647\nFontWeight=-7\n"
         "[DrawingObject_1]\nDrawingType=2\nDispTextMode=16\nFontHeight=2147483647\nFontEscapement=3605\n",
         [&](const CDrawingManagement& m) {
             const LogicalFont font = objectStyle(m).font;
             EXPECT_EQ(font.height, -kMaxFontSize);
             EXPECT_EQ(font.width, kMaxFontSize);
             EXPECT_EQ(font.escapement, INT_MIN % kFullTurnTenths);
             EXPECT_EQ(font.weight, 0);
             DrawingStyle second;
             ASSERT_TRUE(m.GetObjectStyle(1, second));
             EXPECT_EQ(second.font.height, kMaxFontSize);
             EXPECT_EQ(second.font.escapement, 5);
         }},
    };
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("hostile.drw"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteText(path.toStdString(), c.text);
        CDrawingManagement manager;
        ASSERT_TRUE(manager.LoadDrawingFile(path));
        c.check(manager);
        manager.SetImageSize(640, 480);
        std::vector<uint8_t> frame(640 * 480 * 3);
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(manager.DrawOnFrame(frame.data(), 640, 480, true));
        EXPECT_LT(timer.elapsed(), 2000);
    }
}

// What is not a regular file of sane size is refused at once with a reason,
// and the drawing stays as it was.
TEST(DrawingFile, DevicesPipesFoldersAndHugeFilesAreRefusedWithAMessage)
{
    TempDir dir;
    const std::string fifo = dir.file("pipe.drw");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = dir.file("huge.drw");
    WriteText(huge, "[DrawingManagement]\nCount=0\n");
    std::filesystem::resize_file(huge, DrawingIni::kMaxFileSize + 1);
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"/dev/zero", "is not a regular file"},
        {fifo, "is not a regular file"},
        {dir.path().string(), "is not a regular file"},
        {huge, "is larger than 16 MiB"},
        {dir.file("missing.drw"), "No such file or directory"},
    };
    CDrawingManagement manager;
    ASSERT_TRUE(manager.SetTool(kDrawingCross));
    manager.OnPress({10, 10}, 0);
    manager.OnRelease();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        QString error;
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(manager.LoadDrawingFile(QString::fromStdString(c.path), &error));
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_TRUE(error.contains(QString::fromStdString(c.path))) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.reason))) << error.toStdString();
        EXPECT_EQ(manager.ObjectCount(), 1);
    }
}
