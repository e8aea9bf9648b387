#include "optionboard/ImageProcessingPage.h"

#include "optionboard/OptionLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr char kContext[] = "ImageProcessingPage";
constexpr int kSliderMinimumWidth = 260;

// A slider with its "[%4d]" value text under a label in its group.
QSlider* AddSliderRow(QGroupBox& group, int maximum, QLabel*& label, QLabel*& valueText)
{
    auto* grid = new QGridLayout(&group);
    label = new QLabel(&group);
    auto* slider = new QSlider(Qt::Horizontal, &group);
    slider->setRange(0, maximum);
    slider->setMinimumWidth(kSliderMinimumWidth);
    valueText = new QLabel(&group);
    valueText->setFont(QFont(QStringLiteral("monospace")));
    grid->addWidget(label, 0, 0);
    grid->addWidget(slider, 0, 1);
    grid->addWidget(valueText, 0, 2);
    grid->setColumnStretch(1, 1);
    return slider;
}

void Place(QSlider& slider, QLabel& text, int value)
{
    const QSignalBlocker blocker(slider);
    slider.setValue(value);
    text.setText(QString::asprintf("[%4d]", value));
}

} // namespace

ImageProcessingPage::ImageProcessingPage(OptionState& state, QWidget* parent)
    : SettingsPage(QT_TRANSLATE_NOOP("ImageProcessingPage", "Image processing"), parent),
      state_(state)
{
    auto* topGrid = new QGridLayout;
    mode_ = AddOptionListRow(*topGrid, 0, modeLabel_, this);
    splitScreen_ = AddOptionListRow(*topGrid, 1, splitScreenLabel_, this);
    topGrid->setColumnStretch(2, 1);

    binarizeGroup_ = new QGroupBox(this);
    threshold_ = AddSliderRow(*binarizeGroup_, kThresholdMax, thresholdLabel_, thresholdText_);
    edgeGroup_ = new QGroupBox(this);
    edgeLevel_ = AddSliderRow(*edgeGroup_, kEdgeLevelMax, edgeLevelLabel_, edgeLevelText_);

    frameMemoryGroup_ = new QGroupBox(this);
    auto* frameGrid = new QGridLayout(frameMemoryGroup_);
    stillImage_ = AddOptionListRow(*frameGrid, 0, stillImageLabel_, frameMemoryGroup_);
    zoom_ = AddOptionListRow(*frameGrid, 1, zoomLabel_, frameMemoryGroup_);
    frameGrid->setColumnStretch(2, 1);

    outputGroup_ = new QGroupBox(this);
    auto* outputRow = new QHBoxLayout(outputGroup_);
    for (int pin = 0; pin < kOptionOutputCount; ++pin) {
        outputControl_[pin] = new QCheckBox(outputGroup_);
        outputRow->addWidget(outputControl_[pin]);
    }
    outputRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topGrid);
    layout->addWidget(binarizeGroup_);
    layout->addWidget(edgeGroup_);
    layout->addWidget(frameMemoryGroup_);
    layout->addWidget(outputGroup_);
    layout->addStretch();

    connect(mode_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change([index](OptionState& s) { s.processingMode = static_cast<uint8_t>(index); },
               &OptionBoardLink::WriteImageProcessing);
    });
    connect(splitScreen_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change([index](OptionState& s) { s.splitScreen = static_cast<uint8_t>(index); },
               &OptionBoardLink::WriteImageProcessing);
    });
    // Every position while dragging is written, as the board follows live.
    connect(threshold_, &QSlider::valueChanged, this, [this](int value) {
        Change([value](OptionState& s) { s.binarizeThreshold = static_cast<uint16_t>(value); },
               &OptionBoardLink::WriteImageProcessing);
    });
    connect(edgeLevel_, &QSlider::valueChanged, this, [this](int value) {
        Change([value](OptionState& s) { s.edgeLevel = static_cast<uint8_t>(value); },
               &OptionBoardLink::WriteImageProcessing);
    });
    connect(stillImage_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change([index](OptionState& s) { s.stillImage = static_cast<uint8_t>(index); },
               &OptionBoardLink::WriteFrameMemory);
    });
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change([index](OptionState& s) { s.zoomSlideShow = static_cast<uint8_t>(index); },
               &OptionBoardLink::WriteFrameMemory);
    });
    for (int pin = 0; pin < kOptionOutputCount; ++pin) {
        connect(outputControl_[pin], &QCheckBox::toggled, this, [this, pin](bool on) {
            Change([pin, on](OptionState& s) { s.outputControl[pin] = on ? 1 : 0; },
                   &OptionBoardLink::WriteOutputControl);
        });
    }
}

void ImageProcessingPage::InitControls()
{
    modeLabel_->setText(tr("Image processing mode"));
    splitScreenLabel_->setText(tr("Split screen function"));
    binarizeGroup_->setTitle(tr("Binarize setting"));
    thresholdLabel_->setText(tr("Binarize threshold"));
    edgeGroup_->setTitle(tr("Edge detection setting"));
    edgeLevelLabel_->setText(tr("Edge detection level"));
    frameMemoryGroup_->setTitle(tr("Frame memory function setting"));
    stillImageLabel_->setText(tr("Still image mode"));
    zoomLabel_->setText(tr("4x zoom and slide show"));
    outputGroup_->setTitle(tr("Output control"));
    for (int pin = 0; pin < kOptionOutputCount; ++pin)
        outputControl_[pin]->setText(OptionOutputName(pin));

    FillOptionList(*mode_, kContext,
                   {QT_TRANSLATE_NOOP("ImageProcessingPage", "No image processing"),
                    QT_TRANSLATE_NOOP("ImageProcessingPage", "Binarize"),
                    QT_TRANSLATE_NOOP("ImageProcessingPage", "Edge detection"),
                    QT_TRANSLATE_NOOP("ImageProcessingPage", "Frame memory function")});
    const std::vector<const char*> offOn = {QT_TRANSLATE_NOOP("ImageProcessingPage", "OFF"),
                                            QT_TRANSLATE_NOOP("ImageProcessingPage", "ON")};
    FillOptionList(*splitScreen_, kContext, offOn);
    FillOptionList(*zoom_, kContext, offOn);
    FillOptionList(*stillImage_, kContext,
                   {QT_TRANSLATE_NOOP("ImageProcessingPage", "OFF(Live image)"),
                    QT_TRANSLATE_NOOP("ImageProcessingPage", "ON(Still image)")});
}

void ImageProcessingPage::RefreshFromCamera()
{
    SelectOption(*mode_, state_.processingMode);
    SelectOption(*splitScreen_, state_.splitScreen);
    Place(*threshold_, *thresholdText_, state_.binarizeThreshold);
    Place(*edgeLevel_, *edgeLevelText_, state_.edgeLevel);
    SelectOption(*stillImage_, state_.stillImage);
    SelectOption(*zoom_, state_.zoomSlideShow);
    for (int pin = 0; pin < kOptionOutputCount; ++pin) {
        const QSignalBlocker blocker(outputControl_[pin]);
        outputControl_[pin]->setChecked(state_.outputControl[pin] != 0);
    }

    const bool available = ImageProcessingAvailable(Camera() != nullptr, state_);
    for (QWidget* widget : findChildren<QWidget*>())
        widget->setEnabled(available);
}

void ImageProcessingPage::Change(const std::function<void(OptionState&)>& edit, OptionBoardLink::Write write)
{
    ChangeOptionState(Camera(), state_, edit, write);
    // A failed write shows the value the board still has.
    RefreshFromCamera();
}
