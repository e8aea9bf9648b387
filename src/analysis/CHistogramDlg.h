#pragma once

#include "analysis/AnalysisSource.h"
#include "analysis/HistogramArea.h"
#include "analysis/HistogramRecord.h"
#include "camera/RepaintTarget.h"

#include <QDialog>
#include <QImage>

class QActionGroup;

// The "Histogram" window: the distribution of sample values inside an area of
// the live image, one curve per colour channel. The acquisition thread
// recounts the area into the window's record and asks for a repaint; the main
// window passes the preview's mouse events on to move and size the area.
//
// The record is a sink of the camera the window was last opened for, from
// Open until the window is destroyed.
class CHistogramDlg : public QDialog, public RepaintTarget {
    Q_OBJECT

public:
    explicit CHistogramDlg(QWidget* parent = nullptr);
    ~CHistogramDlg() override;

    HistogramRecord* Record() { return &record_; }

    // The Histogram command: refreshes the record for the camera's current
    // format with cleared counts and the middle half of the image as area,
    // sizes the window, shows it and marks it active.
    void Open(const AnalysisSource& source);
    // After a format change while the window is open: refreshes the record
    // for the new format, keeping the area when it still fits the image.
    // Does nothing while the window is closed.
    void Reformat(const AnalysisSource& source);
    bool IsActive() const { return record_.active; }

    HistogramArea Area();
    double StretchFactor() const { return stretch_; }

    // Mouse over the preview in image coordinates, while this window is
    // active and the waveform window is not (the main window routes). A press
    // on a corner or inside the area starts a drag; a move drags, or reports
    // what a press would grab; the release ends the drag. The move gives the
    // cursor the preview shows.
    void PreviewButtonDown(QPoint imagePoint);
    Qt::CursorShape PreviewMouseMove(QPoint imagePoint);
    void PreviewButtonUp(QPoint imagePoint);

    // Called by the acquisition thread: queues a repaint.
    void RequestRepaint() override;

signals:
    // The window closed by OK, Cancel or its close box.
    void closed();

protected:
    void done(int result) override;

private:
    class Plot;

    void Refresh(const AnalysisSource& source, bool keepArea);
    void SetStretch(double factor);
    // Paints the next picture; it replaces the last one only when the area
    // gives a full scale above 0. Then the last picture is shown.
    void PaintPlot(QPainter& target, QSize client);

    HistogramRecord record_;
    FrameSinkRegistration registration_{record_};
    Plot* plot_ = nullptr;
    QActionGroup* stretchItems_ = nullptr;
    double stretch_ = 1.0;
    AreaDrag dragMode_ = AreaDrag::None;
    bool dragging_ = false;
    QPoint lastPoint_;
    QImage picture_;
};
