#pragma once

#include <QWidget>

class CRecordingControl;
class QLabel;
class QPushButton;
class QTimer;

// The strip the main window shows while a movie is recorded: frames written
// of those planned, the time since the start, and a button that ends the
// recording (the file is finalised with the frames it holds).
class RecordingProgressBar : public QWidget {
    Q_OBJECT

public:
    RecordingProgressBar(CRecordingControl& control, QWidget* parent);

    // Shows the strip and follows the recording until Finish.
    void Begin();
    void Finish();
    QPushButton* StopButton() const { return stop_; }
    QString Text() const;

private:
    void Refresh();

    CRecordingControl& control_;
    QLabel* label_;
    QPushButton* stop_;
    QTimer* timer_;
};
