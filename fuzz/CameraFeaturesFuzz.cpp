// A camera described by the input, as a hostile one may describe itself: the
// features the program looks for and others, of every type, with any ranges,
// increments, values, enumeration entries, access modes and categories
// (cycles included). Every control page is refreshed and written through its
// widgets, the area dialogs likewise, the camera settings file is saved and
// loaded, and the features window is built and edited.
#include "CameraFakes.h"
#include "FuzzInput.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"
#include "controls/CAlcAreaDlg.h"
#include "controls/CAwbAreaDlg.h"
#include "controls/CFeaturesDlg.h"
#include "controls/CLxCtrlMainDlg.h"
#include "controls/ControlHost.h"
#include "controls/PageSettingsFile.h"
#include "controls/SettingsPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// Names the program binds, and a few of other cameras.
constexpr std::array kFeatureNames = {
    "AGCRange",
    "ALCIrisLens",
    "ALCWeight1",
    "ALCWeight5",
    "ALCWeight9",
    "ALCWindowH1",
    "ALCWindowH2",
    "ALCWindowH3",
    "ALCWindowH4",
    "ALCWindowV1",
    "ALCWindowV2",
    "ALCWindowV3",
    "ALCWindowV4",
    "ALC_Peak_Average",
    "AcquisitionFrameRate",
    "AcquisitionFrameRateAbs",
    "AcquisitionFrameRateEnable",
    "AcquisitionMode",
    "AcquisitionStart",
    "AcquisitionStop",
    "BalanceRatio_R_Once",
    "BalanceRatio_B_Preset1",
    "BalanceRatio_Gr_Preset2",
    "BalanceRatio_Gb_Preset3",
    "BalanceWhiteAuto",
    "BinningHorizontal",
    "BinningMode",
    "BinningVertical",
    "BlackLevel",
    "BlackLevelRaw",
    "ColorInterpolation",
    "DecimationHorizontal",
    "DecimationVertical",
    "DeviceColorFlg",
    "DeviceModelName",
    "DeviceOptionFlg",
    "DeviceVersion",
    "DigitalGain",
    "DoubleSpeedMode",
    "DoubleSpeedModeTapSel",
    "ExposureAuto",
    "ExposureMode",
    "ExposureShutterType",
    "ExposureTime",
    "ExposureTimeAbs",
    "ExposureTimeRaw",
    "Gain",
    "GainAuto",
    "GainRaw",
    "Gamma",
    "GammaMode",
    "GammaTable",
    "GammaValue",
    "Height",
    "LensManualAdjustment",
    "LineInverter0",
    "LineInverter4",
    "LineSource0",
    "LineSource1",
    "LineSource4",
    "LineSourcePin2",
    "Max_ShutterTime",
    "Min_ShutterTime",
    "ModelCode",
    "OffsetX",
    "OffsetY",
    "PLC_I0",
    "PLC_I7",
    "PLC_Q4_Variable0",
    "PLC_Q4_Operator0",
    "PLC_Q9_Variable3",
    "PLC_ctrl0",
    "PLC_ctrl1",
    "PayloadSize",
    "PixelFormat",
    "PriorityMode",
    "PulseDelay",
    "PulseInterval",
    "PulseWidth",
    "ReloadGammaData",
    "ReverseX",
    "ReverseY",
    "SensorDigitizationTaps",
    "SensorHeight",
    "SensorReadOut",
    "SensorWidth",
    "SmearHalfReduction",
    "StrobeSignalDelay",
    "StrobeSignalOnTime",
    "StrobeSignalPolarity",
    "TLParamsLocked",
    "TargetBrightness",
    "TimerDelayRaw",
    "TimerDurationRaw",
    "TimerGranularityFactor",
    "TimerSelector",
    "TimerTriggerSource",
    "TriggerActivation",
    "TriggerDelay",
    "TriggerHorizontalReset",
    "TriggerMode",
    "TriggerOverlap",
    "TriggerSelector",
    "TriggerSoftware",
    "TriggerSoftwareSource",
    "TriggerSource",
    "UserOutputValue0",
    "UserSetDefaultSelector",
    "UserSetLoad",
    "UserSetSave",
    "UserSetSelector",
    "WB_WindowH1",
    "WB_WindowH2",
    "WB_WindowMode",
    "WB_WindowV1",
    "WB_WindowV2",
    "Width",
    "YThreshold",
    "Root",
    "ImageFormatControl",
    "DeviceControl",
};

constexpr std::array kEntryNames = {
    "Off",      "On",      "Continuous", "Once",       "Timed",   "TriggerWidth", "Software",
    "Line0",    "Mono8",   "BayerRG8",   "RGB8Packed", "Preset1", "ATW",          "PushToSet",
    "UserSet1", "Default", "Timer1",     "Zero",       "",        "Single",       "Multi",
};

constexpr int64_t kInterestingIntegers[] = {
    0,
    1,
    -1,
    2,
    8,
    255,
    1023,
    1280,
    65535,
    0x7FFFFFFF,
    -0x7FFFFFFF,
    int64_t{-0x7FFFFFFF} - 1,
    int64_t{1} << 31,
    int64_t{1} << 32,
    (int64_t{1} << 32) - 1,
    std::numeric_limits<int64_t>::max(),
    std::numeric_limits<int64_t>::min(),
    0x01080001,
    0x02180014,
};

constexpr double kInterestingFloats[] = {
    0.0,
    -0.0,
    1.0,
    -1.0,
    0.5,
    1e308,
    -1e308,
    std::numeric_limits<double>::max(),
    -std::numeric_limits<double>::max(),
    std::numeric_limits<double>::denorm_min(),
    2147483647.0,
    -2147483647.0,
    2147483648.0,
    1e6,
    1e-9,
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::quiet_NaN(),
};

// Texts repeat a piece of up to 15 bytes this often at most: up to 240 kB,
// more than the 200 kB texts a camera was seen to send.
constexpr size_t kMaxTextRepeat = 16384;

// The input, read front to back; reads past its end give zeros.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return position_ >= size_; }
    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    template <typename T>
    T Raw()
    {
        T value{};
        uint8_t bytes[sizeof(T)] = {};
        for (uint8_t& byte : bytes)
            byte = Byte();
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }
    int64_t Integer()
    {
        const uint8_t kind = Byte();
        switch (kind % 4) {
        case 0:
            return static_cast<int8_t>(Byte());
        case 1:
            return kInterestingIntegers[Byte() % std::size(kInterestingIntegers)];
        case 2:
            return Raw<int32_t>();
        default:
            return Raw<int64_t>();
        }
    }
    double Float()
    {
        switch (Byte() % 4) {
        case 0:
            return static_cast<int8_t>(Byte()) / 4.0;
        case 1:
            return kInterestingFloats[Byte() % std::size(kInterestingFloats)];
        default:
            return Raw<double>();
        }
    }
    // Up to 15 bytes of the input, repeated up to kMaxTextRepeat times.
    std::string Text()
    {
        const uint8_t head = Byte();
        std::string piece;
        for (int i = head & 0x0F; i > 0; --i)
            piece.push_back(static_cast<char>(Byte()));
        const size_t repeat = (head & 0xF0) == 0xF0 ? 1 + Raw<uint16_t>() % kMaxTextRepeat : 1;
        std::string text;
        for (size_t i = 0; i < repeat; ++i)
            text += piece;
        return text;
    }
    std::string Name()
    {
        const uint8_t pick = Byte();
        return pick < 224 ? kFeatureNames[pick % kFeatureNames.size()] : Text();
    }
    std::string EntryName()
    {
        const uint8_t pick = Byte();
        return pick < 200 ? kEntryNames[pick % kEntryNames.size()] : Text();
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// A fake with the access mode the input gives it.
template <typename Fake>
class Hostile : public Fake {
public:
    using Fake::Fake;
    bool IsReadable() const override { return readable && Fake::IsReadable(); }
    bool IsWritable() const override { return writable; }

    bool readable = true;
    bool writable = true;
};

template <typename Fake, typename... Args>
std::unique_ptr<Hostile<Fake>> MakeHostile(uint8_t access, Args&&... args)
{
    auto feature = std::make_unique<Hostile<Fake>>(std::forward<Args>(args)...);
    feature->readable = (access & 1) == 0;
    feature->writable = (access & 2) == 0;
    return feature;
}

// A feature whose name the camera gave already is dropped, as the SDK drops it.
void AddFeature(Input& in, SdkGenParameterArray& features)
{
    const uint8_t type = in.Byte();
    const std::string name = in.Name();
    const auto visibility = static_cast<SdkVisibility>(in.Byte() % 4);
    const uint8_t access = in.Byte();
    switch (type % 6) {
    case SDK_GEN_INTEGER: {
        const int64_t value = in.Integer();
        const int64_t min = in.Integer();
        const int64_t max = in.Integer();
        auto feature = MakeHostile<FakeInteger>(access, name, value, min, max, in.Integer(), visibility);
        feature->failRead = (access & 4) != 0;
        feature->failRange = (access & 8) != 0;
        feature->failWrite = (access & 16) != 0;
        features.Add(std::move(feature));
        break;
    }
    case SDK_GEN_ENUM: {
        std::vector<SdkGenEnumEntry> entries(in.Byte() % 9);
        for (SdkGenEnumEntry& entry : entries) {
            std::string entryName = in.EntryName();
            const int64_t value = in.Integer();
            entry = SdkGenEnumEntry(std::move(entryName), value, (in.Byte() & 1) == 0);
        }
        const size_t current = in.Byte() % 10;
        features.Add(MakeHostile<FakeEnum>(access, name, std::move(entries), current, visibility));
        break;
    }
    case SDK_GEN_BOOLEAN:
        features.Add(MakeHostile<FakeBoolean>(access, name, (access & 4) != 0, visibility));
        break;
    case SDK_GEN_STRING:
        features.Add(MakeHostile<FakeString>(access, name, in.Text(), visibility));
        break;
    case SDK_GEN_COMMAND:
        features.Add(MakeHostile<FakeCommand>(access, name, nullptr, visibility));
        break;
    default: {
        const double value = in.Float();
        const double min = in.Float();
        const double max = in.Float();
        auto feature = MakeHostile<FakeFloat>(access, name, value, min, max, visibility);
        feature->failRange = (access & 8) != 0;
        features.Add(std::move(feature));
        break;
    }
    }
}

std::vector<SdkFeatureCategory> ReadCategories(Input& in)
{
    std::vector<SdkFeatureCategory> categories(in.Byte() % 6);
    for (SdkFeatureCategory& category : categories) {
        category.name = in.Name();
        category.members.resize(in.Byte() % 8);
        for (std::string& member : category.members)
            member = in.Name();
    }
    return categories;
}

class Host : public ControlHost {
public:
    explicit Host(CameraConnection& camera) : camera_(camera) {}
    CameraConnection* ControlCamera() override { return &camera_; }
    // No preview runs, so nothing waits for one to stop.
    bool StopPreview() override { return false; }
    void StartPreview() override {}
    void SetDisplayInterpolation(int) override {}
    void CloseRecording() override {}
    bool IsRecording() const override { return false; }
    DisplaySettings* Display() override { return nullptr; }

private:
    CameraConnection& camera_;
};

// Modal boxes the pages open (warnings, the area dialogs) are cancelled as
// soon as they show, as a user closing them would.
class ModalCloser : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isModal())
                QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
        }
        return false;
    }
};

// What a user can do to the window's inputs, with numbers and texts from the
// input. Buttons are pressed only when the input asks, as some open boxes.
void Drive(Input& in, QWidget& window)
{
    for (QSlider* slider : window.findChildren<QSlider*>()) {
        if (in.Byte() & 1)
            slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
        else
            slider->setValue(static_cast<int>(in.Integer()));
    }
    for (QSpinBox* spin : window.findChildren<QSpinBox*>())
        spin->setValue(static_cast<int>(in.Integer()));
    for (QComboBox* combo : window.findChildren<QComboBox*>()) {
        if (combo->count() == 0)
            continue;
        const int index = in.Byte() % combo->count();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (edit->parent() && qobject_cast<QSpinBox*>(edit->parent()))
            continue;
        const uint8_t how = in.Byte();
        if (how & 1)
            edit->setText(QString::number(in.Float(), 'g', 17));
        else
            edit->setText(QString::fromStdString(in.Text()));
        emit edit->returnPressed();
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (in.Byte() % 4 == 0 && button->isEnabled())
            button->click();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    static ModalCloser closer;
    application.installEventFilter(&closer);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in(data, size);
    auto device = std::make_unique<FakeDevice>();
    FakeDevice& fake = *device;
    const uint8_t featureCount = in.Byte() % 64;
    for (uint8_t i = 0; i < featureCount && !in.Empty(); ++i)
        AddFeature(in, fake.features);
    fake.categories = ReadCategories(in);

    CameraConnection camera(std::move(device), std::make_unique<FakePipeline>(),
                            std::make_unique<CRS232C_OM>("/nonexistent/serial.ini"));
    camera.Acquisition().CreateOverlayRegistry();
    camera.ReadGeometry();
    Host host(camera);

    {
        CLxCtrlMainDlg controls(host);
        controls.RefreshAllPages();
        for (int tab = 0; tab < CLxCtrlMainDlg::kTabCount; ++tab) {
            SettingsPage* page = controls.Page(static_cast<CLxCtrlMainDlg::Tab>(tab));
            Drive(in, *page);
            page->RefreshFromCamera();
        }
        const std::string path = WriteInputFile(data, 0, ".cfg");
        SaveCameraSettings(path, controls);
        LoadCameraSettings(path, controls);
        SaveCameraSettings(path, camera);
        LoadCameraSettings(path, camera);
    }
    {
        CAlcAreaDlg alc(&camera);
        Drive(in, alc);
        CAwbAreaDlg awb(&camera);
        Drive(in, awb);
    }
    {
        CFeaturesDlg features(host, [&camera] { return &camera; });
        features.SetVisibilityLevel(in.Byte() % 3);
        features.SetSearchText(QString::fromStdString(in.Text()));
        features.SetSearchText(QString());
        Drive(in, features);
        features.Refresh();
    }
    // No event loop runs between inputs: what the widgets posted (deferred
    // deletes among it) is handled here, so that nothing piles up.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
