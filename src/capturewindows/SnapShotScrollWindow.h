#pragma once

#include "capturewindows/SnapShotViewRules.h"

#include <QAbstractScrollArea>
#include <memory>

class QMenu;

// The common part of the thumbnail and snapshot windows: a top-level
// scrolling window without a frame, which closing (close box, Enter, Escape)
// only hides and which does not keep the application running. The wheel scrolls horizontally below the client's diagonal
// where the content is wider than the client, else vertically; releasing the
// right button pops up the context menu.
class SnapShotScrollWindow : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The context menu as it would pop up now.
    virtual std::unique_ptr<QMenu> CreateContextMenu() = 0;

protected:
    explicit SnapShotScrollWindow(QWidget* parent);

    // The width that the horizontal wheel rule compares with the client's.
    virtual int WheelContentWidth() const = 0;
    virtual int VerticalWheelStep() const = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    WheelNotches wheel_;
};
