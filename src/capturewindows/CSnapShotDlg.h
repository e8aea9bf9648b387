#pragma once

#include "capturewindows/SnapShotScrollWindow.h"

#include <QString>
class SnapShotImage;
class SnapShotList;

// One snapshot at full size in a top-level window of its own: scrollable,
// centred when smaller than the window, with the pixel under the pointer read
// out in the title and a context menu to save it. Made on first show and
// destroyed with its snapshot; closing it (close box, Enter, Escape) only
// hides it.
class CSnapShotDlg : public SnapShotScrollWindow {
    Q_OBJECT

public:
    CSnapShotDlg(SnapShotList& list, SnapShotImage& image, QWidget* parent = nullptr);

    // Sizes the window to the image within the work area, puts it in the
    // work area's bottom-left corner, shows and activates it.
    void ShowAndActivate();
    // "number : readout - saved path".
    void RefreshTitle();

    // Where the image's top-left corner lies in the client area's coordinates,
    // negated: the scroll position, or a negative offset that centres it.
    QPoint ViewOffset() const;

    std::unique_ptr<QMenu> CreateContextMenu() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    int WheelContentWidth() const override;
    int VerticalWheelStep() const override;

private:
    void UpdateScrollBars();
    void Place();
    QSize ImageSize() const;

    SnapShotList& list_;
    SnapShotImage& image_;
    QString readout_;
    // The pixel readout starts once the picture has been painted.
    bool painted_ = false;
    bool sized_ = false;
};
