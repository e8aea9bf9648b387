#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CSnapShotDlg;

// The camera's frame behind a snapshot, as it came: what a 16-bit save is
// made from, mirrored as the converted image was.
struct SnapShotRawFrame {
    uint32_t pixelFormat = 0;
    int mirror = 0;
    std::vector<uint8_t> bytes;
};

// One frozen frame: an owned copy of the converted image (8-bit grey, or
// 24-bit colour in blue, green, red byte order; rows top to bottom, packed),
// its number, its selection and the path it was last saved to. An empty path
// marks it as unsaved. Its snapshot window is made on first show and destroyed
// with it.
class SnapShotImage {
    Q_DECLARE_TR_FUNCTIONS(SnapShotImage)

public:
    // Whether an image of that size can be held: not empty, and rows and
    // height within what the display image addresses.
    static bool CanHold(uint32_t width, uint32_t height, bool colour);
    // Copies the pixels. Null when the pixels are missing, the size cannot be
    // held or the copy cannot be allocated.
    static std::unique_ptr<SnapShotImage> Create(uint32_t number, uint32_t width, uint32_t height, bool colour,
                                                 const uint8_t* pixels);
    ~SnapShotImage();
    SnapShotImage(const SnapShotImage&) = delete;
    SnapShotImage& operator=(const SnapShotImage&) = delete;

    uint32_t Number() const { return number_; }
    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    bool IsColour() const { return colour_; }
    // The writer format code SaveImageFile takes.
    int FormatCode() const;
    int BytesPerPixel() const { return colour_ ? 3 : 1; }
    size_t RowLength() const { return static_cast<size_t>(width_) * static_cast<size_t>(BytesPerPixel()); }
    size_t ImageSize() const { return RowLength() * height_; }
    const uint8_t* Pixels() const { return pixels_.get(); }
    // The pixels as an image that paints without a copy of its own.
    const QImage& DisplayImage() const { return displayImage_; }

    // The raw frame, null when none was kept.
    const SnapShotRawFrame* RawFrame() const { return raw_.get(); }
    void SetRawFrame(std::unique_ptr<SnapShotRawFrame> raw) { raw_ = std::move(raw); }
    // Whether the raw frame has samples of more than 8 bits to save.
    bool HasDeepSamples() const;
    bool IsBayer() const;

    const QString& SavedPath() const { return savedPath_; }
    bool IsSaved() const { return !savedPath_.isEmpty(); }
    // Records a successful save and shows the path in the window's title.
    void SetSavedPath(const QString& path);

    bool IsSelected() const { return selected_; }
    void SetSelected(bool selected) { selected_ = selected; }

    // "(x,y) = (%d,%d)/(R,G,B)=(%d,%d,%d)" for the pixel at (x, y), clamped
    // into the image. Grey pixels give their value as R, G and B; grey pixels
    // of more than 8 bits give the camera's value instead:
    // "(x,y) = (%d,%d)/Value=%d (%d bits)".
    QString PixelReadout(int x, int y) const;

    // The snapshot window, null until first shown.
    CSnapShotDlg* Window() const { return window_.get(); }
    void SetWindow(std::unique_ptr<CSnapShotDlg> window);

private:
    SnapShotImage(uint32_t number, uint32_t width, uint32_t height, bool colour, std::unique_ptr<uint8_t[]> pixels);

    uint32_t number_;
    uint32_t width_;
    uint32_t height_;
    bool colour_;
    std::unique_ptr<uint8_t[]> pixels_;
    QImage displayImage_;
    std::unique_ptr<SnapShotRawFrame> raw_;
    QString savedPath_;
    bool selected_ = false;
    std::unique_ptr<CSnapShotDlg> window_;
};

// The snapshot window's title: "%u : %s - %s" with the number, the pixel
// readout and the saved path.
QString SnapShotWindowTitle(uint32_t number, const QString& readout, const QString& savedPath);
