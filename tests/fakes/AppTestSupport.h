#pragma once

// Helpers shared by the application shell's tests: message boxes answered
// by the test, and cameras that need no network.

#include "TestAddress.h"

#include "selection/MessagePrompts.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class CameraConnection;
class FakeDevice;
class TempDir;

// Records every message and question and answers the questions with `answer`.
class RecordingPrompts : public MessagePrompts {
public:
    struct Message {
        QString caption;
        QString text;
        Icon icon;
    };

    void Show(QWidget* parent, const QString& caption, const QString& text, Icon icon) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskOkCancel(QWidget* parent, const QString& caption, const QString& text) override;

    // Texts of the messages shown, in order.
    QStringList Texts() const;

    bool answer = true;
    std::vector<Message> shown;
    QStringList questions;
};

// A camera object over a fake device, never connected to anything; model
// and MAC address as the connection would have copied them are not set.
// The device, when asked for, stays owned by the camera.
std::unique_ptr<CameraConnection> MakeFakeCamera(const TempDir& dir, FakeDevice** device = nullptr);
