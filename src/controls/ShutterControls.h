#pragma once

#include <QObject>

class SettingsPage;
class EnumComboBinding;
class IntSliderBinding;
class QGridLayout;
struct FeatureRow;

// The fixed shutter rows shared by the gain and shutter page and the trigger
// page: ExposureTimeRaw on a slider with its edit, "[uSec]" and the note
// "[0:Default]", and below it the six shutter presets and RESET.
// A preset writes its exposure in microseconds clamped to the feature's range
// and increment. RESET sets ExposureMode to its entry "Off" when there is
// one (and emits exposureModeReset, for the page's rules), otherwise writes
// exposure 0 clamped, which gives the minimum.
class ShutterControls : public QObject {
    Q_OBJECT
public:
    // Takes rows row and row + 1 of the grid. exposureMode is the page's
    // ExposureMode combo, reselected after RESET.
    ShutterControls(SettingsPage& page, QGridLayout& grid, int row, const FeatureRow& exposure,
                    EnumComboBinding& exposureMode);

    // The slider binding; its enabling covers the presets and RESET.
    IntSliderBinding& Exposure() const { return *exposure_; }

signals:
    void exposureModeReset();

private:
    void Reset();

    SettingsPage& page_;
    IntSliderBinding* exposure_;
    EnumComboBinding& exposureMode_;
};
