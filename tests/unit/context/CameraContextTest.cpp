#include "CameraFakes.h"
#include "TempDir.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "camera/OverlayRegistry.h"
#include "context/CameraContext.h"
#include "context/SettingsFile.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::unique_ptr<CameraConnection> FakeCamera(const TempDir& dir)
{
    return std::make_unique<CameraConnection>(std::make_unique<FakeDevice>(), std::make_unique<FakePipeline>(),
                                              std::make_unique<CRS232C_OM>(dir.file("serial.ini")));
}

TEST(CameraContext, MissingSettingsFileGivesTheDefaults)
{
    TempDir dir;
    CameraContext context(dir.file("lumivex.dat"));
    EXPECT_EQ(context.showToolBar, 1);
    EXPECT_EQ(context.displaySettings.interpolationMethod, 3);
    EXPECT_EQ(context.displaySettings.mirrorMode, 0);
    EXPECT_EQ(context.zoomIndex, 4);
    EXPECT_EQ(context.recorder.quality, 75);
    EXPECT_EQ(context.thumbnailBorder, 5);
    EXPECT_EQ(context.thumbnailScale, 2);
    EXPECT_EQ(context.CameraCount(), 0);
    EXPECT_EQ(context.frameRequest.pending, 0);
    EXPECT_FALSE(context.frameRequest.completed.IsSet());
}

TEST(CameraContext, ReadsItsSettingsAndReplacesValuesOutOfRange)
{
    TempDir dir;
    const std::string path = dir.file("lumivex.dat");
    std::ofstream(path) << "[Setting]\nShowToolBar=0\n[Other]\nInterpolationMethod=5\nMirrorMode=2\n"
                           "DeepView=1\nBlackPoint=100\nWhitePoint=60000\nAutoLevels=1\nBitShift=8\n";
    {
        CameraContext context(path);
        EXPECT_EQ(context.showToolBar, 0);
        EXPECT_EQ(context.displaySettings.interpolationMethod, 5);
        EXPECT_EQ(context.displaySettings.mirrorMode, 2);
        EXPECT_EQ(context.displaySettings.LoadDeepView(), (DeepView{kDeepViewWindowLevel, 100, 60000, true, 8}));
    }
    std::ofstream(path) << "[Other]\nInterpolationMethod=9\nMirrorMode=-1\n"
                           "DeepView=3\nBlackPoint=-1\nWhitePoint=65536\nAutoLevels=7\nBitShift=9\n";
    CameraContext context(path);
    EXPECT_EQ(context.displaySettings.interpolationMethod, 3);
    EXPECT_EQ(context.displaySettings.mirrorMode, 0);
    EXPECT_EQ(context.displaySettings.LoadDeepView(), DeepView{});
}

TEST(CameraContext, WritesItsSettingsBackIntoAFolderItCreates)
{
    TempDir dir;
    const std::string path = (dir.path() / "not" / "yet" / "lumivex.dat").string();
    {
        CameraContext context(path);
        context.showToolBar = 0;
        context.displaySettings.interpolationMethod = 1;
        context.displaySettings.mirrorMode = 3;
        context.displaySettings.StoreDeepView({kDeepViewBitShift, 12, 3456, true, 2});
    }
    ASSERT_TRUE(std::filesystem::exists(path));
    QSettings written(QString::fromStdString(path), QSettings::IniFormat);
    EXPECT_EQ(written.value("Setting/ShowToolBar").toString(), "0");
    EXPECT_EQ(written.value("Other/InterpolationMethod").toString(), "1");
    EXPECT_EQ(written.value("Other/MirrorMode").toString(), "3");
    EXPECT_EQ(written.value("Other/DeepView").toString(), "2");
    EXPECT_EQ(written.value("Other/BlackPoint").toString(), "12");
    EXPECT_EQ(written.value("Other/WhitePoint").toString(), "3456");
    EXPECT_EQ(written.value("Other/AutoLevels").toString(), "1");
    EXPECT_EQ(written.value("Other/BitShift").toString(), "2");
    // No camera, so no drawing file is remembered.
    EXPECT_EQ(ReadText(path).find("DrawFileName"), std::string::npos);
}

TEST(SettingsFilePath, LivesInTheConfigFolderWhichIsCreated)
{
    TempDir dir;
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = previous ? previous : "";
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    const std::string path = SettingsFilePath();
    {
        CameraContext context;
        EXPECT_EQ(context.SettingsPath(), path);
    }
    if (previous)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(path, (dir.path() / "Norvane" / "lumivex" / "lumivex.dat").string());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Norvane" / "lumivex"));
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(CameraContext, ListsAtMostFourCamerasInConnectionOrder)
{
    TempDir dir;
    CameraContext context(dir.file("lumivex.dat"));
    std::vector<CameraConnection*> added;
    for (int i = 0; i < CameraContext::kMaxCameras; ++i)
        added.push_back(context.AddCamera(FakeCamera(dir)));
    EXPECT_EQ(context.AddCamera(FakeCamera(dir)), nullptr);
    ASSERT_EQ(context.CameraCount(), 4);

    for (int i = 0; i < 4; ++i) {
        CameraConnection* camera = added[static_cast<size_t>(i)];
        EXPECT_EQ(context.Camera(i), camera);
        EXPECT_EQ(camera->GetCameraNumber(), i + 1);
        EXPECT_NE(camera->Acquisition().GetOverlayRegistry(), nullptr);
        EXPECT_TRUE(camera->Acquisition().FrameSinks()->Contains(camera->Acquisition().GetOverlayRegistry()));
    }

    context.RemoveCamera(added[1]);
    ASSERT_EQ(context.CameraCount(), 3);
    EXPECT_EQ(context.Camera(0), added[0]);
    EXPECT_EQ(context.Camera(1), added[2]);
    EXPECT_EQ(context.Camera(2), added[3]);
}

} // namespace
