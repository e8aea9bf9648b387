#pragma once

#include "display/LxImgDisplay.h"
#include "sdk/SdkResult.h"

#include <QDialog>
#include <QMargins>

class NoticeBar;
class QLabel;
class QWidget;

// The window that shows the second, third or fourth camera: a modeless
// "Preview" dialog whose display window fills its client area.
class CPreview : public QDialog {
    Q_OBJECT

public:
    // Grey around the image, which tells preview windows from the main window.
    static constexpr uint8_t kBackgroundGrey = 160;

    explicit CPreview(QWidget* parent = nullptr);
    // Destroys the display window with the dialog.
    ~CPreview() override;

    // Creates the display window over the client area; the display keeps it.
    // The result is the display window's: OK, or "Generic Error" when it has
    // no OpenGL.
    SdkResult CreateDisplayWindow(int controlId);
    // The display target for the camera's acquisition thread.
    LxImgDisplay& Display() { return display_; }

    // Sizes the window so that its client area shows the whole image at the
    // zoom index, its frame kept inside the screen's work area; until the
    // window manager has framed the window, unframedMargins stand for its
    // frame. Zoom index 0 (fit) changes nothing and gives false.
    bool FitWindowToImage(int zoomIndex, int width, int height, const QMargins& unframedMargins = {});
    // The client area that shows an image of imageSize whole at x1 zoom.
    QSize ClientSizeFor(const QSize& imageSize) const;

    // The line under the image: a text (the camera's stream statistics) and
    // a "Features..." button. Hidden until first set; showing it makes the
    // window taller by its height.
    void SetStatusLine(const QString& text);
    QString StatusLine() const;
    // The strip above the image with news of the camera; showing it makes
    // the window taller by its height, as the status line does.
    NoticeBar* Notice() const { return notice_; }

signals:
    // The line's "Features..." button was clicked.
    void featuresRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The height the status line takes from the client area (0 while hidden).
    int StatusLineHeight() const;
    void PlaceChildren(QSize client);
    // Grows or shrinks the window by the notice's change of height.
    void FollowNotice();

    LxImgDisplay display_;
    QWidget* statusLine_ = nullptr;
    QLabel* statusText_ = nullptr;
    NoticeBar* notice_ = nullptr;
    int noticeHeight_ = 0;
    // How much the window grew for the strip (less than its height at the screen's bottom).
    int grownForNotice_ = 0;
};
