#pragma once

// A camera for the control page tests: a connection object over a fake
// device whose features the test adds and inspects, the host the control
// dialog asks for it, and feature sets shaped like the simulated camera's.

#include "CameraFakes.h"
#include "TempDir.h"
#include "WidgetActions.h"

#include "camera/CameraConnection.h"
#include "camera/DisplaySettings.h"
#include "controls/ControlHost.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class SettingsPage;

// An enumeration that counts its reads, logs its writes and can be
// invisible or unreadable.
class TestEnum : public SdkGenEnum {
public:
    TestEnum(const std::string& name, std::vector<SdkGenEnumEntry> entries, int64_t value,
             SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult GetValue(int64_t& value) const override;
    SdkResult GetValue(std::string& entryName) const override;
    SdkResult SetValue(int64_t value) override;
    SdkResult SetValue(const std::string& entryName) override;
    SdkResult GetEntriesCount(uint32_t& count) const override;
    SdkResult GetEntryByIndex(uint32_t index, SdkGenEnumEntry& entry) const override;
    std::string Name() const;

    std::vector<SdkGenEnumEntry> entries;
    mutable int64_t value;
    bool failRead = false;
    bool failWrite = false;
    mutable int reads = 0;
    std::vector<int64_t> writes;
    // When positive, the value returns to 0 at this many more reads (a
    // camera finishing a one-push operation).
    mutable int readsUntilZero = 0;
};

// A boolean that logs its writes.
class TestBoolean : public SdkGenBoolean {
public:
    TestBoolean(const std::string& name, bool value, SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    SdkResult GetValue(bool& value) const override;
    SdkResult SetValue(bool value) override;

    bool value;
    std::vector<bool> writes;
};

// Entries named in order with values 0, 1, 2, ...
std::vector<SdkGenEnumEntry> Entries(std::initializer_list<const char*> names);

// Hands the dialog the camera (or none) and counts preview stops and starts.
class TestHost : public ControlHost {
public:
    CameraConnection* ControlCamera() override { return connected ? camera : nullptr; }
    bool StopPreview() override;
    void StartPreview() override;
    void SetDisplayInterpolation(int method) override { displayInterpolation = method; }
    void CloseRecording() override { ++recordingsClosed; }
    bool IsRecording() const override { return recording; }
    DisplaySettings* Display() override { return &display; }

    CameraConnection* camera = nullptr;
    bool connected = true;
    bool previewing = false;
    int displayInterpolation = -1;
    int recordingsClosed = 0;
    bool recording = false;
    DisplaySettings display;
    // "stop" and "start" in call order.
    std::vector<std::string> calls;
};

// The camera with an empty feature array.
class TestCamera {
public:
    TestCamera();
    ~TestCamera();

    SdkGenParameterArray& Features() { return device_->features; }
    CameraConnection& Camera() { return *camera_; }
    TestHost& Host() { return host_; }

    FakeInteger* AddInt(const std::string& name, int64_t value, int64_t min, int64_t max, int64_t increment = 1);
    TestEnum* AddEnum(const std::string& name, std::vector<SdkGenEnumEntry> entries, int64_t value = 0,
                      SdkVisibility visibility = SDK_VISIBILITY_BEGINNER);
    TestBoolean* AddBool(const std::string& name, bool value);
    FakeFloat* AddFloat(const std::string& name, double value, double min, double max);
    FakeCommand* AddCommand(const std::string& name);

    template <typename Parameter>
    Parameter* Get(const std::string& name)
    {
        return dynamic_cast<Parameter*>(Features().Get(name));
    }

    // The features of each page, with the simulated camera's ranges and
    // starting values. lensVisibility: of ALCIrisLens and
    // LensManualAdjustment.
    void AddGainShutterFeatures(SdkVisibility lensVisibility = SDK_VISIBILITY_EXPERT);
    void AddWhiteBalanceFeatures();
    void AddTriggerFeatures();

private:
    TempDir dir_;
    FakeDevice* device_;
    std::unique_ptr<CameraConnection> camera_;
    TestHost host_;
};

// Sets a page up on the camera as the control dialog does.
void OpenPage(SettingsPage& page, TestCamera& camera);

// A test of one page on a camera the test fills before Open.
template <typename Page>
class PageTest : public ::testing::Test {
protected:
    void Open() { OpenPage(page_, camera_); }

    // The page's widget of that object name (feature names, "...Edit").
    template <typename Widget = QWidget>
    Widget* Find(const char* name)
    {
        auto* widget = page_.template findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    bool Enabled(const char* name)
    {
        QWidget* widget = Find(name);
        return widget && widget->isEnabled();
    }

    TestCamera camera_;
    Page page_;
};
