#include "controls/ShutterControls.h"

#include "camerasettings/EnumFeatures.h"
#include "controls/EnumComboBinding.h"
#include "controls/IntSliderBinding.h"
#include "controls/SettingsPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace {

struct ShutterPreset {
    const char* text;
    int32_t exposureUs;
};

constexpr std::array<ShutterPreset, 6> kPresets = {{
    {QT_TRANSLATE_NOOP("ShutterControls", "1/120"), 8333},
    {QT_TRANSLATE_NOOP("ShutterControls", "1/100"), 10000},
    {QT_TRANSLATE_NOOP("ShutterControls", "1/60"), 16666},
    {QT_TRANSLATE_NOOP("ShutterControls", "1/50"), 20000},
    {QT_TRANSLATE_NOOP("ShutterControls", "1/30"), 33333},
    {QT_TRANSLATE_NOOP("ShutterControls", "1/25"), 40000},
}};

const char* const kExposureModeOff = "Off";
constexpr int kPresetButtonWidth = 52;

} // namespace

ShutterControls::ShutterControls(SettingsPage& page, QGridLayout& grid, int row, const FeatureRow& exposure,
                                 EnumComboBinding& exposureMode)
    : QObject(&page),
      page_(page),
      exposureMode_(exposureMode)
{
    exposure_ = page.AddIntSlider(grid, row, exposure);
    auto* unit = new QLabel(tr("[uSec]"), &page);
    auto* note = new QLabel(tr("[0:Default]"), &page);
    grid.addWidget(unit, row, SettingsPage::kUnitColumn);
    grid.addWidget(note, row, SettingsPage::kExtraColumn);
    exposure_->AddCompanion(unit);
    exposure_->AddCompanion(note);

    auto* presets = new QHBoxLayout;
    presets->setSpacing(2);
    for (const ShutterPreset& preset : kPresets) {
        auto* button = new QPushButton(tr(preset.text), &page);
        button->setFixedWidth(kPresetButtonWidth);
        presets->addWidget(button);
        exposure_->AddCompanion(button);
        const int32_t exposureUs = preset.exposureUs;
        connect(button, &QPushButton::clicked, this, [this, exposureUs] { exposure_->WriteClamped(exposureUs); });
    }
    auto* reset = new QPushButton(tr("RESET"), &page);
    presets->addWidget(reset);
    presets->addStretch();
    exposure_->AddCompanion(reset);
    connect(reset, &QPushButton::clicked, this, &ShutterControls::Reset);
    grid.addLayout(presets, row + 1, SettingsPage::kControlColumn, 1, SettingsPage::kExtraColumn);
}

void ShutterControls::Reset()
{
    SdkGenParameterArray* features = page_.Features();
    if (HasEnumEntry(features, exposureMode_.Feature(), kExposureModeOff)) {
        WriteEnumEntry(features, exposureMode_.Feature(), kExposureModeOff);
        exposureMode_.Show();
        exposure_->Show();
        emit exposureModeReset();
    } else {
        exposure_->WriteClamped(0);
    }
}
