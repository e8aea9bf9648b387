#include "camera/OverlayRegistry.h"
#include "imaging/OverlayPainter.h"
#include "imaging/OverlayPainterSet.h"

#include "TempDir.h"

#include <QImage>
#include <QPainter>
#include <QSettings>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

namespace {

// A painter that counts its draws and resets.
class CountingPainter : public OverlayPainter {
public:
    explicit CountingPainter(OverlayRegistry* registry) : OverlayPainter(registry, QStringLiteral("Counting")) {}
    void Draw(QPainter&, int32_t, int32_t, uint32_t, const int32_t*) override { ++draws; }
    void Reset() override { ++resets; }

    int draws = 0;
    int resets = 0;
};

void PaintOneFrame(OverlayRegistry& registry)
{
    std::vector<uint8_t> pixels(16 * 16, 0);
    QImage image(pixels.data(), 16, 16, 16, QImage::Format_Grayscale8);
    QPainter painter(&image);
    const int32_t dropped = 0;
    registry.PaintAll(painter, pixels.data(), 16, 16, 1, &dropped);
}

TEST(PainterRegistration, EnablingTwiceLeavesOneEntryWithANewKey)
{
    OverlayRegistry registry;
    CountingPainter painter(&registry);
    CountingPainter other(&registry);
    ASSERT_TRUE(EnablePainter(painter));
    ASSERT_TRUE(EnablePainter(other));
    EXPECT_EQ(painter.Key(), 1u);
    EXPECT_EQ(other.Key(), 2u);
    // Its old entry goes first, so the new key follows the other painter's.
    ASSERT_TRUE(EnablePainter(painter));
    EXPECT_EQ(painter.Key(), 3u);
    EXPECT_EQ(painter.resets, 2);
    PaintOneFrame(registry);
    EXPECT_EQ(painter.draws, 1);
    EXPECT_EQ(other.draws, 1);
}

TEST(PainterRegistration, KeysGrowPastTheLargestInTheList)
{
    OverlayRegistry registry;
    CountingPainter first(&registry);
    CountingPainter second(&registry);
    CountingPainter third(&registry);
    CountingPainter fourth(&registry);
    ASSERT_TRUE(EnablePainter(first));
    ASSERT_TRUE(EnablePainter(second));
    ASSERT_TRUE(EnablePainter(third));
    ASSERT_TRUE(DisablePainter(second, second.Key()));
    second.SetKey(0);
    // Keys 1 and 3 remain.
    ASSERT_TRUE(EnablePainter(fourth));
    EXPECT_EQ(fourth.Key(), 4u);
    PaintOneFrame(registry);
    EXPECT_EQ(second.draws, 0);
    EXPECT_EQ(first.draws + third.draws + fourth.draws, 3);
}

TEST(PainterRegistration, UnknownKeysFailAndLeaveTheListAlone)
{
    OverlayRegistry registry;
    CountingPainter painter(&registry);
    EXPECT_FALSE(DisablePainter(painter, 7));
    ASSERT_TRUE(EnablePainter(painter));
    // A key that lost its entry elsewhere: switching on again fails.
    ASSERT_TRUE(registry.Remove(painter.Key()));
    EXPECT_FALSE(EnablePainter(painter));
    EXPECT_TRUE(registry.IsEmpty());

    CountingPainter orphan(nullptr);
    EXPECT_FALSE(EnablePainter(orphan));
    EXPECT_FALSE(DisablePainter(orphan, 1));
}

TEST(PainterRegistration, DestroyedPaintersLeaveTheList)
{
    OverlayRegistry registry;
    {
        CountingPainter painter(&registry);
        ASSERT_TRUE(EnablePainter(painter));
        EXPECT_FALSE(registry.IsEmpty());
    }
    EXPECT_TRUE(registry.IsEmpty());

    {
        OverlayPainterSet set(registry, {});
        for (OverlayPainter* painter : set.Offered())
            ASSERT_TRUE(EnablePainter(*painter));
    }
    EXPECT_TRUE(registry.IsEmpty());
}

TEST(OverlayPainterSet, ReadsTheSettingsAndWritesThemBack)
{
    TempDir dir;
    const std::string path = dir.file("lumivex.dat");
    {
        std::ofstream file(path);
        file << "[PreviewDCCallback_Grid]\nColNum=0\nOffsetX=200\n[PreviewDCCallback_Ellipse]\nRadiusY=40\n";
    }
    OverlayRegistry registry;
    {
        OverlayPainterSet set(registry, path);
        EXPECT_EQ(set.Grid().Settings().columns, 1u);
        EXPECT_EQ(set.Grid().Settings().offsetX, 200u);
        EXPECT_EQ(set.Ellipse().Settings().radiusStepY, 40u);
        const auto offered = set.Offered();
        QStringList names;
        for (const OverlayPainter* painter : offered)
            names << painter->Name();
        EXPECT_EQ(names, QStringList({"Grid", "Ellipse", "FPS", "Logo", "Frames Received"}));
    }
    QSettings written(QString::fromStdString(path), QSettings::IniFormat);
    EXPECT_EQ(written.value("PreviewDCCallback_Grid/ColNum").toString(), "1");
    EXPECT_EQ(written.value("PreviewDCCallback_Grid/RowNum").toString(), "3");
    EXPECT_EQ(written.value("PreviewDCCallback_Ellipse/RadiusX").toString(), "100");
}

} // namespace
