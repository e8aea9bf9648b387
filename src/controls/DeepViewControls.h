#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

struct DisplaySettings;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QSpinBox;
class QWidget;

// The Other page's rows for the view of grey samples wider than 8 bits: their
// top 8 bits, a window from a black to a white point (or automatic, from each
// frame's percentiles), or the 8 bits from a chosen bit up. Every change goes
// to the camera context's display settings at once; the rows are enabled for
// grey formats of more than 8 bits, with ranges of the format's width.
class DeepViewControls : public QObject {
    Q_OBJECT
public:
    DeepViewControls(QWidget& page, QGridLayout& grid, int firstRow);

    // Shows the settings for a camera sending that format; null settings
    // disable the rows.
    void Show(DisplaySettings* settings, uint32_t pixelFormat);

private:
    void Store();
    void ApplyEnablingRules();
    // While the window is automatic the points follow what the camera's frames give.
    void ShowAutoPoints();

    DisplaySettings* settings_ = nullptr;
    bool deep_ = false;
    QLabel* modeLabel_;
    QComboBox* mode_;
    QLabel* windowLabel_;
    QSpinBox* black_;
    QSpinBox* white_;
    QCheckBox* auto_;
    QLabel* shiftLabel_;
    QSpinBox* shift_;
    QTimer autoPoints_;
};
