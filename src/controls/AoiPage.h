#pragma once

#include "camerasettings/AoiArea.h"
#include "controls/SettingsPage.h"

#include <array>

class IntSpinBinding;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// "AOI": the camera's area of interest, edited on the page and sent to the
// camera only by "Activate" ("Undo" returns to the camera's area), the
// binning and decimation factors and the frame rate. Area and factor changes
// run with the preview stopped. A refresh (every tab change) discards an
// area that was edited but not activated. A row whose range (the page's or
// the camera's feature's) has its minimum above its maximum is read-only.
class AoiPage : public SettingsPage {
    Q_OBJECT
public:
    explicit AoiPage(QWidget* parent = nullptr);

    void RefreshFromCamera() override;
    void InitControls() override;

    const AoiRect& CameraArea() const { return camera_; }
    const AoiRect& EditedArea() const { return edited_; }
    const AoiLimits& Limits() const { return limits_; }
    // The warning shown when an area reaches past the sensor; empty when it
    // fits.
    QString OverrunWarning(const AoiRect& area) const;

private:
    // The four area rows, in page order.
    enum AreaRow : int { kOffsetXRow, kWidthRow, kOffsetYRow, kHeightRow, kAreaRowCount };
    struct Row {
        QLabel* label;
        QSlider* slider;
        QLineEdit* edit;
        QLabel* range;
    };

    int32_t& EditedValue(int row);
    void OnRowEdited(int row, int32_t value);
    void ShowArea();
    void UpdateRangeTexts();
    void ApplyEnablingRules();
    void ReadFactors();
    bool Warn(const AoiRect& area);
    void Activate();
    void Undo();
    void OnFactorWritten(IntSpinBinding* factor, int32_t value);
    void ShrinkToUsable();

    std::array<Row, kAreaRowCount> rows_{};
    std::array<bool, kAreaRowCount> rangeEmpty_{};
    QPushButton* activate_;
    QPushButton* undo_;
    // Says what the camera took when it is not the area asked for.
    QLabel* areaNote_;
    FloatEditBinding* frameRate_;
    std::array<IntSpinBinding*, 4> factors_{};
    AoiLimits limits_;
    AoiRect camera_;
    AoiRect edited_;
};
