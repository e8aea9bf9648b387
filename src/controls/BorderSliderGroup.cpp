#include "controls/BorderSliderGroup.h"

#include "camera/FeatureAccess.h"
#include "controls/AreaBorders.h"
#include "controls/BindingOwner.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

namespace {

constexpr int kBorderPageStep = 10;
constexpr int kSliderMinimumWidth = 260;

QString ValueText(int32_t value)
{
    return QString::asprintf("[%4d]", value);
}

} // namespace

BorderSliderGroup::BorderSliderGroup(BindingOwner& owner, QWidget& parent, QGridLayout& grid, int firstRow,
                                     std::vector<Border> borders)
    : QObject(&parent), owner_(owner), borders_(std::move(borders)), values_(borders_.size(), 0)
{
    for (size_t i = 0; i < borders_.size(); ++i) {
        const Border& border = borders_[i];
        Row row{new QLabel(owner_.Translate(border.label), &parent), new QSlider(Qt::Horizontal, &parent),
                new QLabel(ValueText(0), &parent)};
        row.label->setToolTip(QString::fromLatin1(border.tooltip));
        row.slider->setObjectName(QString::fromLatin1(border.feature));
        row.slider->setMinimumWidth(kSliderMinimumWidth);
        row.slider->setPageStep(kBorderPageStep);
        row.value->setObjectName(QString::fromLatin1(border.feature) + QLatin1String("Value"));
        row.value->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        const int gridRow = firstRow + static_cast<int>(i);
        grid.addWidget(row.label, gridRow, 0);
        grid.addWidget(row.slider, gridRow, 1);
        grid.addWidget(row.value, gridRow, 2);
        connect(row.slider, &QSlider::valueChanged, this, [this, i](int position) { OnMoved(i, position); });
        rows_.push_back(row);
    }
}

void BorderSliderGroup::Show()
{
    SdkGenParameterArray* features = owner_.Features();
    if (!features || borders_.empty())
        return;
    int32_t min = 0;
    int32_t max = 0;
    int32_t increment = 0;
    int32_t lastMin = 0;
    if (ReadIntRange(features, borders_.front().feature, min, max, increment) &&
        ReadIntRange(features, borders_.back().feature, lastMin, max, increment)) {
        for (const Row& row : rows_) {
            const QSignalBlocker blocker(row.slider);
            row.slider->setRange(min, max);
        }
    }
    for (size_t i = 0; i < borders_.size(); ++i) {
        int32_t value = 0;
        if (!ReadFeatureValue(features, borders_[i].feature, value)) {
            values_[i] = -1;
            continue;
        }
        values_[i] = value;
        const QSignalBlocker blocker(rows_[i].slider);
        rows_[i].slider->setValue(value);
        rows_[i].value->setText(ValueText(value));
    }
}

void BorderSliderGroup::SetEnabled(bool enabled)
{
    for (const Row& row : rows_) {
        row.label->setEnabled(enabled);
        row.slider->setEnabled(enabled);
        row.value->setEnabled(enabled);
    }
}

void BorderSliderGroup::OnMoved(size_t index, int position)
{
    const int32_t border = OrderedBorder(values_, index, position);
    WriteFeatureValue(owner_.Features(), borders_[index].feature, border);
    emit moved();
}
