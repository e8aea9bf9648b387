#include "camerasettings/CameraSettingsFile.h"

#include "camera/CameraConnection.h"
#include "camera/FeatureAccess.h"
#include "camerasettings/EnumFeatures.h"
#include "camerasettings/ScopedParamsUnlock.h"
#include "camerasettings/StandardFeatures.h"
#include "profile/Profile.h"

#include <QString>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr double kVersionStrobe = 2.0006;
constexpr double kVersionInverter = 2.0007;
constexpr double kVersionEpsilon = 1e-9;
constexpr int kFiveLinesPresent = 1;
constexpr int kTwoLines = 2;
constexpr int kFiveLines = 5;
const char* const kModelCode = "ModelCode";

const std::array<const char*, 12> kLightControlPageKeys = {
    "PriorityMode", "ExposureTimeRaw", "ExposureAuto",     "Min_ShutterTime",  "Max_ShutterTime", "GainRaw",
    "GainAuto",     "AGCRange",        "TargetBrightness", "ALC_Peak_Average", "DigitalGain",     "BlackLevelRaw"};
const std::array<const char*, 6> kWhiteBalanceWindowKeys = {"WB_WindowH1", "WB_WindowH2",   "WB_WindowV1",
                                                            "WB_WindowV2", "WB_WindowMode", "YThreshold"};
const std::array<const char*, 5> kTriggerIntKeys = {"TriggerMode", "ExposureMode", "TriggerActivation", "TriggerSource",
                                                    "TriggerSoftwareSource"};

bool AtLeast(double version, double wanted)
{
    return version + kVersionEpsilon >= wanted;
}

std::string Numbered(const char* prefix, int number)
{
    return prefix + std::to_string(number);
}

// The ALC weights and windows, in file order.
std::vector<std::string> AlcAreaKeys()
{
    std::vector<std::string> keys;
    for (int i = 1; i <= 9; ++i)
        keys.push_back(Numbered("ALCWeight", i));
    for (int i = 1; i <= 4; ++i)
        keys.push_back(Numbered("ALCWindowV", i));
    for (int i = 1; i <= 4; ++i)
        keys.push_back(Numbered("ALCWindowH", i));
    return keys;
}

// The preset gains in file order, then the one-push gains.
std::vector<std::string> WhiteBalanceGainKeys()
{
    std::vector<std::string> keys;
    for (const char* set : {"_Preset1", "_Preset2", "_Preset3", "_Once"}) {
        for (const char* colour : {"BalanceRatio_R", "BalanceRatio_Gr", "BalanceRatio_B", "BalanceRatio_Gb"})
            keys.push_back(colour + std::string(set));
    }
    return keys;
}

// The sections of one model and the values to save.
class Sections {
public:
    explicit Sections(const CameraSettingsValues& values)
        : values_(values),
          camera_(values.Camera()),
          features_(camera_.Features()),
          modelCode_(IntFeatureOrZero(features_, kModelCode)),
          modelName_(ModelName(camera_))
    {
    }

    std::string Name(const char* prefix) const
    {
        return features_ && features_->Get(kModelCode) ? SettingsSection(prefix, modelCode_)
                                                       : SettingsSection(prefix, modelName_);
    }
    int Lines() const { return camera_.OptionBoard().secondLineSource == kFiveLinesPresent ? kFiveLines : kTwoLines; }
    double Version() const { return camera_.OptionBoard().deviceVersion; }

    int32_t Value(CameraSettingsValues::Page page, const std::string& key) const { return values_.Value(page, key); }
    double FloatValue(CameraSettingsValues::Page page, const std::string& key) const
    {
        return values_.FloatValue(page, key);
    }
    ::PulseTiming Timing() const { return values_.Timing(); }
    AoiRect Area() const { return values_.Area(); }
    int32_t BinningVertical() const { return values_.BinningVertical(); }
    bool IsColour() const { return values_.IsColour(); }

    const CameraSettingsValues& values_;
    CameraConnection& camera_;
    SdkGenParameterArray* features_;
    int32_t modelCode_;
    std::string modelName_;

private:
    static std::string ModelName(CameraConnection& camera)
    {
        std::string name = camera.Identity().model;
        if (name.empty())
            ReadFeatureText(camera.Features(), "DeviceModelName", name);
        return name;
    }
};

class Writer {
public:
    Writer(Profile& profile, const Sections& sections) : profile_(profile), sections_(sections) {}

    void Int(const std::string& section, const std::string& key, int32_t value)
    {
        ok_ = profile_.WriteInt(section, key, value) && ok_;
    }
    void Float(const std::string& section, const std::string& key, double value)
    {
        ok_ = profile_.WriteDouble(section, key, value) && ok_;
    }
    // A page's value; nothing for a feature the camera lacks.
    void Page(const std::string& section, CameraSettingsValues::Page page, const std::string& key)
    {
        if (sections_.features_->Get(key))
            Int(section, key, sections_.Value(page, key));
    }
    // A standard feature the camera offers, read from it now: floats as
    // floats, every other kind as an integer.
    void Standard(const std::string& section, const std::string& key)
    {
        double value = 0.0;
        if (ReadFloatValue(sections_.features_, key, value))
            Float(section, key, value);
        else
            Camera(section, key);
    }
    // A value read from the camera now, written only when it can be read.
    void Camera(const std::string& section, const std::string& key)
    {
        int32_t value = 0;
        if (ReadFeatureValue(sections_.features_, key, value))
            Int(section, key, value);
    }
    bool Ok() const { return ok_; }

private:
    Profile& profile_;
    const Sections& sections_;
    bool ok_ = true;
};

void SaveSections(Writer& out, const Sections& s)
{
    SdkGenParameterArray* features = s.features_;
    const std::string light = s.Name("LightControl");
    for (const char* key : {"LensManualAdjustment", "ALCIrisLens"}) {
        if (IsFeatureAvailable(features, key))
            out.Page(light, CameraSettingsValues::kGainShutter, key);
    }
    for (const char* key : kLightControlPageKeys)
        out.Page(light, CameraSettingsValues::kGainShutter, key);
    for (const std::string& key : AlcAreaKeys())
        out.Camera(light, key);

    if (s.IsColour()) {
        const std::string wb = s.Name("WhiteBalance");
        out.Page(wb, CameraSettingsValues::kWhiteBalance, "BalanceWhiteAuto");
        for (const char* key : kWhiteBalanceWindowKeys)
            out.Camera(wb, key);
        for (const std::string& key : WhiteBalanceGainKeys())
            out.Camera(wb, key);
    }

    out.Page(s.Name("GammaTable"), CameraSettingsValues::kGamma, "GammaMode");

    const std::string trigger = s.Name("Trigger");
    for (const char* key : kTriggerIntKeys)
        out.Page(trigger, CameraSettingsValues::kTrigger, key);
    if (features->Get("TriggerDelay"))
        out.Float(trigger, "TriggerDelay", s.FloatValue(CameraSettingsValues::kTrigger, "TriggerDelay"));
    for (const char* key : {"TriggerOverlap", "TriggerHorizontalReset"}) {
        if (features->Get(key))
            out.Page(trigger, CameraSettingsValues::kTrigger, key);
    }
    if (features->Get("TimerDurationRaw")) {
        const ::PulseTiming timing = s.Timing();
        out.Int(trigger, "PulseWidth", timing.duration);
        out.Int(trigger, "PulseDelay", timing.delay);
    }

    const std::string roi = s.Name("ROI");
    const AoiRect area = s.Area();
    out.Int(roi, "OffsetX", area.offsetX);
    out.Int(roi, "Width", area.width);
    out.Int(roi, "OffsetY", area.offsetY);
    out.Int(roi, "Height", area.height);

    const std::string io = s.Name("IO");
    for (const char* prefix : {"LineSource", "UserOutputValue"}) {
        for (int line = 0; line < s.Lines(); ++line)
            out.Page(io, CameraSettingsValues::kOutput, Numbered(prefix, line));
    }
    if (AtLeast(s.Version(), kVersionStrobe)) {
        for (const char* key : {"StrobeSignalDelay", "StrobeSignalOnTime"})
            out.Float(io, key, s.FloatValue(CameraSettingsValues::kOutput, key));
        if (AtLeast(s.Version(), kVersionInverter)) {
            for (int line = 0; line < s.Lines(); ++line)
                out.Page(io, CameraSettingsValues::kOutput, Numbered("LineInverter", line));
        }
    }

    for (const StandardSettingsKey& key : StandardSettingsKeys())
        out.Standard(s.Name(key.section), key.feature);

    const std::string other = s.Name("Other");
    out.Page(other, CameraSettingsValues::kOther, "PixelFormat");
    // The vertical binning, less one: a load adds one back. No binning is
    // below 1, whatever the camera says.
    if (s.IsColour())
        out.Int(other, "BinningVertical", std::max(s.BinningVertical(), 1) - 1);
    out.Page(other, CameraSettingsValues::kOther, "SmearHalfReduction");
    if (features->Get("AcquisitionFrameRate"))
        out.Float(other, "AcquisitionFrameRate", s.FloatValue(CameraSettingsValues::kOther, "AcquisitionFrameRate"));
}

class Loader {
public:
    Loader(const Profile& profile, const Sections& sections) : profile_(profile), s_(sections) {}

    std::string Text(const std::string& section, const std::string& key, const std::string& fallback) const
    {
        return profile_.GetString(section, key, fallback);
    }
    // Reads an integer key (a missing key counts as 0) and writes it to the
    // feature of that name; an empty value is skipped.
    bool Int(const std::string& section, const std::string& key, int32_t add = 0)
    {
        const std::string text = Text(section, key, "0");
        if (text.empty())
            return false;
        const int64_t value = int64_t{ParseSettingsInt(text)} + add;
        return WriteFeatureValue(s_.features_, key,
                                 static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max())));
    }
    // A real key; an empty value or one the camera refuses is the failure.
    bool Float(const std::string& section, const std::string& key)
    {
        const std::string text = Text(section, key, QString::asprintf("%f", 0.0).toStdString());
        if (text.empty())
            return Fail(EmptyText(section, key));
        if (!WriteFloatValue(s_.features_, key, QString::fromStdString(text).toDouble()))
            return Fail("the camera refused " + key + "=" + text);
        return true;
    }
    // A 16-bit key whose empty value stops the load.
    bool Uint16(const std::string& section, const std::string& key, int32_t current, int32_t& value)
    {
        const std::string text = Text(section, key, std::to_string(current));
        if (text.empty())
            return Fail(EmptyText(section, key));
        value = ParseSettingsUint16(text, current);
        return true;
    }
    // A standard key, written back only when the file has it.
    void Standard(const std::string& section, const std::string& key)
    {
        if (!profile_.HasKey(section, key))
            return;
        const SdkGenParameter* parameter = s_.features_->Get(key);
        if (parameter && parameter->GetType() == SDK_GEN_FLOAT)
            Float(section, key);
        else
            Int(section, key);
    }
    // What stopped the load, in one line.
    const std::string& Failure() const { return failure_; }
    bool HasModel() const
    {
        return profile_.HasKey(s_.Name("Other"), "PixelFormat") || profile_.HasKey(s_.Name("ROI"), "OffsetX");
    }

    LoadResult Run();

private:
    bool PulseTiming();
    bool Area();
    bool Axis(const char* offsetKey, const char* sizeKey, int32_t AoiRect::*offset, int32_t AoiRect::*size);
    static std::string EmptyText(const std::string& section, const std::string& key)
    {
        return "[" + section + "] " + key + " has no value";
    }
    bool Fail(const std::string& why)
    {
        failure_ = why;
        return false;
    }

    const Profile& profile_;
    const Sections& s_;
    std::string failure_;
};

LoadResult Loader::Run()
{
    const double version = s_.Version();
    const std::string light = s_.Name("LightControl");
    Int(light, "LensIrisManual");
    if (!AtLeast(version, kVersionStrobe))
        Int(light, "LensManualAdjustment");
    else
        Int(light, "PriorityMode");
    for (const char* key : {"ALCIrisLens", "ExposureTimeRaw", "ExposureAuto", "Min_ShutterTime", "Max_ShutterTime",
                            "GainRaw", "GainAuto", "AGCRange", "TargetBrightness", "ALC_Peak_Average", "DigitalGain"})
        Int(light, key);
    if (AtLeast(version, kVersionStrobe))
        Int(light, "BlackLevelRaw");
    for (const std::string& key : AlcAreaKeys())
        Int(light, key);

    const std::string wb = s_.Name("WhiteBalance");
    for (const char* key : kWhiteBalanceWindowKeys)
        Int(wb, key);
    for (const std::string& key : WhiteBalanceGainKeys())
        Int(wb, key);
    Int(wb, "BalanceWhiteAuto");

    Int(s_.Name("GammaTable"), "GammaMode");

    const std::string trigger = s_.Name("Trigger");
    for (const char* key : kTriggerIntKeys)
        Int(trigger, key);
    Float(trigger, "TriggerDelay");
    if (!PulseTiming() || !Area())
        return LoadResult::Failed;

    const std::string io = s_.Name("IO");
    for (const char* prefix : {"LineSource", "UserOutputValue"}) {
        for (int line = 0; line < s_.Lines(); ++line)
            Int(io, Numbered(prefix, line));
    }
    if (AtLeast(version, kVersionStrobe)) {
        Float(io, "StrobeSignalDelay");
        Float(io, "StrobeSignalOnTime");
        if (AtLeast(version, kVersionInverter)) {
            for (int line = 0; line < s_.Lines(); ++line)
                Int(io, Numbered("LineInverter", line));
        }
    }

    const std::string other = s_.Name("Other");
    if (Int(other, "PixelFormat"))
        s_.camera_.SelectDigitizationTaps();
    Int(other, "BinningVertical", 1);
    Int(other, "SmearHalfReduction");
    // After the program's own keys: a standard gain or exposure takes effect
    // once the automatic modes above are off.
    for (const StandardSettingsKey& key : StandardSettingsKeys())
        Standard(s_.Name(key.section), key.feature);
    // A camera without a frame rate has nothing to take last.
    if (!s_.features_->Get("AcquisitionFrameRate"))
        return LoadResult::Loaded;
    return Float(other, "AcquisitionFrameRate") ? LoadResult::Loaded : LoadResult::Failed;
}

// The pulse goes to the timer features the trigger page shows, so that the
// page's saved duration and delay load back into the same place.
bool Loader::PulseTiming()
{
    const std::string trigger = s_.Name("Trigger");
    const ::PulseTiming current = s_.Timing();
    int32_t width = 0;
    int32_t delay = 0;
    if (!Uint16(trigger, "PulseWidth", current.duration, width) || !Uint16(trigger, "PulseDelay", current.delay, delay))
        return false;
    ScopedParamsUnlock unlock(s_.features_);
    WriteEnumEntry(s_.features_, "TimerSelector", "Timer1");
    WriteIntClamped(s_.features_, "TimerDurationRaw", width);
    WriteIntClamped(s_.features_, "TimerDelayRaw", delay);
    return true;
}

bool Loader::Area()
{
    return Axis("OffsetX", "Width", &AoiRect::offsetX, &AoiRect::width) &&
           Axis("OffsetY", "Height", &AoiRect::offsetY, &AoiRect::height);
}

// Writes the axis in the order that keeps offset + size on the sensor.
bool Loader::Axis(const char* offsetKey, const char* sizeKey, int32_t AoiRect::*offset, int32_t AoiRect::*size)
{
    const std::string roi = s_.Name("ROI");
    const AoiRect current = s_.Area();
    int32_t newOffset = 0;
    int32_t newSize = 0;
    if (!Uint16(roi, offsetKey, current.*offset, newOffset) || !Uint16(roi, sizeKey, current.*size, newSize))
        return false;
    SdkGenParameterArray* features = s_.features_;
    const auto writeSize = [&] {
        if (newSize != current.*size)
            WriteFeatureValue(features, sizeKey, newSize);
    };
    const auto writeOffset = [&] {
        if (newOffset != current.*offset)
            WriteFeatureValue(features, offsetKey, newOffset);
    };
    if (newOffset < current.*offset) {
        writeOffset();
        writeSize();
    } else {
        writeSize();
        writeOffset();
    }
    return true;
}

} // namespace

bool SaveCameraSettings(const std::string& path, const CameraSettingsValues& values)
{
    const Sections sections(values);
    Profile profile(path);
    profile.BeginUpdate();
    Writer writer(profile, sections);
    SaveSections(writer, sections);
    return profile.EndUpdate() && writer.Ok();
}

LoadResult LoadCameraSettings(const std::string& path, const CameraSettingsValues& values, std::string* why)
{
    const Sections sections(values);
    std::string failure = SettingsFileReadError(path);
    LoadResult result = LoadResult::Unreadable;
    const Profile profile(path);
    Loader loader(profile, sections);
    if (failure.empty() && !loader.HasModel()) {
        // A file without this model's sections would set every feature to 0.
        result = LoadResult::NoSettings;
        const std::string name = sections.Name("");
        failure = path + " holds no settings for camera model " + name.substr(1);
        std::string others;
        for (const std::string& model : SettingsFileModels(profile))
            others += (others.empty() ? "" : ", ") + model;
        failure += others.empty() ? " (nor for any other)" : " (only for " + others + ")";
    } else if (failure.empty()) {
        result = loader.Run();
        sections.camera_.ReadGeometry();
        failure = loader.Failure();
    }
    if (why != nullptr && result != LoadResult::Loaded)
        *why = failure;
    return result;
}

int32_t CurrentCameraValues::Read(const std::string& key, int32_t fallback) const
{
    int32_t value = 0;
    return ReadFeatureValue(Camera().Features(), key, value) ? value : fallback;
}

int32_t CurrentCameraValues::Value(Page, const std::string& key) const
{
    return Read(key, -1);
}

double CurrentCameraValues::FloatValue(Page, const std::string& key) const
{
    double value = -1.0;
    return ReadFloatValue(Camera().Features(), key, value) ? value : -1.0;
}

PulseTiming CurrentCameraValues::Timing() const
{
    WriteEnumEntry(Camera().Features(), "TimerSelector", "Timer1");
    return {Read("TimerDurationRaw", 1), Read("TimerDelayRaw", 1)};
}

AoiRect CurrentCameraValues::Area() const
{
    return {Read("OffsetX", 0), Read("Width", 0), Read("OffsetY", 0), Read("Height", 0)};
}

int32_t CurrentCameraValues::BinningVertical() const
{
    return Read("BinningVertical", 1);
}

bool CurrentCameraValues::IsColour() const
{
    return Read("DeviceColorFlg", 0) > 0;
}

bool SaveCameraSettings(const std::string& path, CameraConnection& camera)
{
    return SaveCameraSettings(path, CurrentCameraValues(camera));
}

LoadResult LoadCameraSettings(const std::string& path, CameraConnection& camera, std::string* why)
{
    return LoadCameraSettings(path, CurrentCameraValues(camera), why);
}
