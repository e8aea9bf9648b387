#pragma once

#include <QObject>

#include <cstdint>
#include <vector>

class BindingOwner;
class QGridLayout;
class QLabel;
class QSlider;
class QWidget;

// One axis of an area dialog's metering window: a slider per border feature
// with its label and its value ("[%4d]"). The sliders share the range from
// the first feature's minimum to the last one's maximum, page step 10.
// Dragging a slider keeps the borders strictly increasing (the border stops
// one short of its neighbours), writes only the moved border's feature and
// emits moved(); the dialog then reads and shows all its borders again, so
// a refused write springs back. A border whose own range or the group's has
// its minimum above its maximum is shown read-only and never written.
class BorderSliderGroup : public QObject {
    Q_OBJECT
public:
    struct Border {
        const char* label; // English, translated in the owner's context
        const char* feature;
        const char* tooltip;
    };

    // Adds one grid row per border from firstRow: label, slider, value.
    BorderSliderGroup(BindingOwner& owner, QWidget& parent, QGridLayout& grid, int firstRow,
                      std::vector<Border> borders);

    // Reads the range and every border and shows them; a border that cannot
    // be read keeps its slider and is remembered as -1.
    void Show();
    // The borders last shown, in order.
    const std::vector<int32_t>& Values() const { return values_; }
    void SetEnabled(bool enabled);

signals:
    void moved();

private:
    struct Row {
        QLabel* label;
        QSlider* slider;
        QLabel* value;
        bool rangeEmpty = false;
    };

    void OnMoved(size_t index, int position);
    void ApplyEnabled(size_t index);

    BindingOwner& owner_;
    std::vector<Border> borders_;
    std::vector<Row> rows_;
    std::vector<int32_t> values_;
    bool enabled_ = true;
};
