#pragma once

#include <QEvent>

class QObject;

// Notifications that other windows and the recording control send to the
// main window. They are posted, so any thread may send them; the main window
// handles them on the user interface thread. The drawing property dialog's
// "closed" (0x9003, kMsgDrawPropertyClosed) comes as that dialog's signal.
inline constexpr int kMsgWindowClosed = 0x9004;
// Codes of kMsgWindowClosed.
inline constexpr int kClosedSettingsWindow = 1; // control dialog or option board dialog
inline constexpr int kClosedWaveformWindow = 2;
inline constexpr int kClosedHistogramWindow = 3;
inline constexpr int kMsgRecordingStarted = 0xB008;
inline constexpr int kMsgRecordingFinished = 0xB009;

// One posted notification: the message number and its code.
class AppMessageEvent : public QEvent {
public:
    AppMessageEvent(int message, int code);

    // The event type, registered with Qt once.
    static QEvent::Type Type();

    int Message() const { return message_; }
    int Code() const { return code_; }

private:
    int message_;
    int code_;
};

// Posts a notification to the main window (the camera context's mainWindow);
// nothing happens when receiver is null.
void PostAppMessage(QObject* receiver, int message, int code = 0);
