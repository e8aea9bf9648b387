#include "capturewindows/CRecordingFrameCount.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <initializer_list>

namespace {

// Slider keys move by a twentieth of the range at most.
constexpr int kFramePageSteps = 20;
constexpr int kQualityPageStep = 10;
constexpr int kSliderMinimumWidth = 400;
constexpr int kFileNameSpacing = 12;

} // namespace

CRecordingFrameCount::CRecordingFrameCount(const RecordingCameraInfo& camera, const RecordingSettings& settings,
                                           const QString& path, QWidget* parent)
    : QDialog(parent),
      path_(path),
      settings_(settings),
      choices_(AvailableCompressionChoices())
{
    setWindowTitle(tr("Recording Setting"));
    frameBytes_ = RecordingFrameBytes(camera.width, camera.height, camera.colour);
    uncompressedLimit_ = UncompressedFrameLimit(frameBytes_);
    frameRateKnown_ = UsableFrameRate(camera.frameRate, framesPerSecond_);
    if (!frameRateKnown_)
        framesPerSecond_ = kFallbackSliderFrameRate;
    settings_.quality = ClampRecordingQuality(settings_.quality);
    settings_.retry = false;
    settings_.repeat = 1;
    const auto chosen = std::find_if(choices_.begin(), choices_.end(), [this](const CompressionChoice& choice) {
        return choice.compressor == settings_.compressor;
    });
    const int chosenIndex = chosen == choices_.end() ? 0 : static_cast<int>(chosen - choices_.begin());
    settings_.compressor = choices_[static_cast<std::size_t>(chosenIndex)].compressor;

    BuildWidgets();
    compression_->setCurrentIndex(chosenIndex);
    qualitySlider_->setValue(settings_.quality);
    frameSlider_->setRange(1, FrameSliderTop(settings_.compressor, framesPerSecond_, uncompressedLimit_));
    frameSlider_->setValue(static_cast<int>(std::min<std::uint32_t>(settings_.frames, INT_MAX)));

    connect(compression_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            settings_.compressor = choices_[static_cast<std::size_t>(index)].compressor;
        UpdateEstimates();
    });
    connect(qualitySlider_, &QSlider::valueChanged, this, [this](int value) {
        settings_.quality = value;
        UpdateEstimates();
    });
    connect(frameSlider_, &QSlider::valueChanged, this, [this] { UpdateEstimates(); });
    connect(retry_, &QCheckBox::toggled, this, [this] { UpdateRepeat(); });
    connect(repeat_, &QComboBox::currentIndexChanged, this, [this] { UpdateRepeat(); });
    continueAfterLoss_->setChecked(settings_.continueAfterLoss);
    connect(continueAfterLoss_, &QCheckBox::toggled, this,
            [this](bool checked) { settings_.continueAfterLoss = checked; });

    UpdateEstimates();
    UpdateRepeat();
}

void CRecordingFrameCount::BuildWidgets()
{
    compression_ = new QComboBox(this);
    for (const CompressionChoice& choice : choices_)
        compression_->addItem(choice.text);

    qualityLabel_ = new QLabel(this);
    qualitySlider_ = new QSlider(Qt::Horizontal, this);
    qualitySlider_->setRange(kMinRecordingQuality, kMaxRecordingQuality);
    qualitySlider_->setPageStep(kQualityPageStep);
    qualitySlider_->setMinimumWidth(kSliderMinimumWidth);
    frameLabel_ = new QLabel(this);
    frameSlider_ = new QSlider(Qt::Horizontal, this);
    frameSlider_->setMinimumWidth(kSliderMinimumWidth);

    fileSizeLabel_ = new QLabel(this);
    timeLabel_ = new QLabel(this);
    noteLabel_ = new QLabel(tr(" "), this);

    retry_ = new QCheckBox(tr("Retry"), this);
    repeat_ = new QComboBox(this);
    for (int count = 1; count <= kMaxRecordingRepeat; ++count)
        repeat_->addItem(QString::number(count));
    countLabel_ = new QLabel(tr("Count"), this);
    fileNameLabel_ = new QLabel(this);
    continueAfterLoss_ = new QCheckBox(tr("Continue after a lost camera"), this);
    continueAfterLoss_->setToolTip(
        tr("When the camera stops answering, its file is closed, and the recording goes on in the next "
           "numbered file once the camera is back. Otherwise the recording ends with the closed file."));

    auto* compressionRow = new QHBoxLayout;
    compressionRow->addWidget(new QLabel(tr("Compression Type"), this));
    compressionRow->addWidget(compression_, 1);

    // The repeat widgets keep their room while hidden, so that ticking
    // "Retry" does not move the rest of the dialog.
    for (QWidget* widget : std::initializer_list<QWidget*>{repeat_, countLabel_, fileNameLabel_}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    auto* repeatRow = new QHBoxLayout;
    repeatRow->addWidget(retry_);
    repeatRow->addWidget(repeat_);
    repeatRow->addWidget(countLabel_);
    repeatRow->addSpacing(kFileNameSpacing);
    repeatRow->addWidget(fileNameLabel_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(compressionRow);
    layout->addWidget(qualityLabel_);
    layout->addWidget(qualitySlider_);
    layout->addWidget(frameLabel_);
    layout->addWidget(frameSlider_);
    layout->addWidget(fileSizeLabel_);
    layout->addWidget(timeLabel_);
    layout->addWidget(noteLabel_);
    layout->addLayout(repeatRow);
    layout->addWidget(continueAfterLoss_);
    layout->addWidget(buttons);
}

void CRecordingFrameCount::UpdateEstimates()
{
    const bool usesQuality = CompressorUsesQuality(settings_.compressor);
    qualitySlider_->setEnabled(usesQuality);
    qualityLabel_->setEnabled(usesQuality);

    const int top = FrameSliderTop(settings_.compressor, framesPerSecond_, uncompressedLimit_);
    {
        const QSignalBlocker blocker(frameSlider_);
        frameSlider_->setRange(1, top);
        frameSlider_->setPageStep(std::max(1, top / kFramePageSteps));
    }
    settings_.frames = static_cast<std::uint32_t>(frameSlider_->value());

    qualityLabel_->setText(QualityLabelText(qualitySlider_->value()));
    frameLabel_->setText(FrameCountLabelText(settings_.frames));
    fileSizeLabel_->setText(
        FileSizeLabelText(EstimatedFileKBytes(settings_.compressor, frameBytes_, settings_.frames, settings_.quality)));
    const double seconds = frameRateKnown_ ? double(settings_.frames) / double(framesPerSecond_) : -1.0;
    timeLabel_->setText(RecordingTimeLabelText(seconds));
}

void CRecordingFrameCount::UpdateRepeat()
{
    settings_.retry = retry_->isChecked();
    settings_.repeat = repeat_->currentIndex() + 1;
    repeat_->setVisible(settings_.retry);
    countLabel_->setVisible(settings_.retry);
    fileNameLabel_->setVisible(settings_.retry);
    fileNameLabel_->setText(RecordingFileNameLabel(path_, settings_.repeat));
}
