#pragma once

#include "SimOptions.h"
#include "SimPixelFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class SimFeatureKind { Integer, Float, Enumeration, Boolean, Command, String };
enum class SimVisibility { Beginner, Expert, Guru, Invisible };
enum class SimAccess { ReadOnly, ReadWrite, WriteOnly };

struct SimEnumEntry {
    std::string name;
    int64_t value = 0;
    // Node whose non-zero value makes the entry available; empty: always.
    std::string availability;
};

// One camera feature as the simulated camera publishes it, with the register
// that holds its value. Registers are big-endian words in the camera's memory.
struct SimFeature {
    std::string name;
    SimFeatureKind kind = SimFeatureKind::Integer;
    std::string category;
    SimVisibility visibility = SimVisibility::Beginner;
    SimAccess access = SimAccess::ReadWrite;

    uint32_t address = 0; // 0: the value comes from valueNode
    uint32_t length = 4;  // bytes of the register (strings: of the text field)
    // A bit field of the register, numbered as GenICam does for big-endian
    // registers (bit 31 is the least significant bit of a 4-byte register).
    bool masked = false;
    int msb = 0;
    int lsb = 31;
    // Set instead of an own register: the node that gives the value.
    std::string valueNode;

    int64_t min = 0;
    int64_t max = 0;
    int64_t increment = 1;
    std::string maxNode; // node giving the maximum instead of max
    double floatMin = 0.0;
    double floatMax = 0.0;
    std::string unit;
    std::string representation; // GenICam display hint of an integer
    std::vector<SimEnumEntry> entries;
    int64_t commandValue = 1;

    int64_t initial = 0;
    double floatInitial = 0.0;
    std::string textInitial;
    // The value is written at start-up (false for fields of shared registers).
    bool writeInitial = true;

    // Refused while TLParamsLocked is set (streaming).
    bool lockedWhileStreaming = false;
    // Saved and restored by the user sets.
    bool inUserSet = false;
};

// Every feature of one simulated camera, with its register addresses: the
// fake camera's own registers where it acts on them (geometry, pixel format,
// acquisition, trigger, gain, exposure), GigE Vision bootstrap registers for
// the device and network features, scratch registers from 0xA000 for the rest.
class SimFeatureTable {
public:
    explicit SimFeatureTable(const SimOptions& options);

    const std::vector<SimFeature>& Features() const { return features_; }
    // Raw GenICam nodes the features refer to (converters, formulas, the
    // registers of computed values).
    const std::vector<std::string>& HelperNodes() const { return helperNodes_; }
    // Category names in the order they are shown.
    const std::vector<std::string>& Categories() const { return categories_; }

    const SimFeature* Find(std::string_view name) const;
    // Register address of a feature, 0 when it has none of its own.
    uint32_t AddressOf(std::string_view name) const;

private:
    std::vector<SimFeature> features_;
    std::vector<std::string> helperNodes_;
    std::vector<std::string> categories_;
};

// Scratch registers start here; everything stays below the serial bridge.
inline constexpr uint32_t kSimScratchBase = 0xA000;

// Identity of a simulated camera, derived from its options.
std::string SimSerialText(const SimOptions& options);
std::string SimModelName(const SimOptions& options);
// The integer serial number: four bytes whose third one's low nibble is a
// month (1 to 12), as the about box decodes it.
uint32_t SimSerialNumber(const std::string& serialText);
// A locally administered MAC address unique to the serial text.
uint64_t SimMacAddress(const std::string& serialText);
// The sensor's own Bayer pattern (from a Bayer initial pixel format, else GR).
SimBayerPattern SimSensorPattern(const SimOptions& options);
// The pixel format the camera starts in, or null when the options name one
// that this camera does not offer.
const SimPixelFormat* SimInitialPixelFormat(const SimOptions& options);
// Whether a camera of these options offers the format.
bool SimOffersPixelFormat(const SimOptions& options, const SimPixelFormat& format);
