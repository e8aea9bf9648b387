#include "controls/DeepViewControls.h"

#include "camera/DisplaySettings.h"
#include "camera/PixelFormats.h"
#include "controls/SettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <array>

namespace {

constexpr int kAutoPointsIntervalMs = 250;
constexpr int kDisplayBits = 8;

const std::array<const char*, 3> kModeItems = {
    QT_TRANSLATE_NOOP("DeepViewControls", "Top 8 bits"),
    QT_TRANSLATE_NOOP("DeepViewControls", "Window/level"),
    QT_TRANSLATE_NOOP("DeepViewControls", "Bit shift"),
};

QSpinBox* NewSpin(QWidget& page, const char* name)
{
    auto* spin = new QSpinBox(&page);
    spin->setObjectName(QLatin1String(name));
    spin->setFixedWidth(SettingsPage::kEditWidth);
    return spin;
}

} // namespace

DeepViewControls::DeepViewControls(QWidget& page, QGridLayout& grid, int firstRow)
    : QObject(&page),
      modeLabel_(new QLabel(tr("Grey beyond 8 bits"), &page)),
      mode_(new QComboBox(&page)),
      windowLabel_(new QLabel(tr("Black/white point"), &page)),
      black_(NewSpin(page, "BlackPoint")),
      white_(NewSpin(page, "WhitePoint")),
      auto_(new QCheckBox(tr("Auto (0.1 %/99.9 %)"), &page)),
      shiftLabel_(new QLabel(tr("Bit shift"), &page)),
      shift_(NewSpin(page, "BitShift"))
{
    mode_->setObjectName(QStringLiteral("DeepView"));
    for (const char* item : kModeItems)
        mode_->addItem(tr(item));
    auto_->setObjectName(QStringLiteral("AutoLevels"));
    auto* window = new QHBoxLayout;
    window->addWidget(black_);
    window->addWidget(white_);
    window->addWidget(auto_);
    window->addStretch();
    const int label = SettingsPage::kLabelColumn;
    const int control = SettingsPage::kControlColumn;
    grid.addWidget(modeLabel_, firstRow, label);
    grid.addWidget(mode_, firstRow, control, Qt::AlignLeft);
    grid.addWidget(windowLabel_, firstRow + 1, label);
    grid.addLayout(window, firstRow + 1, control);
    grid.addWidget(shiftLabel_, firstRow + 2, label);
    grid.addWidget(shift_, firstRow + 2, control, Qt::AlignLeft);

    connect(mode_, &QComboBox::activated, this, &DeepViewControls::Store);
    connect(auto_, &QCheckBox::clicked, this, &DeepViewControls::Store);
    for (QSpinBox* spin : {black_, white_, shift_})
        connect(spin, &QSpinBox::valueChanged, this, &DeepViewControls::Store);
    autoPoints_.setInterval(kAutoPointsIntervalMs);
    connect(&autoPoints_, &QTimer::timeout, this, &DeepViewControls::ShowAutoPoints);
    ApplyEnablingRules();
}

void DeepViewControls::Show(DisplaySettings* settings, uint32_t pixelFormat)
{
    settings_ = settings;
    const int bits = GreySampleBits(pixelFormat);
    deep_ = settings && bits > kDisplayBits;
    if (settings) {
        const DeepView view = settings->LoadDeepView();
        const QSignalBlocker blockMode(mode_);
        const QSignalBlocker blockBlack(black_);
        const QSignalBlocker blockWhite(white_);
        const QSignalBlocker blockAuto(auto_);
        const QSignalBlocker blockShift(shift_);
        const int maxSample = deep_ ? (1 << bits) - 1 : DeepView::kMaxSample;
        black_->setRange(0, maxSample);
        white_->setRange(0, maxSample);
        shift_->setRange(0, deep_ ? bits - kDisplayBits : DeepView::kMaxBitShift);
        mode_->setCurrentIndex(view.mode);
        black_->setValue(view.blackPoint);
        white_->setValue(view.whitePoint);
        auto_->setChecked(view.autoLevels);
        shift_->setValue(view.bitShift);
        // Points beyond this camera's values (kept from a deeper one) would show it black.
        if (deep_ && (black_->value() != view.blackPoint || white_->value() != view.whitePoint ||
                      shift_->value() != view.bitShift)) {
            Store();
            return;
        }
    }
    ApplyEnablingRules();
}

void DeepViewControls::Store()
{
    if (settings_) {
        DeepView view;
        view.mode = mode_->currentIndex();
        view.blackPoint = black_->value();
        view.whitePoint = white_->value();
        view.autoLevels = auto_->isChecked();
        view.bitShift = shift_->value();
        settings_->StoreDeepView(view);
    }
    ApplyEnablingRules();
}

void DeepViewControls::ApplyEnablingRules()
{
    const int mode = mode_->currentIndex();
    const bool window = deep_ && mode == kDeepViewWindowLevel;
    modeLabel_->setEnabled(deep_);
    mode_->setEnabled(deep_);
    windowLabel_->setEnabled(window);
    auto_->setEnabled(window);
    black_->setEnabled(window && !auto_->isChecked());
    white_->setEnabled(window && !auto_->isChecked());
    shiftLabel_->setEnabled(deep_ && mode == kDeepViewBitShift);
    shift_->setEnabled(deep_ && mode == kDeepViewBitShift);
    if (window && auto_->isChecked())
        autoPoints_.start();
    else
        autoPoints_.stop();
}

void DeepViewControls::ShowAutoPoints()
{
    if (!settings_)
        return;
    const QSignalBlocker blockBlack(black_);
    const QSignalBlocker blockWhite(white_);
    black_->setValue(settings_->blackPoint.load());
    white_->setValue(settings_->whitePoint.load());
}
