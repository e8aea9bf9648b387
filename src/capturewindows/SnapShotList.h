#pragma once

#include "capturewindows/SnapShotImage.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QPainter;
class QWidget;

// The snapshots taken during this run, in order of capture, and the layout
// of their thumbnails: a grid of equal cells, each as large as the largest
// thumbnail plus a margin for the selection frame, as many columns as fit the
// thumbnail window. Every operation holds the list's recursive lock, so that
// the user interface thread may come back in while a save dialog is open.
class SnapShotList {
    Q_DECLARE_TR_FUNCTIONS(SnapShotList)

public:
    static constexpr int kDefaultBorder = 5;
    static constexpr int kGap = 0;
    // Thumbnails are scaled by 2^-zoom: 3 is x1/8, -3 is x8.
    static constexpr int kMinZoom = -3;
    static constexpr int kMaxZoom = 3;
    static constexpr int kDefaultZoom = 2;

    // Asks where to save one snapshot, offering defaultName; an empty answer
    // cancels.
    using SaveChooser = std::function<QString(QWidget* parent, const QString& defaultName)>;

    // The save dialog's bit depth: 8 bits as shown, or the camera's values in
    // 16 bits, a Bayer frame demosaicked or kept as its mosaic. Offered for
    // snapshots whose frame has more than 8 bits a sample; BMP and JPEG are
    // saved at 8 bits whatever is chosen.
    enum class SaveDepth { Eight, Sixteen, SixteenRawBayer };
    SaveDepth Depth() const;
    void SetDepth(SaveDepth depth);

    SnapShotList(int border = kDefaultBorder, int zoom = kDefaultZoom);
    ~SnapShotList();
    SnapShotList(const SnapShotList&) = delete;
    SnapShotList& operator=(const SnapShotList&) = delete;

    // Copies the image in as the newest snapshot with the next number. Into
    // an empty list it comes selected. 0, or ENOMEM or EINVAL when nothing
    // was added.
    int Add(uint32_t width, uint32_t height, bool colour, const uint8_t* pixels,
            std::unique_ptr<SnapShotRawFrame> raw = nullptr);
    int Count() const;
    int CountUnsaved() const;
    // Every selected snapshot, or every snapshot, with its window. Asks nothing.
    void Delete(bool all);
    // Opens or raises the window of every selected snapshot.
    void ShowSelected();
    // Runs the save dialog for each selected snapshot in list order; a
    // cancelled one is skipped. Stops at the first failed write and gives its
    // error, else 0.
    int SaveSelected(QWidget* parent);
    // The save dialog for one snapshot: 0 when saved or cancelled (or the
    // snapshot went meanwhile), else the write's error.
    int Save(uint32_t number, QWidget* parent);
    void SetSaveChooser(SaveChooser chooser);
    // The standard save-as dialog with the still image filters.
    // With the bit depth choice when depth is given; the snapshot it saves
    // says what can be offered.
    static SaveChooser StandardSaveChooser(SaveDepth* depth = nullptr, const SnapShotImage** saving = nullptr);
    // Shows a failed save's error (an errno value) with the system's text in
    // a message box; nothing for 0.
    static void ShowSaveError(QWidget* parent, int error);

    // Called after snapshots were added, deleted or saved.
    void SetChangeListener(std::function<void()> listener);

    // Snapshots by position in capture order or by number; null when absent.
    const SnapShotImage* At(int index) const;
    SnapShotImage* Find(uint32_t number);
    const SnapShotImage* Newest() const;

    // Selection by a left click at a client point: the cell under it, or the
    // last snapshot for a point past the last one. With control the cell's
    // selection toggles and the others keep theirs.
    void SelectAt(QPoint client, bool control);

    // The zoom chosen for the first snapshot of a run: x1/8 for frames of
    // more than a million pixels, else x1/4.
    static int DefaultZoomFor(uint32_t width, uint32_t height);
    void SetZoom(int zoom);
    int Zoom() const;
    bool ShowNumbers() const;
    void SetShowNumbers(bool show);
    int Border() const { return border_; }

    // Layout, for the thumbnail window's client size.
    void SetClientSize(QSize size);
    QSize ClientSize() const;
    QSize CellSize() const;
    int Columns() const;
    int Rows() const;
    // Columns × cell width by rows × cell height.
    QSize ContentSize() const;
    // Kept within 0 … content − client in each direction.
    void SetScrollPosition(QPoint position);
    QPoint ScrollPosition() const;
    QPoint MaxScrollPosition() const;

    // Paints the client area: white, then the visible thumbnails with their
    // selection frames and numbers (red while unsaved, black once saved).
    void Paint(QPainter& painter) const;

private:
    using Lock = std::lock_guard<std::recursive_mutex>;

    QSize ScaledSize(const SnapShotImage& image) const;
    QSize LargestScaledSize() const;
    int IndexAt(QPoint client) const;
    void ClampScrollPosition();
    void Changed();

    mutable std::recursive_mutex mutex_;
    std::vector<std::unique_ptr<SnapShotImage>> images_;
    uint32_t nextNumber_ = 1;
    bool showNumbers_ = true;
    int border_;
    int zoom_;
    QSize clientSize_{0, 0};
    QPoint scrollPosition_{0, 0};
    SaveChooser chooser_;
    SaveDepth depth_ = SaveDepth::Eight;
    // The snapshot the save dialog is open for.
    const SnapShotImage* saving_ = nullptr;
    std::function<void()> changed_;
};
