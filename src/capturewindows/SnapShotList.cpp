#include "capturewindows/SnapShotList.h"

#include "capture/DeepStill.h"
#include "capture/SaveImageFile.h"
#include "capturewindows/CSnapShotDlg.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

constexpr uint64_t kManyPixels = 1'000'000;
constexpr int kLargeFrameZoom = 3;
// Thumbnails larger than this on a side are drawn at this size.
constexpr int64_t kMaxThumbnailSide = 1 << 18;

const QColor kSelectionColour(0, 0, 255);
const QColor kUnsavedNumberColour(255, 0, 0);
const QColor kSavedNumberColour(0, 0, 0);

int ScaleSide(uint32_t side, int zoom)
{
    const int64_t scaled = zoom >= 0 ? int64_t{side} >> zoom : int64_t{side} << -zoom;
    return static_cast<int>(std::min(scaled, kMaxThumbnailSide));
}

int Bounded(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, 0, INT_MAX));
}

// Each filter with the extension a name without one gets.
struct SaveFilter {
    const char* name;
    const char* suffix;
};

constexpr SaveFilter kSaveFilters[] = {
    {QT_TRANSLATE_NOOP("SnapShotList", "Bitmap(*.bmp)"), "bmp"},
    {QT_TRANSLATE_NOOP("SnapShotList", "TIFF(*.tif)"), "tif"},
    {QT_TRANSLATE_NOOP("SnapShotList", "JPEG(*.jpg)"), "jpg"},
    {QT_TRANSLATE_NOOP("SnapShotList", "PNG(*.png)"), "png"},
    {QT_TRANSLATE_NOOP("SnapShotList", "All Files(*.*)"), "bmp"},
};

// The bit depth row under the file dialog's own widgets, with a note that
// BMP and JPEG keep 8 bits. The dialog is Qt's own, which takes extra rows.
QComboBox* AddDepthChoice(QFileDialog& dialog, SnapShotList::SaveDepth depth, const SnapShotImage* image)
{
    using SaveDepth = SnapShotList::SaveDepth;
    auto* grid =
        qobject_cast<QGridLayout*>((dialog.setOption(QFileDialog::DontUseNativeDialog, true), dialog.layout()));
    if (!grid)
        return nullptr;
    auto* box = new QComboBox(&dialog);
    box->setObjectName(QStringLiteral("depthChoice"));
    box->addItem(SnapShotList::tr("8 bits, as shown"), int(SaveDepth::Eight));
    const bool deep = image && image->HasDeepSamples();
    if (deep) {
        box->addItem(image->IsBayer() ? SnapShotList::tr("16 bits, demosaicked colour")
                                      : SnapShotList::tr("16 bits, the camera's values"),
                     int(SaveDepth::Sixteen));
        if (image->IsBayer())
            box->addItem(SnapShotList::tr("16 bits, raw Bayer mosaic"), int(SaveDepth::SixteenRawBayer));
    }
    box->setEnabled(deep);
    box->setCurrentIndex(std::max(0, box->findData(int(depth))));
    auto* note = new QLabel(&dialog);
    note->setObjectName(QStringLiteral("depthNote"));
    const auto updateNote = [&dialog, box, note] {
        const QString filter = dialog.selectedNameFilter();
        const bool eightOnly = filter.contains(QLatin1String("bmp")) || filter.contains(QLatin1String("jpg"));
        note->setText(box->currentIndex() > 0 && eightOnly
                          ? SnapShotList::tr("BMP and JPEG hold 8 bits only: this file is saved at 8 bits.")
                          : QString());
    };
    QObject::connect(box, &QComboBox::currentIndexChanged, note, updateNote);
    QObject::connect(&dialog, &QFileDialog::filterSelected, note, updateNote);
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(SnapShotList::tr("Bit depth:"), &dialog), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(note, row + 1, 1);
    updateNote();
    return box;
}

} // namespace

SnapShotList::SnapShotList(int border, int zoom)
    : border_(border),
      zoom_(std::clamp(zoom, kMinZoom, kMaxZoom)),
      chooser_(StandardSaveChooser(&depth_, &saving_))
{
}

SnapShotList::~SnapShotList() = default;

int SnapShotList::Add(uint32_t width, uint32_t height, bool colour, const uint8_t* pixels,
                      std::unique_ptr<SnapShotRawFrame> raw)
{
    if (pixels == nullptr || !SnapShotImage::CanHold(width, height, colour))
        return EINVAL;
    Lock lock(mutex_);
    std::unique_ptr<SnapShotImage> image = SnapShotImage::Create(nextNumber_, width, height, colour, pixels);
    if (!image)
        return ENOMEM;
    image->SetRawFrame(std::move(raw));
    ++nextNumber_;
    image->SetSelected(images_.empty());
    images_.push_back(std::move(image));
    Changed();
    return 0;
}

int SnapShotList::Count() const
{
    Lock lock(mutex_);
    return static_cast<int>(images_.size());
}

int SnapShotList::CountUnsaved() const
{
    Lock lock(mutex_);
    return static_cast<int>(
        std::count_if(images_.begin(), images_.end(), [](const auto& image) { return !image->IsSaved(); }));
}

void SnapShotList::Delete(bool all)
{
    Lock lock(mutex_);
    std::erase_if(images_, [all](const auto& image) { return all || image->IsSelected(); });
    ClampScrollPosition();
    Changed();
}

void SnapShotList::ShowSelected()
{
    Lock lock(mutex_);
    for (const auto& image : images_) {
        if (!image->IsSelected())
            continue;
        if (!image->Window())
            image->SetWindow(std::make_unique<CSnapShotDlg>(*this, *image));
        image->Window()->ShowAndActivate();
    }
}

int SnapShotList::SaveSelected(QWidget* parent)
{
    Lock lock(mutex_);
    std::vector<uint32_t> selected;
    for (const auto& image : images_)
        if (image->IsSelected())
            selected.push_back(image->Number());
    for (uint32_t number : selected) {
        const int error = Save(number, parent);
        if (error != 0)
            return error;
    }
    return 0;
}

int SnapShotList::Save(uint32_t number, QWidget* parent)
{
    Lock lock(mutex_);
    if (!Find(number) || !chooser_)
        return 0;
    saving_ = Find(number);
    const QString path = chooser_(parent, QString::number(number));
    saving_ = nullptr;
    if (path.isEmpty())
        return 0;
    // The dialog ran an event loop: the snapshot may have been deleted.
    SnapShotImage* image = Find(number);
    if (!image)
        return 0;
    const std::string file = QFile::encodeName(path).toStdString();
    errno = 0;
    if (depth_ != SaveDepth::Eight && image->HasDeepSamples() && HoldsSixteenBits(file)) {
        const SnapShotRawFrame& raw = *image->RawFrame();
        DeepStill still;
        if (!MakeDeepStill(raw.pixelFormat, raw.bytes.data(), raw.bytes.size(), static_cast<int>(image->Width()),
                           static_cast<int>(image->Height()), raw.mirror, depth_ == SaveDepth::SixteenRawBayer, still))
            return ENOMEM;
        if (!SaveDeepStill(still, file))
            return errno != 0 ? errno : EIO;
    } else if (!SaveImageFile(image->Width(), image->Height(), image->FormatCode(), image->Pixels(), file)) {
        return errno != 0 ? errno : EIO;
    }
    image->SetSavedPath(path);
    Changed();
    return 0;
}

SnapShotList::SaveDepth SnapShotList::Depth() const
{
    Lock lock(mutex_);
    return depth_;
}

void SnapShotList::SetDepth(SaveDepth depth)
{
    Lock lock(mutex_);
    depth_ = depth;
}

void SnapShotList::SetSaveChooser(SaveChooser chooser)
{
    Lock lock(mutex_);
    chooser_ = std::move(chooser);
}

void SnapShotList::ShowSaveError(QWidget* parent, int error)
{
    if (error == 0)
        return;
    QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(),
                         QCoreApplication::translate("SnapShotList", "The image could not be saved: %1")
                             .arg(QString::fromLocal8Bit(std::strerror(error))));
}

SnapShotList::SaveChooser SnapShotList::StandardSaveChooser(SaveDepth* depth, const SnapShotImage** saving)
{
    return [depth, saving](QWidget* parent, const QString& defaultName) {
        QFileDialog dialog(parent);
        QComboBox* depthBox = nullptr;
        if (depth)
            depthBox = AddDepthChoice(dialog, *depth, saving ? *saving : nullptr);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        QStringList filters;
        for (const SaveFilter& filter : kSaveFilters)
            filters.append(tr(filter.name));
        dialog.setNameFilters(filters);
        dialog.setDefaultSuffix(QString::fromLatin1(kSaveFilters[0].suffix));
        // A name typed without extension takes the chosen filter's.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& chosen) {
            const qsizetype index = std::max<qsizetype>(filters.indexOf(chosen), 0);
            dialog.setDefaultSuffix(QString::fromLatin1(kSaveFilters[index].suffix));
        });
        dialog.selectFile(defaultName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        if (depthBox)
            *depth = static_cast<SaveDepth>(depthBox->currentData().toInt());
        return dialog.selectedFiles().constFirst();
    };
}

void SnapShotList::SetChangeListener(std::function<void()> listener)
{
    Lock lock(mutex_);
    changed_ = std::move(listener);
}

const SnapShotImage* SnapShotList::At(int index) const
{
    Lock lock(mutex_);
    if (index < 0 || index >= static_cast<int>(images_.size()))
        return nullptr;
    return images_[static_cast<size_t>(index)].get();
}

SnapShotImage* SnapShotList::Find(uint32_t number)
{
    Lock lock(mutex_);
    auto found =
        std::find_if(images_.begin(), images_.end(), [number](const auto& image) { return image->Number() == number; });
    return found == images_.end() ? nullptr : found->get();
}

const SnapShotImage* SnapShotList::Newest() const
{
    Lock lock(mutex_);
    return images_.empty() ? nullptr : images_.back().get();
}

void SnapShotList::SelectAt(QPoint client, bool control)
{
    Lock lock(mutex_);
    if (images_.empty())
        return;
    const int index = std::min(IndexAt(client), static_cast<int>(images_.size()) - 1);
    for (int i = 0; i < static_cast<int>(images_.size()); ++i) {
        SnapShotImage& image = *images_[static_cast<size_t>(i)];
        if (i == index)
            image.SetSelected(control ? !image.IsSelected() : true);
        else if (!control)
            image.SetSelected(false);
    }
}

int SnapShotList::IndexAt(QPoint client) const
{
    const QSize cell = CellSize();
    // A point right of the last column stays in its own row.
    const int column = std::clamp((client.x() + scrollPosition_.x()) / cell.width(), 0, Columns() - 1);
    const int row = std::max((client.y() + scrollPosition_.y()) / cell.height(), 0);
    return Bounded(int64_t{row} * Columns() + column);
}

int SnapShotList::DefaultZoomFor(uint32_t width, uint32_t height)
{
    return uint64_t{width} * height > kManyPixels ? kLargeFrameZoom : kDefaultZoom;
}

void SnapShotList::SetZoom(int zoom)
{
    Lock lock(mutex_);
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    ClampScrollPosition();
}

int SnapShotList::Zoom() const
{
    Lock lock(mutex_);
    return zoom_;
}

bool SnapShotList::ShowNumbers() const
{
    Lock lock(mutex_);
    return showNumbers_;
}

void SnapShotList::SetShowNumbers(bool show)
{
    Lock lock(mutex_);
    showNumbers_ = show;
}

void SnapShotList::SetClientSize(QSize size)
{
    Lock lock(mutex_);
    clientSize_ = size;
    ClampScrollPosition();
}

QSize SnapShotList::ClientSize() const
{
    Lock lock(mutex_);
    return clientSize_;
}

QSize SnapShotList::ScaledSize(const SnapShotImage& image) const
{
    return QSize(ScaleSide(image.Width(), zoom_), ScaleSide(image.Height(), zoom_));
}

QSize SnapShotList::LargestScaledSize() const
{
    QSize largest(0, 0);
    for (const auto& image : images_)
        largest = largest.expandedTo(ScaledSize(*image));
    return largest;
}

QSize SnapShotList::CellSize() const
{
    Lock lock(mutex_);
    const int margin = kGap + 2 * border_;
    return LargestScaledSize() + QSize(margin, margin);
}

int SnapShotList::Columns() const
{
    Lock lock(mutex_);
    return std::max(clientSize_.width() / CellSize().width(), 1);
}

int SnapShotList::Rows() const
{
    Lock lock(mutex_);
    const int columns = Columns();
    return (static_cast<int>(images_.size()) + columns - 1) / columns;
}

QSize SnapShotList::ContentSize() const
{
    Lock lock(mutex_);
    const QSize cell = CellSize();
    return QSize(Bounded(int64_t{Columns()} * cell.width()), Bounded(int64_t{Rows()} * cell.height()));
}

QPoint SnapShotList::MaxScrollPosition() const
{
    Lock lock(mutex_);
    const QSize content = ContentSize();
    return QPoint(std::max(content.width() - clientSize_.width(), 0),
                  std::max(content.height() - clientSize_.height(), 0));
}

void SnapShotList::SetScrollPosition(QPoint position)
{
    Lock lock(mutex_);
    scrollPosition_ = position;
    ClampScrollPosition();
}

QPoint SnapShotList::ScrollPosition() const
{
    Lock lock(mutex_);
    return scrollPosition_;
}

void SnapShotList::ClampScrollPosition()
{
    const QPoint max = MaxScrollPosition();
    scrollPosition_ = QPoint(std::clamp(scrollPosition_.x(), 0, max.x()), std::clamp(scrollPosition_.y(), 0, max.y()));
}

void SnapShotList::Changed()
{
    if (changed_)
        changed_();
}

void SnapShotList::Paint(QPainter& painter) const
{
    Lock lock(mutex_);
    const QRect client(QPoint(0, 0), clientSize_);
    painter.fillRect(client, Qt::white);
    if (images_.empty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QFont numberFont = painter.font();
    numberFont.setBold(true);
    painter.setFont(numberFont);

    const QSize cell = CellSize();
    const QSize largest = LargestScaledSize();
    const int columns = Columns();
    const QPoint inset(kGap + border_, kGap + border_);
    for (int i = 0; i < static_cast<int>(images_.size()); ++i) {
        const QPoint corner(i % columns * cell.width() - scrollPosition_.x(),
                            i / columns * cell.height() - scrollPosition_.y());
        if (!client.intersects(QRect(corner, cell)))
            continue;
        const SnapShotImage& image = *images_[static_cast<size_t>(i)];
        const QPoint origin = corner + inset;
        const QRect thumbnail(origin, ScaledSize(image));
        if (image.IsSelected())
            painter.fillRect(thumbnail.adjusted(-border_, -border_, border_, border_), kSelectionColour);
        painter.drawImage(thumbnail, image.DisplayImage());
        if (showNumbers_) {
            painter.setPen(image.IsSaved() ? kSavedNumberColour : kUnsavedNumberColour);
            painter.drawText(QRect(origin, largest), Qt::AlignBottom | Qt::AlignRight | Qt::TextSingleLine,
                             QString::number(image.Number()));
        }
    }
}
