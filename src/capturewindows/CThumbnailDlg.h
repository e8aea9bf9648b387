#pragma once

#include "capturewindows/SnapShotScrollWindow.h"
class SnapShotList;

// The thumbnail window: every snapshot of the list as a thumbnail in a
// scrollable grid, with selection by click, keys, wheel scrolling and a
// context menu to show, save and delete snapshots and to change the
// thumbnail size. A top-level window made once with the main window;
// closing it (close box, Enter, Escape) only hides it. The list must outlive it.
class CThumbnailDlg : public SnapShotScrollWindow {
    Q_OBJECT

public:
    explicit CThumbnailDlg(SnapShotList& list, QWidget* parent = nullptr);
    ~CThumbnailDlg() override;

    // After a successful snapshot. The first time in this window's life it
    // picks the thumbnail size for the frame and places the window at the
    // right of the work area beside mainWindow (null: against the right
    // edge). Then it shows and raises the window, scrolled to the newest
    // snapshot.
    void SnapShotTaken(const QWidget* mainWindow);
    // Layout, scroll bars and picture after the list changed.
    void Refresh();

    std::unique_ptr<QMenu> CreateContextMenu() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    int WheelContentWidth() const override;
    int VerticalWheelStep() const override;

private:
    void UpdateScrollBars();
    void PageStepTaken(Qt::Orientation orientation, int action);
    void Place(const QWidget* mainWindow);

    SnapShotList& list_;
    bool placed_ = false;
};
