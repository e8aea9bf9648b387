#include "controls/SettingsPage.h"

#include "camera/CameraConnection.h"
#include "controls/ControlHost.h"
#include "controls/FloatEditBinding.h"
#include "controls/IntSliderBinding.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <thread>
#include <utility>

namespace {

// The pause between a change made with the preview stopped and its restart.
constexpr std::chrono::milliseconds kRestartPause(10);
constexpr int kSliderMinimumWidth = 220;
constexpr int kComboMinimumWidth = 120;

QLineEdit* NewEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setFixedWidth(SettingsPage::kEditWidth);
    return edit;
}

// A label and, beside it, a combo that takes the width of its items.
std::pair<QLabel*, QComboBox*> AddComboRow(QWidget& page, QGridLayout& grid, int row, int column,
                                           const FeatureRow& feature)
{
    auto* label = new QLabel(&page);
    auto* combo = new QComboBox(&page);
    combo->setObjectName(QString::fromLatin1(feature.feature));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumWidth(kComboMinimumWidth);
    grid.addWidget(label, row, column);
    grid.addWidget(combo, row, column + 1, Qt::AlignLeft);
    return {label, combo};
}

} // namespace

SettingsPage::SettingsPage(const char* caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

SettingsPage::~SettingsPage() = default;

QString SettingsPage::Caption() const
{
    return Translate(caption_);
}

CameraConnection* SettingsPage::Camera() const
{
    return host_ ? host_->ControlCamera() : nullptr;
}

SdkGenParameterArray* SettingsPage::Features() const
{
    CameraConnection* camera = Camera();
    return camera ? camera->Features() : nullptr;
}

QString SettingsPage::Translate(const char* text) const
{
    return QCoreApplication::translate(metaObject()->className(), text);
}

int32_t SettingsPage::Remembered(const std::string& feature) const
{
    for (const FeatureBinding* binding : findChildren<FeatureBinding*>(Qt::FindDirectChildrenOnly)) {
        if (binding->Feature() == feature)
            return binding->Remembered();
    }
    return -1;
}

double SettingsPage::RememberedFloat(const std::string& feature) const
{
    for (const FloatEditBinding* binding : findChildren<FloatEditBinding*>(Qt::FindDirectChildrenOnly)) {
        if (binding->Feature() == feature)
            return binding->RememberedFloat();
    }
    return -1.0;
}

void SettingsPage::RunWithPreviewStopped(const std::function<void()>& change, std::chrono::milliseconds waitAfterStop)
{
    const bool stopped = host_ && host_->StopPreview();
    if (stopped && waitAfterStop.count() > 0)
        std::this_thread::sleep_for(waitAfterStop);
    change();
    if (stopped) {
        std::this_thread::sleep_for(kRestartPause);
        host_->StartPreview();
    }
}

IntSliderBinding* SettingsPage::AddIntSlider(QGridLayout& grid, int row, const FeatureRow& feature, const char* unit)
{
    auto* label = new QLabel(this);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setMinimumWidth(kSliderMinimumWidth);
    QLineEdit* edit = NewEdit(this);
    grid.addWidget(label, row, kLabelColumn);
    grid.addWidget(slider, row, kControlColumn);
    grid.addWidget(edit, row, kEditColumn);
    auto* binding = new IntSliderBinding(*this, feature, label, slider, edit);
    if (unit)
        binding->AddCompanion(AddText(grid, row, kUnitColumn, unit));
    slider->setObjectName(QString::fromLatin1(feature.feature));
    edit->setObjectName(QString::fromLatin1(feature.feature) + QLatin1String("Edit"));
    return binding;
}

ValueComboBinding* SettingsPage::AddValueCombo(QGridLayout& grid, int row, const FeatureRow& feature,
                                               std::vector<const char*> items, ValueComboBinding::Unreadable unreadable,
                                               int column)
{
    const auto [label, combo] = AddComboRow(*this, grid, row, column, feature);
    return new ValueComboBinding(*this, feature, label, combo, std::move(items), unreadable);
}

EnumComboBinding* SettingsPage::AddEnumCombo(QGridLayout& grid, int row, const FeatureRow& feature,
                                             EnumComboBinding::Options options, int column)
{
    const auto [label, combo] = AddComboRow(*this, grid, row, column, feature);
    return new EnumComboBinding(*this, feature, label, combo, options);
}

FloatEditBinding* SettingsPage::AddFloatEdit(QGridLayout& grid, int row, const FeatureRow& feature, int decimals)
{
    auto* label = new QLabel(this);
    QLineEdit* edit = NewEdit(this);
    edit->setObjectName(QString::fromLatin1(feature.feature));
    grid.addWidget(label, row, kLabelColumn);
    grid.addWidget(edit, row, kControlColumn, Qt::AlignLeft);
    return new FloatEditBinding(*this, feature, label, edit, decimals);
}

QLabel* SettingsPage::AddText(QGridLayout& grid, int row, int column, const char* text)
{
    auto* label = new QLabel(Translate(text), this);
    grid.addWidget(label, row, column);
    return label;
}

void SettingsPage::InitBindings()
{
    for (FeatureBinding* binding : findChildren<FeatureBinding*>(Qt::FindDirectChildrenOnly))
        binding->Init();
}

void SettingsPage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
