#include "SimFeatureTable.h"

#include "SimBootstrap.h"
#include "SimPixelFormat.h"

#include <arv.h>

#include <array>
#include <cstdio>
#include <set>

namespace {

constexpr int64_t kMaxUint32 = 0xFFFFFFFFLL;
constexpr int64_t kMaxMac = 0xFFFFFFFFFFFFLL;
constexpr int64_t kWidthMin = 32;
constexpr int64_t kWidthStep = 8;
constexpr int64_t kHeightMin = 32;
constexpr int64_t kHeightStep = 2;
constexpr int64_t kMaxBinning = 4;
constexpr int64_t kMaxDecimation = 4;
constexpr int64_t kMaxExposureUs = 1000000;
constexpr int64_t kDefaultExposureUs = 10000;
constexpr int64_t kByteMax = 255;
constexpr int64_t kWhiteBalanceUnity = 128;
constexpr int kOutputLines = 5;
constexpr int kTwoPinLines = 2;
constexpr int kPlcInputs = 8;
constexpr double kMaxFrameRate = 1000.0;
constexpr double kMaxDelayUs = 1000000.0;

const std::vector<SimEnumEntry> kOffOn = {{"Off", 0, {}}, {"On", 1, {}}};
const std::vector<SimEnumEntry> kOffContinuous = {{"Off", 0, {}}, {"Continuous", 1, {}}};

// Adds features category by category, giving each its register.
class Builder {
public:
    explicit Builder(const SimOptions& options) : options_(options) {}

    void Build()
    {
        DeviceControl();
        TransportLayer();
        ImageFormat();
        Acquisition();
        AnalogControl();
        WhiteBalance();
        Gamma();
        Trigger();
        Timer();
        LogicBlock();
        DigitalIO();
        CameraSettings();
        UserSets();
    }

    std::vector<SimFeature> features;
    std::vector<std::string> helperNodes;
    std::vector<std::string> categories;

private:
    void Category(const char* name)
    {
        category_ = name;
        categories.emplace_back(name);
    }

    SimFeature& Add(std::string name, SimFeatureKind kind, uint32_t registerBytes)
    {
        SimFeature feature;
        feature.name = std::move(name);
        feature.kind = kind;
        feature.category = category_;
        if (registerBytes > 0) {
            feature.address = next_;
            feature.length = registerBytes;
            next_ += registerBytes;
        }
        features.push_back(std::move(feature));
        return features.back();
    }

    // A setting in a scratch register, saved by the user sets.
    SimFeature& Integer(std::string name, int64_t min, int64_t max, int64_t initial)
    {
        SimFeature& f = Add(std::move(name), SimFeatureKind::Integer, 4);
        f.min = min;
        f.max = max;
        f.initial = initial;
        f.inUserSet = true;
        return f;
    }

    SimFeature& Enumeration(std::string name, std::vector<SimEnumEntry> entries, int64_t initial)
    {
        SimFeature& f = Add(std::move(name), SimFeatureKind::Enumeration, 4);
        f.entries = std::move(entries);
        f.initial = initial;
        f.inUserSet = true;
        return f;
    }

    SimFeature& Boolean(std::string name, bool initial)
    {
        SimFeature& f = Add(std::move(name), SimFeatureKind::Boolean, 4);
        f.initial = initial ? 1 : 0;
        f.inUserSet = true;
        return f;
    }

    SimFeature& Float(std::string name, double min, double max, double initial, const char* unit)
    {
        SimFeature& f = Add(std::move(name), SimFeatureKind::Float, 8);
        f.floatMin = min;
        f.floatMax = max;
        f.floatInitial = initial;
        f.unit = unit;
        f.inUserSet = true;
        return f;
    }

    SimFeature& Command(std::string name)
    {
        SimFeature& f = Add(std::move(name), SimFeatureKind::Command, 4);
        f.access = SimAccess::WriteOnly;
        return f;
    }

    // A feature on a fixed register (fake camera or bootstrap).
    SimFeature& At(SimFeature& f, uint32_t address, uint32_t length = 4)
    {
        next_ -= f.length;
        f.address = address;
        f.length = length;
        return f;
    }

    SimFeature& ReadOnlyInteger(std::string name, int64_t value)
    {
        SimFeature& f = Integer(std::move(name), value, value, value);
        f.access = SimAccess::ReadOnly;
        f.inUserSet = false;
        return f;
    }

    SimFeature& Text(std::string name, uint32_t address, uint32_t length, std::string text)
    {
        SimFeature& f = Add(std::move(name), SimFeatureKind::String, 0);
        f.address = address;
        f.length = length;
        f.access = SimAccess::ReadOnly;
        f.textInitial = std::move(text);
        return f;
    }

    // A bit field of a bootstrap register, set by the camera as a whole word.
    SimFeature& Field(SimFeature& f, uint32_t address, int msb, int lsb)
    {
        At(f, address);
        f.masked = true;
        f.msb = msb;
        f.lsb = lsb;
        f.writeInitial = false;
        f.inUserSet = false;
        return f;
    }

    void DeviceControl()
    {
        const std::string serial = SimSerialText(options_);
        Category("DeviceControl");
        Text("DeviceVendorName", SimBootstrap::kManufacturerName, SimBootstrap::kNameLength, "Norvane");
        Text("DeviceModelName", SimBootstrap::kModelName, SimBootstrap::kNameLength, SimModelName(options_));
        Text("DeviceManufacturerInfo", SimBootstrap::kManufacturerInfo, SimBootstrap::kManufacturerInfoLength,
             "Lumivex simulated camera");
        Text("DeviceVersion", SimBootstrap::kDeviceVersion, SimBootstrap::kNameLength, options_.deviceVersion);
        Text("DeviceSerialNumber", SimBootstrap::kSerialNumber, SimBootstrap::kSerialLength, serial).visibility =
            SimVisibility::Expert;
        SimFeature& userId = Text("DeviceUserID", SimBootstrap::kUserDefinedName, SimBootstrap::kSerialLength, "");
        userId.access = SimAccess::ReadWrite;
        ReadOnlyInteger("SerialNumber", SimSerialNumber(serial));
        constexpr int64_t kHardwareVersion = 0x0102;
        constexpr int64_t kFpgaVersion = 0x0501;
        constexpr int64_t kFirmwareVersion = 0x0702;
        ReadOnlyInteger("HardwareVersion", kHardwareVersion).visibility = SimVisibility::Expert;
        ReadOnlyInteger("FPGAFirmwareVersion", kFpgaVersion).visibility = SimVisibility::Expert;
        ReadOnlyInteger("FirmwareVersion", kFirmwareVersion).visibility = SimVisibility::Expert;
        ReadOnlyInteger("ModelCode", options_.modelCode).visibility = SimVisibility::Expert;
        ReadOnlyInteger("DeviceOptionFlg", options_.optionBoard ? 1 : 0).visibility = SimVisibility::Expert;
        ReadOnlyInteger("DeviceColorFlg", options_.colour ? 1 : 0).visibility = SimVisibility::Expert;
    }

    SimFeature& Address(std::string name, uint32_t address, SimAccess access)
    {
        SimFeature& f = At(Integer(std::move(name), 0, kMaxUint32, 0), address);
        f.access = access;
        f.visibility = SimVisibility::Expert;
        f.representation = "IPV4Address";
        f.writeInitial = false;
        f.inUserSet = false;
        return f;
    }

    void TransportLayer()
    {
        Category("TransportLayerControl");
        SimFeature& mac = At(Integer("GevMACAddress", 0, kMaxMac, 0), SimBootstrap::kMacHigh, 8);
        mac.access = SimAccess::ReadOnly;
        mac.representation = "MACAddress";
        mac.writeInitial = false;
        mac.inUserSet = false;
        // Bits 29-31 of the interface configuration: LLA, DHCP, persistent IP.
        constexpr int kLlaBit = 29;
        constexpr int kDhcpBit = 30;
        constexpr int kPersistentBit = 31;
        Field(Boolean("GevCurrentIPConfigurationLLA", false), SimBootstrap::kInterfaceConfiguration, kLlaBit, kLlaBit)
            .visibility = SimVisibility::Expert;
        Field(Boolean("GevCurrentIPConfigurationDHCP", false), SimBootstrap::kInterfaceConfiguration, kDhcpBit,
              kDhcpBit)
            .visibility = SimVisibility::Expert;
        Field(Boolean("GevCurrentIPConfigurationPersistentIP", false), SimBootstrap::kInterfaceConfiguration,
              kPersistentBit, kPersistentBit)
            .visibility = SimVisibility::Expert;
        Address("GevCurrentIPAddress", SimBootstrap::kCurrentIp, SimAccess::ReadOnly);
        Address("GevCurrentSubnetMask", SimBootstrap::kCurrentSubnetMask, SimAccess::ReadOnly);
        Address("GevCurrentDefaultGateway", SimBootstrap::kCurrentGateway, SimAccess::ReadOnly);
        Address("GevPersistentIPAddress", SimBootstrap::kPersistentIp, SimAccess::ReadWrite);
        Address("GevPersistentSubnetMask", SimBootstrap::kPersistentSubnetMask, SimAccess::ReadWrite);
        Address("GevPersistentDefaultGateway", SimBootstrap::kPersistentGateway, SimAccess::ReadWrite);

        constexpr int64_t kMinPacket = 576;
        constexpr int64_t kMaxPacket = 16404;
        constexpr int kPacketSizeMsb = 16;
        SimFeature& packet = Field(Integer("GevSCPSPacketSize", kMinPacket, kMaxPacket, 0),
                                   SimBootstrap::kStreamPacketSize, kPacketSizeMsb, 31);
        packet.increment = 4;
        packet.visibility = SimVisibility::Expert;
        packet.lockedWhileStreaming = true;

        SimFeature& payload = Add("PayloadSize", SimFeatureKind::Integer, 0);
        payload.access = SimAccess::ReadOnly;
        payload.valueNode = "PayloadSizeFormula";
        payload.min = 0;
        payload.max = kMaxUint32;
        helperNodes.push_back("<IntSwissKnife Name=\"PayloadSizeFormula\">"
                              "<pVariable Name=\"W\">WidthReg</pVariable>"
                              "<pVariable Name=\"H\">HeightReg</pVariable>"
                              "<pVariable Name=\"PF\">PixelFormatReg</pVariable>"
                              "<Formula>W * H * ((PF &gt;&gt; 16) &amp; 255) / 8</Formula>"
                              "</IntSwissKnife>");

        SimFeature& locked = Integer("TLParamsLocked", 0, 1, 0);
        locked.visibility = SimVisibility::Invisible;
        locked.inUserSet = false;
    }

    void ImageFormat()
    {
        Category("ImageFormatControl");
        const int64_t width = options_.width;
        const int64_t height = options_.height;
        At(ReadOnlyInteger("SensorWidth", width), ARV_FAKE_CAMERA_REGISTER_SENSOR_WIDTH);
        At(ReadOnlyInteger("SensorHeight", height), ARV_FAKE_CAMERA_REGISTER_SENSOR_HEIGHT);

        SimFeature& w = At(Integer("Width", kWidthMin, width, width), ARV_FAKE_CAMERA_REGISTER_WIDTH);
        w.increment = kWidthStep;
        w.maxNode = "WidthMax";
        w.lockedWhileStreaming = true;
        SimFeature& h = At(Integer("Height", kHeightMin, height, height), ARV_FAKE_CAMERA_REGISTER_HEIGHT);
        h.increment = kHeightStep;
        h.maxNode = "HeightMax";
        h.lockedWhileStreaming = true;
        SimFeature& x = At(Integer("OffsetX", 0, width - kWidthMin, 0), ARV_FAKE_CAMERA_REGISTER_X_OFFSET);
        x.increment = kWidthStep;
        x.maxNode = "OffsetXMax";
        SimFeature& y = At(Integer("OffsetY", 0, height - kHeightMin, 0), ARV_FAKE_CAMERA_REGISTER_Y_OFFSET);
        y.increment = kHeightStep;
        y.maxNode = "OffsetYMax";
        // Binning and decimation shrink the usable sensor; the size plus the
        // offset never exceeds it.
        AreaLimit("WidthMax", "SensorWidthReg", "BinningHorizontalReg", "DecimationHorizontalReg", "OffsetXReg",
                  kWidthStep);
        AreaLimit("HeightMax", "SensorHeightReg", "BinningVerticalReg", "DecimationVerticalReg", "OffsetYReg",
                  kHeightStep);
        AreaLimit("OffsetXMax", "SensorWidthReg", "BinningHorizontalReg", "DecimationHorizontalReg", "WidthReg",
                  kWidthStep);
        AreaLimit("OffsetYMax", "SensorHeightReg", "BinningVerticalReg", "DecimationVerticalReg", "HeightReg",
                  kHeightStep);

        SimFeature& bh =
            At(Integer("BinningHorizontal", 1, kMaxBinning, 1), ARV_FAKE_CAMERA_REGISTER_BINNING_HORIZONTAL);
        bh.lockedWhileStreaming = true;
        SimFeature& bv = At(Integer("BinningVertical", 1, kMaxBinning, 1), ARV_FAKE_CAMERA_REGISTER_BINNING_VERTICAL);
        bv.lockedWhileStreaming = true;
        // This sensor decimates rows only: the horizontal factor is fixed.
        Integer("DecimationHorizontal", 1, 1, 1).lockedWhileStreaming = true;
        Integer("DecimationVertical", 1, kMaxDecimation, 1).lockedWhileStreaming = true;
        Enumeration("BinningMode", {{"Sum", 0, {}}, {"Average", 1, {}}}, 0);
        Boolean("ReverseX", false).lockedWhileStreaming = true;
        Boolean("ReverseY", false).lockedWhileStreaming = true;

        PixelFormat();
        const SimPixelFormat* initial = SimInitialPixelFormat(options_);
        const bool rgb =
            initial != nullptr && (initial->layout == SimPixelLayout::Rgb8 || initial->layout == SimPixelLayout::Bgr8);
        Enumeration("SensorDigitizationTaps", {{"One", 1, {}}, {"Two", 2, {}}}, rgb ? 1 : 2).visibility =
            SimVisibility::Expert;
    }

    void AreaLimit(const char* name, const char* sensor, const char* binning, const char* decimation, const char* other,
                   int64_t step)
    {
        char node[512];
        std::snprintf(node, sizeof node,
                      "<IntSwissKnife Name=\"%s\">"
                      "<pVariable Name=\"S\">%s</pVariable>"
                      "<pVariable Name=\"B\">%s</pVariable>"
                      "<pVariable Name=\"D\">%s</pVariable>"
                      "<pVariable Name=\"O\">%s</pVariable>"
                      "<Formula>((S / (B * D) - O) / %lld) * %lld</Formula>"
                      "</IntSwissKnife>",
                      name, sensor, binning, decimation, other, static_cast<long long>(step),
                      static_cast<long long>(step));
        helperNodes.emplace_back(node);
    }

    void PixelFormat()
    {
        const SimPixelFormat* initial = SimInitialPixelFormat(options_);
        const SimBayerPattern sensor = SimSensorPattern(options_);
        std::vector<SimEnumEntry> entries;
        for (const SimPixelFormat& format : AllSimPixelFormats()) {
            if (!SimOffersPixelFormat(options_, format))
                continue;
            SimEnumEntry entry{std::string(format.name), format.code, {}};
            if (format.IsBayer())
                entry.availability = BayerAvailability(sensor, format.pattern);
            entries.push_back(std::move(entry));
        }
        SimFeature& f = At(Enumeration("PixelFormat", std::move(entries), initial ? initial->code : 0),
                           ARV_FAKE_CAMERA_REGISTER_PIXEL_FORMAT);
        f.lockedWhileStreaming = true;
    }

    // A Bayer format is offered only in the read-out direction that gives its
    // pattern: mirroring the sensor changes the pattern it delivers.
    std::string BayerAvailability(SimBayerPattern sensor, SimBayerPattern pattern)
    {
        static constexpr std::array<const char*, 4> kNames = {"GR", "RG", "GB", "BG"};
        const std::string name = std::string("BayerPattern") + kNames[static_cast<int>(pattern)] + "Available";
        if (!availabilityNodes_.insert(name).second)
            return name;
        for (int reverse = 0; reverse < 4; ++reverse) {
            const bool reverseX = (reverse & 1) != 0;
            const bool reverseY = (reverse & 2) != 0;
            if (MirroredBayerPattern(sensor, reverseX, reverseY) != pattern)
                continue;
            char node[400];
            std::snprintf(node, sizeof node,
                          "<IntSwissKnife Name=\"%s\">"
                          "<pVariable Name=\"RX\">ReverseXReg</pVariable>"
                          "<pVariable Name=\"RY\">ReverseYReg</pVariable>"
                          "<Formula>(RX = %d) &amp;&amp; (RY = %d)</Formula>"
                          "</IntSwissKnife>",
                          name.c_str(), reverseX ? 1 : 0, reverseY ? 1 : 0);
            helperNodes.emplace_back(node);
            break;
        }
        return name;
    }

    void Acquisition()
    {
        Category("AcquisitionControl");
        At(Enumeration("AcquisitionMode", {{"Continuous", 0, {}}, {"SingleFrame", 1, {}}, {"MultiFrame", 2, {}}}, 0),
           ARV_FAKE_CAMERA_REGISTER_ACQUISITION_MODE);
        constexpr int64_t kMaxFrameCount = 65535;
        constexpr int64_t kDefaultFrameCount = 10;
        Integer("AcquisitionFrameCount", 1, kMaxFrameCount, kDefaultFrameCount);
        SimFeature& start = At(Command("AcquisitionStart"), ARV_FAKE_CAMERA_REGISTER_ACQUISITION);
        start.writeInitial = false;
        SimFeature& stop = Add("AcquisitionStop", SimFeatureKind::Command, 0);
        stop.access = SimAccess::WriteOnly;
        stop.valueNode = "AcquisitionStartReg";
        stop.commandValue = 0;

        SimFeature& rate = Add("AcquisitionFrameRate", SimFeatureKind::Float, 0);
        rate.floatMin = 1.0;
        rate.floatMax = kMaxFrameRate;
        rate.unit = "Hz";
        rate.valueNode = "AcquisitionFrameRateConverter";
        rate.inUserSet = false;
        // The period's own range keeps the converter's bounds finite.
        constexpr int kMinFramePeriodUs = 1000;
        constexpr int kMaxFramePeriodUs = 1000000;
        char period[900];
        std::snprintf(period, sizeof period,
                      "<Converter Name=\"AcquisitionFrameRateConverter\">"
                      "<FormulaTo>1000000 / FROM</FormulaTo>"
                      "<FormulaFrom>1000000 / TO</FormulaFrom>"
                      "<pValue>AcquisitionFramePeriod</pValue>"
                      "</Converter>"
                      "<Integer Name=\"AcquisitionFramePeriod\">"
                      "<Visibility>Invisible</Visibility>"
                      "<pValue>AcquisitionFramePeriodReg</pValue>"
                      "<Min>%d</Min><Max>%d</Max>"
                      "</Integer>"
                      "<IntReg Name=\"AcquisitionFramePeriodReg\">"
                      "<Address>0x%x</Address><Length>4</Length><AccessMode>RW</AccessMode>"
                      "<pPort>Device</pPort><Cachable>NoCache</Cachable>"
                      "<Sign>Unsigned</Sign><Endianess>BigEndian</Endianess>"
                      "</IntReg>",
                      kMinFramePeriodUs, kMaxFramePeriodUs, ARV_FAKE_CAMERA_REGISTER_ACQUISITION_FRAME_PERIOD_US);
        helperNodes.emplace_back(period);

        Enumeration("ExposureMode", {{"Off", 0, {}}, {"Timed", 1, {}}, {"TriggerWidth", 2, {}}}, 1);
        SimFeature& exposure = At(Integer("ExposureTimeRaw", 0, kMaxExposureUs, kDefaultExposureUs),
                                  ARV_FAKE_CAMERA_REGISTER_EXPOSURE_TIME_US);
        exposure.unit = "us";
        Enumeration("ExposureAuto", kOffContinuous, 0);
        Enumeration("ExposureShutterType", {{"Global", 0, {}}, {"GlobalReset", 1, {}}}, 0).visibility =
            SimVisibility::Expert;
    }

    void AnalogControl()
    {
        Category("AnalogControl");
        constexpr int64_t kDefaultAgcRange = 128;
        constexpr int64_t kDefaultTarget = 128;
        constexpr int64_t kMinShutterUs = 10;
        constexpr int64_t kDefaultMinShutterUs = 100;
        constexpr int64_t kDefaultMaxShutterUs = 33333;
        constexpr int64_t kMaxWeight = 15;
        constexpr int64_t kCentreWeight = 8;
        constexpr int64_t kOuterWeight = 4;
        constexpr int kAlcBorders = 4;
        constexpr int kAlcCells = 9;

        At(Integer("GainRaw", 0, kByteMax, 0), ARV_FAKE_CAMERA_REGISTER_GAIN_RAW);
        Enumeration("GainAuto", kOffContinuous, 0);
        Integer("AGCRange", 0, kByteMax, kDefaultAgcRange);
        Integer("DigitalGain", 0, kByteMax, 0);
        Integer("BlackLevelRaw", 0, kByteMax, 0);
        Enumeration("ALCIrisLens", kOffOn, 0).visibility = SimVisibility::Expert;
        Enumeration("LensManualAdjustment", {{"Hold", 0, {}}, {"Open", 1, {}}, {"Close", 2, {}}}, 0).visibility =
            SimVisibility::Expert;
        Enumeration("LensIrisManual", kOffOn, 0).visibility = SimVisibility::Expert;
        Enumeration("PriorityMode", {{"IrisPriority", 0, {}}, {"ShutterPriority", 1, {}}}, 0);
        Integer("Min_ShutterTime", kMinShutterUs, kMaxExposureUs, kDefaultMinShutterUs).unit = "us";
        Integer("Max_ShutterTime", kMinShutterUs, kMaxExposureUs, kDefaultMaxShutterUs).unit = "us";
        Integer("TargetBrightness", 0, kByteMax, kDefaultTarget);
        Integer("ALC_Peak_Average", 0, kByteMax, 0);
        for (int cell = 1; cell <= kAlcCells; ++cell) {
            const int64_t weight = cell == (kAlcCells + 1) / 2 ? kCentreWeight : kOuterWeight;
            Integer("ALCWeight" + std::to_string(cell), 0, kMaxWeight, weight).visibility = SimVisibility::Expert;
        }
        for (int border = 1; border <= kAlcBorders; ++border) {
            Integer("ALCWindowH" + std::to_string(border), 0, options_.width - 1,
                    options_.width * border / (kAlcBorders + 1))
                .visibility = SimVisibility::Expert;
        }
        for (int border = 1; border <= kAlcBorders; ++border) {
            Integer("ALCWindowV" + std::to_string(border), 0, options_.height - 1,
                    options_.height * border / (kAlcBorders + 1))
                .visibility = SimVisibility::Expert;
        }
    }

    void WhiteBalance()
    {
        Category("WhiteBalanceControl");
        Enumeration("BalanceWhiteAuto",
                    {{"Off", 0, {}},
                     {"Preset1", 1, {}},
                     {"Preset2", 2, {}},
                     {"Preset3", 3, {}},
                     {"ATW", 4, {}},
                     {"PushToSet", 5, {}}},
                    0);
        // Preset 1 is neutral, preset 2 warm, preset 3 cool.
        constexpr int64_t kWarm = 150;
        constexpr int64_t kCool = 110;
        struct Set {
            const char* suffix;
            int64_t red;
            int64_t blue;
        };
        constexpr std::array<Set, 4> kSets = {{{"Once", kWhiteBalanceUnity, kWhiteBalanceUnity},
                                               {"Preset1", kWhiteBalanceUnity, kWhiteBalanceUnity},
                                               {"Preset2", kWarm, kCool},
                                               {"Preset3", kCool, kWarm}}};
        for (const Set& set : kSets) {
            const std::string suffix = std::string("_") + set.suffix;
            Integer("BalanceRatio_R" + suffix, 0, kByteMax, set.red);
            Integer("BalanceRatio_Gr" + suffix, 0, kByteMax, kWhiteBalanceUnity);
            Integer("BalanceRatio_Gb" + suffix, 0, kByteMax, kWhiteBalanceUnity);
            Integer("BalanceRatio_B" + suffix, 0, kByteMax, set.blue);
        }
        constexpr int64_t kMaxThreshold = 1023;
        constexpr int64_t kDefaultThreshold = 100;
        Integer("YThreshold", 0, kMaxThreshold, kDefaultThreshold);
        Enumeration("WB_WindowMode", kOffOn, 0).visibility = SimVisibility::Expert;
        Integer("WB_WindowH1", 0, options_.width - 1, options_.width / 4).visibility = SimVisibility::Expert;
        Integer("WB_WindowH2", 0, options_.width - 1, options_.width * 3 / 4).visibility = SimVisibility::Expert;
        Integer("WB_WindowV1", 0, options_.height - 1, options_.height / 4).visibility = SimVisibility::Expert;
        Integer("WB_WindowV2", 0, options_.height - 1, options_.height * 3 / 4).visibility = SimVisibility::Expert;
    }

    void Gamma()
    {
        Category("LUTControl");
        Enumeration("GammaMode", kOffOn, 0);
        Command("ReloadGammaData").visibility = SimVisibility::Expert;
    }

    void Trigger()
    {
        Category("TriggerControl");
        At(Enumeration("TriggerMode", kOffOn, 0), ARV_FAKE_CAMERA_REGISTER_TRIGGER_MODE);
        At(Enumeration("TriggerSource", {{"Line0", 0, {}}, {"Software", 1, {}}}, 1),
           ARV_FAKE_CAMERA_REGISTER_TRIGGER_SOURCE);
        Enumeration("TriggerSoftwareSource", {{"PLC", 0, {}}, {"Command", 2, {}}}, 0);
        SimFeature& software = At(Command("TriggerSoftware"), ARV_FAKE_CAMERA_REGISTER_TRIGGER_SOFTWARE);
        software.writeInitial = false;
        At(Enumeration("TriggerActivation", {{"RisingEdge", 0, {}}, {"FallingEdge", 1, {}}}, 0),
           ARV_FAKE_CAMERA_REGISTER_TRIGGER_ACTIVATION);
        Float("TriggerDelay", 0.0, kMaxDelayUs, 0.0, "us");
        Enumeration("TriggerOverlap", {{"Off", 0, {}}, {"ReadOut", 1, {}}}, 0).visibility = SimVisibility::Expert;
        Enumeration("TriggerHorizontalReset", kOffOn, 0).visibility = SimVisibility::Expert;
    }

    void Timer()
    {
        Category("CounterAndTimerControl");
        constexpr int64_t kMaxTicks = 65535;
        constexpr int64_t kMaxGranularity = 1023;
        constexpr int64_t kDefaultGranularity = 999;
        Enumeration("TimerSelector", {{"Timer1", 0, {}}}, 0).visibility = SimVisibility::Expert;
        Integer("TimerGranularityFactor", 1, kMaxGranularity, kDefaultGranularity).visibility = SimVisibility::Expert;
        SimFeature& duration = Integer("TimerDurationRaw", 1, kMaxTicks, 1);
        duration.visibility = SimVisibility::Expert;
        duration.lockedWhileStreaming = true;
        SimFeature& delay = Integer("TimerDelayRaw", 0, kMaxTicks, 1);
        delay.visibility = SimVisibility::Expert;
        delay.lockedWhileStreaming = true;
        SimFeature& source = Enumeration("TimerTriggerSource", kOffContinuous, 0);
        source.visibility = SimVisibility::Expert;
        source.lockedWhileStreaming = true;
    }

    void LogicBlock()
    {
        Category("LogicBlockControl");
        const std::vector<SimEnumEntry> inputSources = {{"Zero", 0, {}},
                                                        {"Line0", 1, {}},
                                                        {"PLC_ctrl0", 2, {}},
                                                        {"PLC_ctrl1", 3, {}},
                                                        {"Timer1Out", 4, {}}};
        for (int input = 0; input < kPlcInputs; ++input)
            Enumeration("PLC_I" + std::to_string(input), inputSources, 0).visibility = SimVisibility::Guru;

        std::vector<SimEnumEntry> variables = {{"Zero", 0, {}}, {"One", 1, {}}};
        for (int input = 0; input < kPlcInputs; ++input)
            variables.push_back({"PLC_I" + std::to_string(input), 2 + input, {}});
        const std::vector<SimEnumEntry> operators = {{"Or", 0, {}}, {"And", 1, {}}, {"Xor", 2, {}}};
        constexpr std::array kOutputs = {4, 9};
        constexpr int kVariables = 4;
        for (int output : kOutputs) {
            const std::string prefix = "PLC_Q" + std::to_string(output) + "_";
            for (int v = 0; v < kVariables; ++v) {
                Enumeration(prefix + "Variable" + std::to_string(v), variables, 0).visibility = SimVisibility::Guru;
                if (v + 1 < kVariables)
                    Enumeration(prefix + "Operator" + std::to_string(v), operators, 0).visibility = SimVisibility::Guru;
            }
        }
        for (const char* name : {"PLC_ctrl0", "PLC_ctrl1"}) {
            SimFeature& control = Boolean(name, false);
            control.visibility = SimVisibility::Guru;
            control.inUserSet = false;
        }
        // Pulse generator 0 is timer 1 seen through the logic block.
        SimFeature& width = Add("PLC_pg0_Width", SimFeatureKind::Integer, 0);
        width.valueNode = "TimerDurationRawReg";
        width.min = 1;
        width.max = 65535;
        width.visibility = SimVisibility::Guru;
        SimFeature& delay = Add("PLC_pg0_Delay", SimFeatureKind::Integer, 0);
        delay.valueNode = "TimerDelayRawReg";
        delay.min = 0;
        delay.max = 65535;
        delay.visibility = SimVisibility::Guru;
    }

    void DigitalIO()
    {
        Category("DigitalIOControl");
        const std::vector<SimEnumEntry> sources = {{"FrameTriggerWait", 0, {}}, {"UserOutputValue", 1, {}},
                                                   {"ExposureActive", 2, {}},   {"TriggerAuxiliary", 3, {}},
                                                   {"TriggerInternal", 4, {}},  {"SensorReadOut", 5, {}},
                                                   {"StrobeSignal", 6, {}}};
        constexpr int64_t kExposureActive = 2;
        const int lines = options_.fivePins ? kOutputLines : kTwoPinLines;
        auto lineVisibility = [lines](int line) {
            return line < lines ? SimVisibility::Beginner : SimVisibility::Invisible;
        };
        for (int line = 0; line < kOutputLines; ++line)
            Enumeration("LineSource" + std::to_string(line), sources, kExposureActive).visibility =
                lineVisibility(line);
        SimFeature& pin2 = Add("LineSourcePin2", SimFeatureKind::Enumeration, 0);
        pin2.entries = sources;
        pin2.valueNode = "LineSource2Reg";
        pin2.visibility = lineVisibility(2);
        for (int line = 0; line < kOutputLines; ++line)
            Boolean("UserOutputValue" + std::to_string(line), false).visibility = lineVisibility(line);
        for (int line = 0; line < kOutputLines; ++line)
            Boolean("LineInverter" + std::to_string(line), false).visibility = lineVisibility(line);
        constexpr double kDefaultOnTimeUs = 100.0;
        Float("StrobeSignalDelay", 0.0, kMaxDelayUs, 0.0, "us");
        Float("StrobeSignalOnTime", 0.0, kMaxDelayUs, kDefaultOnTimeUs, "us");
        Enumeration("StrobeSignalPolarity", {{"Positive", 0, {}}, {"Negative", 1, {}}}, 0).visibility =
            SimVisibility::Expert;
    }

    void CameraSettings()
    {
        Category("CameraSettingsControl");
        constexpr int64_t kMaxTapSelection = 3;
        Enumeration("SmearHalfReduction", kOffOn, 0);
        Enumeration("DoubleSpeedMode", kOffOn, 0).visibility = SimVisibility::Expert;
        Integer("DoubleSpeedModeTapSel", 0, kMaxTapSelection, 0).visibility = SimVisibility::Expert;
    }

    void UserSets()
    {
        Category("UserSetControl");
        const std::vector<SimEnumEntry> sets = {{"Default", 0, {}},
                                                {"UserSet1", 1, {}},
                                                {"UserSet2", 2, {}},
                                                {"UserSet3", 3, {}}};
        Enumeration("UserSetSelector", sets, 0).inUserSet = false;
        Command("UserSetLoad");
        Command("UserSetSave");
        Enumeration("UserSetDefaultSelector", sets, 0).inUserSet = false;
    }

    const SimOptions& options_;
    std::string category_;
    std::set<std::string> availabilityNodes_;
    uint32_t next_ = kSimScratchBase;
};

} // namespace

SimFeatureTable::SimFeatureTable(const SimOptions& options)
{
    Builder builder(options);
    builder.Build();
    features_ = std::move(builder.features);
    helperNodes_ = std::move(builder.helperNodes);
    categories_ = std::move(builder.categories);
}

const SimFeature* SimFeatureTable::Find(std::string_view name) const
{
    for (const SimFeature& feature : features_) {
        if (feature.name == name)
            return &feature;
    }
    return nullptr;
}

uint32_t SimFeatureTable::AddressOf(std::string_view name) const
{
    const SimFeature* feature = Find(name);
    return feature != nullptr ? feature->address : 0;
}

std::string SimSerialText(const SimOptions& options)
{
    if (!options.serial.empty())
        return options.serial;
    const size_t dot = options.interfaceAddress.rfind('.');
    const std::string last =
        dot == std::string::npos ? options.interfaceAddress : options.interfaceAddress.substr(dot + 1);
    std::string digits = last.size() < 4 ? std::string(4 - last.size(), '0') + last : last;
    return "LX" + digits;
}

std::string SimModelName(const SimOptions& options)
{
    return "LXSIM-" + std::to_string(options.width) + (options.colour ? "C" : "M");
}

uint32_t SimSerialNumber(const std::string& serialText)
{
    // FNV-1a of the text, with a month (1 to 12) in the third byte's low nibble.
    uint32_t hash = 2166136261u;
    for (unsigned char c : serialText) {
        hash ^= c;
        hash *= 16777619u;
    }
    constexpr uint32_t kMonthShift = 16;
    constexpr uint32_t kMonths = 12;
    const uint32_t month = (hash % kMonths) + 1;
    return (hash & ~(0xFu << kMonthShift)) | (month << kMonthShift);
}

uint64_t SimMacAddress(const std::string& serialText)
{
    // 02:... is a locally administered unicast prefix.
    constexpr uint64_t kLocalPrefix = 0x024C58000000ULL;
    constexpr uint64_t kDeviceBits = 0xFFFFFF;
    return kLocalPrefix | (SimSerialNumber(serialText) & kDeviceBits);
}

SimBayerPattern SimSensorPattern(const SimOptions& options)
{
    const SimPixelFormat* format = FindSimPixelFormat(options.pixelFormat);
    return format != nullptr && format->IsBayer() ? format->pattern : SimBayerPattern::GR;
}

bool SimOffersPixelFormat(const SimOptions& options, const SimPixelFormat& format)
{
    // Colour sensors also deliver their luminance as Mono8.
    if (options.colour)
        return !format.IsMono() || format.layout == SimPixelLayout::Mono8;
    return format.IsMono();
}

const SimPixelFormat* SimInitialPixelFormat(const SimOptions& options)
{
    const std::string_view name =
        !options.pixelFormat.empty() ? std::string_view(options.pixelFormat) : (options.colour ? "BayerGR8" : "Mono8");
    const SimPixelFormat* format = FindSimPixelFormat(name);
    if (format == nullptr || !SimOffersPixelFormat(options, *format))
        return nullptr;
    return format;
}
