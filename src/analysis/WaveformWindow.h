#pragma once

#include "analysis/AnalysisSource.h"
#include "analysis/WaveformRecord.h"
#include "camera/RepaintTarget.h"

#include <QDialog>

// The "Waveform" window: the sample values along one row of the live image,
// one curve per colour channel. The acquisition thread copies the row into
// the window's record and asks for a repaint; the main window picks the row
// by clicks on the preview.
//
// The record is a sink of the camera the window was last opened for, from
// Open until the window is destroyed.
class WaveformWindow : public QDialog, public RepaintTarget {
    Q_OBJECT

public:
    explicit WaveformWindow(QWidget* parent = nullptr);
    ~WaveformWindow() override;

    WaveformRecord* Record() { return &record_; }

    // The Waveform command: rebuilds the record for the camera's current
    // format with the middle row selected, sizes the window to the row,
    // shows it and marks it active.
    void Open(const AnalysisSource& source);
    // After a format change while the window is open: rebuilds the record
    // for the new format, keeping the selected row when it is still inside
    // the image. Does nothing while the window is closed.
    void Reformat(const AnalysisSource& source);
    bool IsActive() const { return record_.active; }

    // Left button released over the preview at image row y: while active, a
    // row inside the image becomes the selected row. True when it did.
    bool SelectRow(int imageY);
    int SelectedRow() const { return record_.lineNumber; }

    // Called by the acquisition thread: queues a repaint.
    void RequestRepaint() override;

signals:
    // The window closed by OK, Cancel or its close box.
    void closed();

protected:
    void done(int result) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Rebuild(const AnalysisSource& source, int32_t row);

    WaveformRecord record_;
    FrameSinkRegistration registration_{record_};
};
