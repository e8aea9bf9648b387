#include "sdk/SdkDevice.h"

#include "sdk/SdkArv.h"
#include "sdk/SdkDeviceImpl.h"
#include "sdk/SdkDiscovery.h"
#include "sdk/SdkGenICamParameters.h"
#include "sdk/SdkLinkParameters.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

namespace {

// Access type of Connect that asks for the controller role.
constexpr int kControllerAccess = 1;
// A lost control link is taken back at most this often.
constexpr auto kRecoveryInterval = std::chrono::seconds(1);
// GVCP reads and writes memory in whole 32-bit words.
constexpr uint32_t kWordSize = 4;

constexpr const char* kPacketSizeFeature = "GevSCPSPacketSize";
constexpr const char* kDestinationAddressFeature = "ArvGevSCDA";
constexpr const char* kDestinationPortFeature = "ArvGevSCPHostPort";

void OnControlLost(ArvDevice*, gpointer impl)
{
    static_cast<SdkDevice::Impl*>(impl)->control->lost = true;
}

// MTU of the network interface that carries the given local address, or 0.
int64_t InterfaceMtu(const std::string& localAddress)
{
    in_addr wanted{};
    if (inet_pton(AF_INET, localAddress.c_str(), &wanted) != 1)
        return 0;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return 0;
    std::string name;
    for (ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET &&
            reinterpret_cast<sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr == wanted.s_addr) {
            name = entry->ifa_name;
            break;
        }
    }
    freeifaddrs(interfaces);
    if (name.empty() || name.size() >= IFNAMSIZ)
        return 0;
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 0;
    ifreq request{};
    std::memcpy(request.ifr_name, name.c_str(), name.size());
    int64_t mtu = ioctl(fd, SIOCGIFMTU, &request) == 0 ? request.ifr_mtu : 0;
    close(fd);
    return mtu;
}

} // namespace

SdkDevice::Impl::Impl()
{
    AddLinkParameters(link);
}

bool SdkDevice::Impl::LinkBoolean(const char* name) const
{
    bool value = false;
    auto* parameter = dynamic_cast<SdkGenBoolean*>(link.Get(name));
    return parameter != nullptr && parameter->GetValue(value).IsOK() && value;
}

int64_t SdkDevice::Impl::LinkInteger(const char* name) const
{
    int64_t value = 0;
    auto* parameter = dynamic_cast<SdkGenInteger*>(link.Get(name));
    return parameter != nullptr && parameter->GetValue(value).IsOK() ? value : 0;
}

SdkDevice::SdkDevice() : impl_(std::make_unique<Impl>()) {}

SdkDevice::~SdkDevice()
{
    Disconnect();
}

SdkResult SdkDevice::Connect(const SdkDiscoveryRecord& info, int accessType)
{
    if (impl_->camera != nullptr)
        return SdkResult::STATE_ERROR;
    if (accessType != kControllerAccess)
        return SdkResult::NOT_SUPPORTED;
    if (info.GetIPAddress().empty())
        return SdkResult::INVALID_PARAMETER;

    ArvCamera* camera = nullptr;
    SdkResult result = ArvCall([&](GError** error) { camera = arv_camera_new(info.GetIPAddress().c_str(), error); });
    if (camera == nullptr)
        return result.IsOK() ? SdkResult(SdkResult::NOT_FOUND) : result;
    if (!result.IsOK() || !arv_camera_is_gv_device(camera)) {
        g_object_unref(camera);
        return result.IsOK() ? SdkResult(SdkResult::NOT_SUPPORTED) : result;
    }
    ArvGvDevice* gvDevice = ARV_GV_DEVICE(arv_camera_get_device(camera));
    // Aravis opens a camera that another host controls all the same; such a
    // camera refuses every write and cannot stream.
    if (!arv_gv_device_is_controller(gvDevice)) {
        g_object_unref(camera);
        return SdkResult::STATE_ERROR;
    }
    // Out-of-range values and writes to read-only features fail here as the
    // camera would refuse them, instead of being sent.
    arv_camera_set_range_check_policy(camera, ARV_RANGE_CHECK_POLICY_ENABLE);
    arv_camera_set_access_check_policy(camera, ARV_ACCESS_CHECK_POLICY_ENABLE);

    impl_->camera = camera;
    impl_->interfaceAddress = AddressText(arv_gv_device_get_interface_address(gvDevice));
    impl_->deviceAddress = AddressText(arv_gv_device_get_device_address(gvDevice));
    impl_->control->lost = false;
    impl_->controlLostHandler =
        g_signal_connect(arv_camera_get_device(camera), "control-lost", G_CALLBACK(OnControlLost), impl_.get());
    AddGenICamParameters(arv_device_get_genicam(arv_camera_get_device(camera)), impl_->parameters);
    if (auto* address = dynamic_cast<SdkLinkString*>(impl_->link.Get(kLinkIPAddress)))
        address->Assign(impl_->interfaceAddress);
    impl_->connected = true;
    return SdkResult::OK;
}

SdkResult SdkDevice::NegotiatePacketSize(int channel, uint32_t fallbackSize)
{
    ArvDevice* device = impl_->Device();
    if (device == nullptr || !impl_->connected)
        return SdkResult::NOT_CONNECTED;
    SdkResult result =
        ArvCall([&](GError** error) { arv_camera_gv_select_stream_channel(impl_->camera, channel, error); });
    if (!result.IsOK())
        return result;

    int64_t min = 0;
    int64_t max = 0;
    int64_t increment = 1;
    result = ArvCall(
        [&](GError** error) { arv_device_get_integer_feature_bounds(device, kPacketSizeFeature, &min, &max, error); });
    if (result.IsOK())
        result = ArvCall([&](GError** error) {
            increment = arv_device_get_integer_feature_increment(device, kPacketSizeFeature, error);
        });
    if (!result.IsOK() || min > max)
        return ArvCall([&](GError** error) {
            arv_camera_gv_set_packet_size(impl_->camera, static_cast<gint>(fallbackSize), error);
        });
    increment = std::max<int64_t>(increment, 1);
    // The camera takes sizes on its own grid, counted from its minimum.
    auto setSize = [&](int64_t size) {
        size = std::clamp(size, min, max);
        size -= (size - min) % increment;
        return ArvCall(
            [&](GError** error) { arv_device_set_integer_feature_value(device, kPacketSizeFeature, size, error); });
    };

    if (!impl_->LinkBoolean(kAutoNegotiation)) {
        int64_t size = impl_->LinkInteger(kDefaultPacketSize);
        result = size >= min && size <= max ? setSize(size) : SdkResult(SdkResult::INVALID_PARAMETER);
    } else {
        // The largest packet that fits the interface's MTU; a camera that can
        // fire test packets then proves it, shrinking it where it must.
        int64_t mtu = InterfaceMtu(impl_->interfaceAddress);
        result = setSize(mtu > 0 ? std::min(mtu, max) : max);
        if (result.IsOK())
            result = ArvCall([&](GError** error) { arv_camera_gv_auto_packet_size(impl_->camera, error); });
    }
    return result.IsOK() ? result : setSize(fallbackSize);
}

SdkResult SdkDevice::SetStreamDestination(const std::string& ipAddress, uint16_t port, int channel)
{
    ArvDevice* device = impl_->Device();
    if (device == nullptr || !impl_->connected)
        return SdkResult::NOT_CONNECTED;
    in_addr address{};
    if (inet_pton(AF_INET, ipAddress.c_str(), &address) != 1)
        return SdkResult::INVALID_PARAMETER;
    SdkResult result =
        ArvCall([&](GError** error) { arv_camera_gv_select_stream_channel(impl_->camera, channel, error); });
    if (result.IsOK())
        result = ArvCall([&](GError** error) {
            arv_device_set_integer_feature_value(device, kDestinationAddressFeature, ntohl(address.s_addr), error);
        });
    if (result.IsOK())
        result = ArvCall([&](GError** error) {
            arv_device_set_integer_feature_value(device, kDestinationPortFeature, port, error);
        });
    return result;
}

bool SdkDevice::IsConnected() const
{
    if (!impl_->connected)
        return false;
    if (!impl_->control->lost)
        return true;
    if (!impl_->LinkBoolean(kLinkRecoveryEnabled))
        return false;
    // Link recovery: take the controller role back once the camera accepts it.
    std::lock_guard<std::mutex> lock(impl_->recoveryMutex);
    auto now = std::chrono::steady_clock::now();
    if (impl_->control->lost && !impl_->control->retaking && now - impl_->lastRecoveryAttempt >= kRecoveryInterval) {
        impl_->lastRecoveryAttempt = now;
        if (arv_gv_device_take_control(ARV_GV_DEVICE(impl_->Device()), nullptr))
            impl_->control->lost = false;
    }
    return !impl_->control->lost;
}

bool SdkDevice::HasControl() const
{
    if (!impl_->connected)
        return false;
    const std::shared_ptr<Impl::Control> control = impl_->control;
    if (!control->lost)
        return true;
    if (!impl_->LinkBoolean(kLinkRecoveryEnabled))
        return false;
    // Asking a camera that does not answer takes seconds: the asking runs on
    // a thread of its own, holding the device, and the caller carries on.
    std::lock_guard<std::mutex> lock(impl_->recoveryMutex);
    auto now = std::chrono::steady_clock::now();
    if (!control->retaking && now - impl_->lastRecoveryAttempt >= kRecoveryInterval) {
        impl_->lastRecoveryAttempt = now;
        control->retaking = true;
        ArvDevice* device = ARV_DEVICE(g_object_ref(impl_->Device()));
        std::thread([device, control] {
            if (arv_gv_device_take_control(ARV_GV_DEVICE(device), nullptr))
                control->lost = false;
            control->retaking = false;
            g_object_unref(device);
        }).detach();
    }
    return false;
}

bool SdkDevice::Answers(std::chrono::milliseconds wait) const
{
    return !impl_->deviceAddress.empty() && SdkDeviceAnswers(impl_->deviceAddress, wait);
}

void SdkDevice::Abandon()
{
    if (impl_->camera == nullptr)
        return;
    ReleaseLastOnOwnThread(impl_->Device());
    Disconnect();
}

SdkResult SdkDevice::Disconnect()
{
    if (impl_->camera == nullptr)
        return SdkResult::NOT_CONNECTED;
    impl_->connected = false;
    g_signal_handler_disconnect(arv_camera_get_device(impl_->camera), impl_->controlLostHandler);
    impl_->controlLostHandler = 0;
    // The parameters point into the camera's GenICam document.
    impl_->parameters.Clear();
    g_object_unref(impl_->camera);
    impl_->camera = nullptr;
    impl_->interfaceAddress.clear();
    impl_->deviceAddress.clear();
    if (auto* address = dynamic_cast<SdkLinkString*>(impl_->link.Get(kLinkIPAddress)))
        address->Assign({});
    return SdkResult::OK;
}

SdkGenParameterArray* SdkDevice::GetGenParameters()
{
    return &impl_->parameters;
}

SdkGenParameterArray* SdkDevice::GetGenLink()
{
    return &impl_->link;
}

SdkResult SdkDevice::ReadRegister(uint32_t address, uint32_t& value)
{
    ArvDevice* device = impl_->Device();
    if (device == nullptr)
        return SdkResult::NOT_CONNECTED;
    return ArvCall([&](GError** error) { arv_device_read_register(device, address, &value, error); });
}

SdkResult SdkDevice::WriteRegister(uint32_t address, uint32_t value)
{
    ArvDevice* device = impl_->Device();
    if (device == nullptr)
        return SdkResult::NOT_CONNECTED;
    return ArvCall([&](GError** error) { arv_device_write_register(device, address, value, error); });
}

SdkResult SdkDevice::ReadMemory(uint32_t address, void* data, uint32_t size)
{
    ArvDevice* device = impl_->Device();
    if (device == nullptr)
        return SdkResult::NOT_CONNECTED;
    if (size == 0)
        return SdkResult::OK;
    // Read the whole words that cover the range, then keep the part asked for.
    uint64_t first = address & ~uint64_t{kWordSize - 1};
    uint64_t end = (uint64_t{address} + size + kWordSize - 1) & ~uint64_t{kWordSize - 1};
    std::vector<uint8_t> words(end - first);
    SdkResult result = ArvCall([&](GError** error) {
        arv_device_read_memory(device, first, static_cast<guint32>(words.size()), words.data(), error);
    });
    if (result.IsOK())
        std::memcpy(data, words.data() + (address - first), size);
    return result;
}

SdkResult SdkDevice::WriteMemory(uint32_t address, const void* data, uint32_t size)
{
    ArvDevice* device = impl_->Device();
    if (device == nullptr)
        return SdkResult::NOT_CONNECTED;
    if (address % kWordSize != 0 || size % kWordSize != 0)
        return SdkResult::INVALID_PARAMETER;
    if (size == 0)
        return SdkResult::OK;
    return ArvCall(
        [&](GError** error) { arv_device_write_memory(device, address, size, const_cast<void*>(data), error); });
}
