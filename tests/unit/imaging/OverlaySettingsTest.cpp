#include "imaging/OverlaySettings.h"

#include "TempDir.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A value as an independent INI reader sees it, names matched regardless of
// case as the settings file's own reader does.
QString IniValue(const std::string& path, const QString& section, const QString& key)
{
    QSettings ini(QString::fromStdString(path), QSettings::IniFormat);
    for (const QString& group : ini.childGroups()) {
        if (group.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        ini.beginGroup(group);
        for (const QString& name : ini.childKeys())
            if (name.compare(key, Qt::CaseInsensitive) == 0)
                return ini.value(name).toString();
        ini.endGroup();
    }
    return {};
}

TEST(OverlaySettings, ReadWithTheirRulesAndWrittenBack)
{
    TempDir dir;
    const std::string path = dir.file("lumivex.dat");
    {
        std::ofstream file(path);
        file << "[Other]\nMirrorMode=2\n"
             << "[previewdccallback_grid]\ncolnum=0\nRowNum=5\nOffsetX=200\n"
             << "[PreviewDCCallback_Ellipse]\nRadiusX=0\nRadiusY=40\n";
    }
    const GridSettings grid = ReadGridSettings(path);
    EXPECT_EQ(grid.columns, 1u);
    EXPECT_EQ(grid.rows, 5u);
    EXPECT_EQ(grid.offsetX, 200u);
    EXPECT_EQ(grid.offsetY, 0u);
    const EllipseSettings ellipse = ReadEllipseSettings(path);
    EXPECT_EQ(ellipse.radiusStepX, 1u);
    EXPECT_EQ(ellipse.radiusStepY, 40u);
    ASSERT_TRUE(WriteGridSettings(path, grid));
    ASSERT_TRUE(WriteEllipseSettings(path, ellipse));

    // Read back by an independent INI reader: the rules' results, every key
    // present, other sections kept.
    EXPECT_EQ(IniValue(path, "Other", "MirrorMode"), "2");
    EXPECT_EQ(IniValue(path, "PreviewDCCallback_Grid", "ColNum"), "1");
    EXPECT_EQ(IniValue(path, "PreviewDCCallback_Grid", "RowNum"), "5");
    EXPECT_EQ(IniValue(path, "PreviewDCCallback_Grid", "OffsetX"), "200");
    EXPECT_EQ(IniValue(path, "PreviewDCCallback_Grid", "OffsetY"), "0");
    EXPECT_EQ(IniValue(path, "PreviewDCCallback_Ellipse", "RadiusX"), "1");
    EXPECT_EQ(IniValue(path, "PreviewDCCallback_Ellipse", "RadiusY"), "40");
}

TEST(OverlaySettings, MissingFileGivesTheDefaults)
{
    TempDir dir;
    const std::string path = dir.file("absent.dat");
    const GridSettings grid = ReadGridSettings(path);
    EXPECT_EQ(grid.columns, 4u);
    EXPECT_EQ(grid.rows, 3u);
    EXPECT_EQ(grid.offsetX, 0u);
    const EllipseSettings ellipse = ReadEllipseSettings(path);
    EXPECT_EQ(ellipse.radiusStepX, 100u);
    EXPECT_EQ(ellipse.radiusStepY, 100u);
    EXPECT_TRUE(WriteGridSettings(path, {7, 8, 9, 4000000000u}));
    EXPECT_EQ(ReadGridSettings(path).columns, 7u);
    EXPECT_EQ(ReadGridSettings(path).offsetY, 4000000000u);
    EXPECT_EQ(IniValue(path, "PreviewDCCallback_Grid", "OffsetY"), "4000000000");
}

} // namespace
