#pragma once

// A fixture for the control and option board dialogs against the simulated
// camera: a connection object connected to the simulator on this program's
// address, and the host that hands it to the dialogs.

#include "SerialReports.h"
#include "TestAddress.h"
#include "WidgetActions.h"

#include "camera/CameraConnection.h"
#include "controls/ControlHost.h"
#include "sim/SimCamera.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

// Hands the dialogs the camera (or none); there is no preview to stop.
class SimControlHost : public ControlHost {
public:
    CameraConnection* ControlCamera() override { return camera; }
    bool StopPreview() override { return false; }
    void StartPreview() override {}
    void SetDisplayInterpolation(int) override {}
    void CloseRecording() override {}
    bool IsRecording() const override { return false; }
    DisplaySettings* Display() override { return nullptr; }

    CameraConnection* camera = nullptr;
};

class SimControlTest : public ::testing::Test {
protected:
    SimControlTest();

    // Starts the simulator with options_ on this program's address and
    // connects camera_ to it. camera_ exists from the start, so a test may
    // set its serial channel up first.
    void StartCamera();
    // The same with a 640x480 camera, colour or monochrome.
    void Start(bool colour);
    void TearDown() override;

    // A camera feature's value, -1 when it cannot be read.
    int32_t Value(const char* feature);

    // The widget of that object name under parent (feature names, "...Edit").
    template <typename Widget>
    static Widget* Find(QWidget* parent, const char* name)
    {
        auto* widget = parent->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    SimOptions options_;
    SimCamera sim_;
    FailOnSerialError failOnSerialError_;
    std::unique_ptr<CameraConnection> camera_;
    SimControlHost host_;
};
