// The camera's description and register layout for every kind of camera,
// checked without a network.
#include "sim/SimFeatureTable.h"
#include "sim/SimGenicamXml.h"
#include "sim/SimOptionBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

namespace {

std::vector<SimOptions> CameraKinds()
{
    SimOptions colour;
    SimOptions mono;
    mono.colour = false;
    mono.pixelFormat = "Mono12Packed";
    SimOptions fivePins;
    fivePins.fivePins = true;
    fivePins.optionBoard = false;
    fivePins.pixelFormat = "BayerBG10";
    SimOptions bare;
    const SimFeatureTable all(bare);
    for (const SimFeature& f : all.Features())
        bare.without.push_back(f.name);
    return {colour, mono, fivePins, bare};
}

} // namespace

TEST(SimDescription, EveryNodeReferenceIsDefinedForEveryKindOfCamera)
{
    const std::regex definition(R"(Name="([^"]+)\")");
    const std::regex reference(R"(<(pValue|pVariable[^>]*|pIsAvailable|pIsLocked|pMax|pFeature)>([^<]+)<)");
    for (const SimOptions& options : CameraKinds()) {
        const std::string xml = BuildSimGenicamXml(SimFeatureTable(options), options);
        std::set<std::string> defined;
        for (std::sregex_iterator it(xml.begin(), xml.end(), definition), end; it != end; ++it)
            defined.insert((*it)[1]);
        int references = 0;
        for (std::sregex_iterator it(xml.begin(), xml.end(), reference), end; it != end; ++it) {
            EXPECT_EQ(defined.count((*it)[2]), 1u) << (*it)[2] << " is referred to but not defined";
            ++references;
        }
        EXPECT_GT(references, 20);
        for (const std::string& name : options.without)
            EXPECT_EQ(xml.find("<pFeature>" + name + "</pFeature>"), std::string::npos) << name;
    }
}

TEST(SimDescription, RegistersStayApartAndClearOfTheSerialBridge)
{
    SimOptions options;
    options.fivePins = true;
    const SimFeatureTable table(options);
    std::vector<std::pair<uint32_t, uint32_t>> scratch; // begin, end
    for (const SimFeature& f : table.Features()) {
        if (f.address == 0)
            continue;
        SCOPED_TRACE(f.name);
        EXPECT_LE(f.address + f.length, SerialBridge::kPortBase[0]);
        if (f.address >= kSimScratchBase)
            scratch.emplace_back(f.address, f.address + f.length);
    }
    std::sort(scratch.begin(), scratch.end());
    for (size_t i = 1; i < scratch.size(); ++i)
        EXPECT_LE(scratch[i - 1].second, scratch[i].first) << "registers at " << scratch[i].first << " overlap";
    EXPECT_GT(scratch.size(), 120u);
}
