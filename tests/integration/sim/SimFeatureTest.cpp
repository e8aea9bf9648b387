// The simulated camera as an Aravis client sees it: discovery, the feature
// tree with its types, ranges, entries and visibilities.
#include "SimTestSupport.h"

#include "sim/SimFeatureTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

namespace {

std::string RunAndRead(const std::string& command)
{
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return output;
    char chunk[4096];
    size_t n = 0;
    while ((n = fread(chunk, 1, sizeof chunk, pipe.get())) > 0)
        output.append(chunk, n);
    return output;
}

std::vector<std::string> AvailableEntries(CameraClient& client, const char* feature)
{
    guint count = 0;
    GError* error = nullptr;
    const char** names = arv_camera_dup_available_enumerations_as_strings(client.Camera(), feature, &count, &error);
    std::vector<std::string> entries;
    if (error != nullptr) {
        g_error_free(error);
        return entries;
    }
    for (guint i = 0; i < count; ++i)
        entries.emplace_back(names[i]);
    g_free(names);
    return entries;
}

bool Contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

ArvGcVisibility Visibility(CameraClient& client, const char* feature)
{
    ArvGcNode* node = client.Node(feature);
    return node != nullptr ? arv_gc_feature_node_get_visibility(ARV_GC_FEATURE_NODE(node))
                           : ARV_GC_VISIBILITY_UNDEFINED;
}

ArvGcVisibility Expected(SimVisibility visibility)
{
    switch (visibility) {
    case SimVisibility::Beginner:
        return ARV_GC_VISIBILITY_BEGINNER;
    case SimVisibility::Expert:
        return ARV_GC_VISIBILITY_EXPERT;
    case SimVisibility::Guru:
        return ARV_GC_VISIBILITY_GURU;
    case SimVisibility::Invisible:
        return ARV_GC_VISIBILITY_INVISIBLE;
    }
    return ARV_GC_VISIBILITY_UNDEFINED;
}

class SimFeatureTest : public SimCameraTest {};

} // namespace

TEST(SimDiscovery, ArvToolListsTheCameraAndAllItsFeatures)
{
    SimCamera sim;
    ASSERT_TRUE(sim.Start(TestOptions())) << sim.ErrorText();

    const std::string cameras = RunAndRead("arv-tool-0.8 2>&1");
    EXPECT_NE(cameras.find("Norvane-LXSIM-320C-" + sim.SerialText() + " (" + TestAddress() + ")"), std::string::npos)
        << cameras;

    const std::string features = RunAndRead("arv-tool-0.8 -a " + TestAddress() + " features 2>&1");
    const SimFeatureTable table(sim.Options());
    for (const SimFeature& f : table.Features())
        EXPECT_NE(features.find("'" + f.name + "'"), std::string::npos) << f.name;
}

TEST_F(SimFeatureTest, EveryFeatureHasItsTypeVisibilityAndStartValue)
{
    ASSERT_NO_FATAL_FAILURE(Connect(TestOptions()));
    CameraClient& client = Client();

    const SimFeatureTable table(sim_.Options());
    for (const SimFeature& f : table.Features()) {
        SCOPED_TRACE(f.name);
        ArvGcNode* node = client.Node(f.name.c_str());
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(Visibility(client, f.name.c_str()), Expected(f.visibility));
        // Values written at start-up read back through the feature's own type.
        const bool startValue = f.address != 0 && f.writeInitial;
        const char* name = f.name.c_str();
        switch (f.kind) {
        case SimFeatureKind::Command:
            EXPECT_TRUE(ARV_IS_GC_COMMAND(node));
            break;
        case SimFeatureKind::Enumeration: {
            ASSERT_TRUE(ARV_IS_GC_ENUMERATION(node));
            const auto value = client.Enumeration(name);
            ASSERT_TRUE(value) << client.LastError();
            const auto entry = std::find_if(f.entries.begin(), f.entries.end(),
                                            [&](const SimEnumEntry& e) { return e.name == *value; });
            ASSERT_NE(entry, f.entries.end());
            if (startValue) {
                EXPECT_EQ(entry->value, f.initial);
            }
            break;
        }
        case SimFeatureKind::Boolean: {
            ASSERT_TRUE(ARV_IS_GC_BOOLEAN(node));
            const auto value = client.Boolean(name);
            ASSERT_TRUE(value) << client.LastError();
            if (startValue) {
                EXPECT_EQ(*value, f.initial != 0);
            }
            break;
        }
        case SimFeatureKind::Float: {
            ASSERT_TRUE(ARV_IS_GC_FLOAT(node));
            const auto value = client.Float(name);
            ASSERT_TRUE(value) << client.LastError();
            if (startValue) {
                EXPECT_DOUBLE_EQ(*value, f.floatInitial);
            }
            break;
        }
        case SimFeatureKind::Integer: {
            ASSERT_TRUE(ARV_IS_GC_INTEGER(node) && !ARV_IS_GC_ENUMERATION(node));
            const auto value = client.Integer(name);
            ASSERT_TRUE(value) << client.LastError();
            if (startValue) {
                EXPECT_EQ(*value, f.initial);
            }
            break;
        }
        case SimFeatureKind::String: {
            ASSERT_TRUE(ARV_IS_GC_STRING(node));
            const auto value = client.String(name);
            ASSERT_TRUE(value) << client.LastError();
            EXPECT_EQ(*value, f.textInitial);
            break;
        }
        }
    }
    EXPECT_NEAR(*client.Float("AcquisitionFrameRate"), sim_.Options().fps, 0.01);
    EXPECT_EQ(*client.Integer("GevCurrentIPAddress"), 0x7F000000 | std::stoi(TestAddress().substr(8)));
    EXPECT_EQ(*client.Integer("PayloadSize"), 320 * 240);
}

TEST_F(SimFeatureTest, IntegerRangesFollowTheAreaAndOutOfRangeWritesFail)
{
    ASSERT_NO_FATAL_FAILURE(Connect(TestOptions()));
    CameraClient& client = Client();

    auto bounds = [&](const char* name) {
        gint64 min = 0;
        gint64 max = 0;
        GError* error = nullptr;
        arv_camera_get_integer_bounds(client.Camera(), name, &min, &max, &error);
        EXPECT_EQ(error, nullptr);
        g_clear_error(&error);
        const gint64 increment = arv_camera_get_integer_increment(client.Camera(), name, &error);
        g_clear_error(&error);
        return std::array<gint64, 3>{min, max, increment};
    };
    EXPECT_EQ(bounds("Width"), (std::array<gint64, 3>{32, 320, 8}));
    EXPECT_EQ(bounds("Height"), (std::array<gint64, 3>{32, 240, 2}));
    EXPECT_EQ(bounds("GainRaw"), (std::array<gint64, 3>{0, 255, 1}));

    // The area never leaves the sensor: a wider image leaves less room to move it.
    EXPECT_TRUE(client.SetInteger("Width", 256));
    EXPECT_EQ(bounds("OffsetX")[1], 64);
    EXPECT_FALSE(client.SetInteger("OffsetX", 72));
    EXPECT_TRUE(client.SetInteger("OffsetX", 64));
    EXPECT_EQ(bounds("Width")[1], 256);
    EXPECT_FALSE(client.SetInteger("Width", 264));
    // Binning halves the usable sensor.
    EXPECT_TRUE(client.SetInteger("OffsetX", 0));
    EXPECT_TRUE(client.SetInteger("Width", 160));
    EXPECT_TRUE(client.SetInteger("BinningHorizontal", 2));
    EXPECT_EQ(bounds("Width")[1], 160);

    EXPECT_FALSE(client.SetInteger("GainRaw", 256));
    EXPECT_FALSE(client.SetInteger("SensorWidth", 64)) << "read-only";
    EXPECT_FALSE(client.SetFloat("AcquisitionFrameRate", 2000.0));
    EXPECT_TRUE(client.SetFloat("AcquisitionFrameRate", 50.0)) << client.LastError();
    EXPECT_NEAR(*client.Float("AcquisitionFrameRate"), 50.0, 0.01);
    EXPECT_EQ(sim_.ReadRegister(ARV_FAKE_CAMERA_REGISTER_ACQUISITION_FRAME_PERIOD_US), 20000u);
}

TEST_F(SimFeatureTest, EnumerationEntriesAndBayerAvailabilityFollowTheReadOut)
{
    ASSERT_NO_FATAL_FAILURE(Connect(TestOptions()));
    {
        CameraClient& client = Client();
        std::vector<std::string> formats = AvailableEntries(client, "PixelFormat");
        EXPECT_TRUE(Contains(formats, "BayerGR8"));
        EXPECT_TRUE(Contains(formats, "BayerGR12Packed"));
        EXPECT_FALSE(Contains(formats, "BayerRG8"));
        EXPECT_TRUE(Contains(formats, "RGB8Packed"));
        EXPECT_TRUE(Contains(formats, "BGR8Packed"));
        EXPECT_FALSE(Contains(formats, "Mono12"));

        // Mirroring the read-out turns the sensor's GR mosaic into RG.
        EXPECT_TRUE(client.SetBoolean("ReverseX", true));
        formats = AvailableEntries(client, "PixelFormat");
        EXPECT_TRUE(Contains(formats, "BayerRG8"));
        EXPECT_FALSE(Contains(formats, "BayerGR8"));
        EXPECT_TRUE(client.SetBoolean("ReverseY", true));
        formats = AvailableEntries(client, "PixelFormat");
        EXPECT_TRUE(Contains(formats, "BayerGB10"));

        EXPECT_EQ(AvailableEntries(client, "BalanceWhiteAuto"),
                  (std::vector<std::string>{"Off", "Preset1", "Preset2", "Preset3", "ATW", "PushToSet"}));
        EXPECT_TRUE(client.SetEnumeration("ExposureMode", "Off"));
        EXPECT_FALSE(client.SetEnumeration("ExposureMode", "Sometimes"));
    }

    SimOptions mono = TestOptions();
    mono.colour = false;
    ASSERT_NO_FATAL_FAILURE(Connect(mono));
    CameraClient& client = Client();
    EXPECT_EQ(
        AvailableEntries(client, "PixelFormat"),
        (std::vector<std::string>{"Mono8", "Mono10", "Mono10Packed", "Mono12", "Mono12Packed", "Mono14", "Mono16"}));
    EXPECT_EQ(*client.Integer("DeviceColorFlg"), 0);
}

TEST_F(SimFeatureTest, PinCountBoardAndLeftOutFeaturesShapeTheDescription)
{
    SimOptions options = TestOptions();
    options.without = {"ReverseY", "LensManualAdjustment"};
    ASSERT_NO_FATAL_FAILURE(Connect(options));
    {
        CameraClient& client = Client();
        EXPECT_EQ(client.Node("ReverseY"), nullptr);
        EXPECT_EQ(client.Node("LensManualAdjustment"), nullptr);
        EXPECT_NE(client.Node("ReverseX"), nullptr);
        EXPECT_EQ(Visibility(client, "LineSourcePin2"), ARV_GC_VISIBILITY_INVISIBLE);
        EXPECT_EQ(Visibility(client, "LineSource4"), ARV_GC_VISIBILITY_INVISIBLE);
        EXPECT_EQ(Visibility(client, "LineSource1"), ARV_GC_VISIBILITY_BEGINNER);
        EXPECT_EQ(*client.Integer("DeviceOptionFlg"), 1);
        // Formulas that read a left-out feature's register still work.
        EXPECT_TRUE(Contains(AvailableEntries(client, "PixelFormat"), "BayerGR8"));
    }

    options = TestOptions();
    options.fivePins = true;
    options.optionBoard = false;
    options.modelCode = 0x1A2;
    options.deviceVersion = "2.0006 beta";
    ASSERT_NO_FATAL_FAILURE(Connect(options));
    CameraClient& client = Client();
    EXPECT_EQ(Visibility(client, "LineSourcePin2"), ARV_GC_VISIBILITY_BEGINNER);
    EXPECT_EQ(Visibility(client, "LineSource4"), ARV_GC_VISIBILITY_BEGINNER);
    EXPECT_EQ(*client.Integer("DeviceOptionFlg"), 0);
    EXPECT_EQ(*client.Integer("ModelCode"), 0x1A2);
    EXPECT_EQ(*client.String("DeviceVersion"), "2.0006 beta");
    // LineSourcePin2 is line 2 under the name the five-pin models use.
    EXPECT_TRUE(client.SetEnumeration("LineSourcePin2", "UserOutputValue"));
    EXPECT_EQ(*client.Enumeration("LineSource2"), "UserOutputValue");
}

TEST(SimFeatureOptions, InvalidOptionsAreRefusedWithAReason)
{
    SimCamera sim;
    SimOptions options = TestOptions();
    options.colour = false;
    options.pixelFormat = "BayerRG8";
    EXPECT_FALSE(sim.Start(options));
    EXPECT_NE(sim.ErrorText().find("BayerRG8"), std::string::npos);

    options = TestOptions();
    options.without = {"NoSuchFeature"};
    EXPECT_FALSE(sim.Start(options));
    EXPECT_NE(sim.ErrorText().find("NoSuchFeature"), std::string::npos);

    options = TestOptions();
    options.width = 1001;
    EXPECT_FALSE(sim.Start(options));

    options = TestOptions();
    options.interfaceAddress = "192.0.2.1"; // not on any interface of the namespace
    EXPECT_FALSE(sim.Start(options));
    EXPECT_FALSE(sim.IsRunning());
    EXPECT_NE(sim.ErrorText().find("192.0.2.1"), std::string::npos);
}
