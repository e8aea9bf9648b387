#include "optionboard/OptionBoardLink.h"

#include "camera/CRS232C_OM.h"
#include "camera/CameraConnection.h"

namespace {

constexpr int kCameraPort = 0;
constexpr int kUserFpgaPort = 1;
constexpr uint8_t kCameraBank = 0x80;
constexpr uint8_t kUserFpgaBank = 0x00;

constexpr uint8_t kDataPathAddress = 192;
constexpr uint8_t kJtagAddress = 24;
constexpr uint8_t kUserFpgaEnableAddress = 25;

constexpr uint8_t kImageProcessingAddress = 0;
constexpr uint8_t kOutputControlAddress = 6;
constexpr uint8_t kFrameMemoryAddress = 7;

constexpr int kOk = 0;

} // namespace

OptionBoardLink::OptionBoardLink(CRS232C_OM& serial, SdkDevice& device) : serial_(serial), device_(device) {}

bool OptionBoardLink::OpenCameraPort()
{
    return serial_.OpenPort(device_, kCameraPort);
}

bool OptionBoardLink::ReadState(OptionState& state)
{
    // Without a channel every read would fail slowly and report itself; the
    // state keeps its values instead.
    if (!OpenCameraPort())
        return false;
    uint8_t word[2] = {};
    if (serial_.ReadRegister(kCameraBank, kDataPathAddress, 2, word) != kOk)
        return false;
    SplitDataPathRegister(static_cast<uint16_t>(word[0] | (word[1] << 8)), state);
    uint8_t byte = 0;
    if (serial_.ReadRegister(kCameraBank, kJtagAddress, 1, &byte) != kOk)
        return false;
    state.jtagConnection = byte & 1;
    if (serial_.ReadRegister(kCameraBank, kUserFpgaEnableAddress, 1, &byte) != kOk)
        return false;
    state.userFpgaEnable = byte & 1;
    return true;
}

int OptionBoardLink::WriteDataPath(const OptionState& wanted)
{
    if (!OpenCameraPort())
        return kPortNotOpened;
    const std::array<uint8_t, 2> bytes = ComposeDataPathRegister(wanted);
    return serial_.WriteRegister(kCameraBank, kDataPathAddress, static_cast<uint8_t>(bytes.size()), bytes.data());
}

int OptionBoardLink::WriteJtagConnection(const OptionState& wanted)
{
    if (!OpenCameraPort())
        return kPortNotOpened;
    const uint8_t byte = wanted.jtagConnection & 1;
    return serial_.WriteRegister(kCameraBank, kJtagAddress, 1, &byte);
}

int OptionBoardLink::WriteUserFpgaEnable(const OptionState& wanted)
{
    if (!OpenCameraPort())
        return kPortNotOpened;
    const uint8_t byte = wanted.userFpgaEnable & 1;
    return serial_.WriteRegister(kCameraBank, kUserFpgaEnableAddress, 1, &byte);
}

int OptionBoardLink::WriteUserFpga(uint8_t address, uint8_t length, const uint8_t* bytes)
{
    const int code = serial_.OpenPort(device_, kUserFpgaPort)
                         ? serial_.WriteRegister(kUserFpgaBank, address, length, bytes)
                         : kPortNotOpened;
    OpenCameraPort();
    return code;
}

int OptionBoardLink::WriteImageProcessing(const OptionState& wanted)
{
    const std::array<uint8_t, 5> bytes = ImageProcessingBytes(wanted);
    return WriteUserFpga(kImageProcessingAddress, static_cast<uint8_t>(bytes.size()), bytes.data());
}

int OptionBoardLink::WriteFrameMemory(const OptionState& wanted)
{
    const std::array<uint8_t, 2> bytes = FrameMemoryBytes(wanted);
    return WriteUserFpga(kFrameMemoryAddress, static_cast<uint8_t>(bytes.size()), bytes.data());
}

int OptionBoardLink::WriteOutputControl(const OptionState& wanted)
{
    const uint8_t byte = OutputControlByte(wanted);
    return WriteUserFpga(kOutputControlAddress, 1, &byte);
}

bool ChangeOptionState(CameraConnection* camera, OptionState& state, const std::function<void(OptionState&)>& edit,
                       OptionBoardLink::Write write)
{
    if (!camera)
        return false;
    OptionState wanted = state;
    edit(wanted);
    OptionBoardLink link(camera->GetSerial(), camera->GetDevice());
    if ((link.*write)(wanted) != kOk)
        return false;
    state = wanted;
    return true;
}
