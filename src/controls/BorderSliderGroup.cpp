#include "controls/BorderSliderGroup.h"

#include "camera/FeatureAccess.h"
#include "controls/AreaBorders.h"
#include "controls/BindingOwner.h"
#include "controls/FeatureBinding.h"

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
    : QObject(&parent),
      owner_(owner),
      borders_(std::move(borders)),
      values_(borders_.size(), 0)
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
    int32_t unused = 0;
    const bool ranged = ReadIntRange(features, borders_.front().feature, min, unused, increment) &&
                        ReadIntRange(features, borders_.back().feature, unused, max, increment);
    for (size_t i = 0; i < borders_.size(); ++i) {
        Row& row = rows_[i];
        int32_t ownMin = 0;
        int32_t ownMax = 0;
        row.rangeEmpty = (ranged && min > max) ||
                         (ReadIntRange(features, borders_[i].feature, ownMin, ownMax, increment) && ownMin > ownMax);
        row.slider->setToolTip(row.rangeEmpty ? EmptyRangeNote(borders_[i].feature) : QString());
        ApplyEnabled(i);
        if (ranged) {
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
    enabled_ = enabled;
    for (size_t i = 0; i < rows_.size(); ++i)
        ApplyEnabled(i);
}

void BorderSliderGroup::ApplyEnabled(size_t index)
{
    const Row& row = rows_[index];
    row.label->setEnabled(enabled_);
    row.slider->setEnabled(enabled_ && !row.rangeEmpty);
    row.value->setEnabled(enabled_);
}

void BorderSliderGroup::OnMoved(size_t index, int position)
{
    // Programmatic moves reach a disabled slider too; the re-show puts it back.
    if (!rows_[index].rangeEmpty)
        WriteIntClamped(owner_.Features(), borders_[index].feature, OrderedBorder(values_, index, position));
    emit moved();
}
