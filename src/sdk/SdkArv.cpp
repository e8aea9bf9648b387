#include "sdk/SdkArv.h"

#include "sdk/SdkDevice.h"

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace {

// How often a thread releasing an object looks whether it is the last holder.
constexpr auto kLastHolderPoll = std::chrono::milliseconds(20);
std::atomic<int> releasesInFlight{0};

uint32_t CodeOfGenICamError(int code)
{
    switch (code) {
    case ARV_GC_ERROR_OUT_OF_RANGE:
    case ARV_GC_ERROR_ENUM_ENTRY_NOT_FOUND:
    case ARV_GC_ERROR_INVALID_LENGTH:
    case ARV_GC_ERROR_INVALID_SYNTAX:
        return SdkResult::INVALID_PARAMETER;
    case ARV_GC_ERROR_READ_ONLY:
        return SdkResult::NOT_SUPPORTED;
    case ARV_GC_ERROR_NODE_NOT_FOUND:
        return SdkResult::NOT_FOUND;
    case ARV_GC_ERROR_NO_DEVICE_SET:
        return SdkResult::NOT_CONNECTED;
    case ARV_GC_ERROR_SET_FROM_STRING_UNDEFINED:
    case ARV_GC_ERROR_GET_AS_STRING_UNDEFINED:
    case ARV_GC_ERROR_NO_EVENT_IMPLEMENTATION:
        return SdkResult::NOT_IMPLEMENTED;
    default:
        return SdkResult::GENICAM_XML_ERROR;
    }
}

uint32_t CodeOfDeviceError(int code)
{
    switch (code) {
    case ARV_DEVICE_ERROR_WRONG_FEATURE:
    case ARV_DEVICE_ERROR_INVALID_PARAMETER:
    case ARV_DEVICE_ERROR_PROTOCOL_ERROR_INVALID_PARAMETER:
    case ARV_DEVICE_ERROR_PROTOCOL_ERROR_INVALID_ADDRESS:
    case ARV_DEVICE_ERROR_PROTOCOL_ERROR_BAD_ALIGNMENT:
        return SdkResult::INVALID_PARAMETER;
    case ARV_DEVICE_ERROR_FEATURE_NOT_FOUND:
    case ARV_DEVICE_ERROR_NOT_FOUND:
        return SdkResult::NOT_FOUND;
    case ARV_DEVICE_ERROR_NOT_CONNECTED:
        return SdkResult::NOT_CONNECTED;
    case ARV_DEVICE_ERROR_TIMEOUT:
        return SdkResult::TIMEOUT;
    case ARV_DEVICE_ERROR_GENICAM_NOT_FOUND:
        return SdkResult::GENICAM_XML_ERROR;
    case ARV_DEVICE_ERROR_PROTOCOL_ERROR_NOT_IMPLEMENTED:
        return SdkResult::NOT_IMPLEMENTED;
    case ARV_DEVICE_ERROR_PROTOCOL_ERROR_WRITE_PROTECT:
        return SdkResult::NOT_SUPPORTED;
    case ARV_DEVICE_ERROR_NOT_CONTROLLER:
    case ARV_DEVICE_ERROR_PROTOCOL_ERROR_ACCESS_DENIED:
    case ARV_DEVICE_ERROR_PROTOCOL_ERROR_BUSY:
        return SdkResult::STATE_ERROR;
    default:
        return SdkResult::GENERIC_ERROR;
    }
}

} // namespace

SdkResult ResultFromError(GError* error)
{
    if (error == nullptr)
        return SdkResult::OK;
    uint32_t code = SdkResult::GENERIC_ERROR;
    if (error->domain == arv_gc_error_quark())
        code = CodeOfGenICamError(error->code);
    else if (error->domain == arv_device_error_quark())
        code = CodeOfDeviceError(error->code);
    g_error_free(error);
    return code;
}

std::string AddressText(GInetAddress* address)
{
    if (address == nullptr)
        return {};
    gchar* text = g_inet_address_to_string(address);
    std::string result = text != nullptr ? text : "";
    g_free(text);
    return result;
}

std::string AddressText(GSocketAddress* address)
{
    if (!G_IS_INET_SOCKET_ADDRESS(address))
        return {};
    return AddressText(g_inet_socket_address_get_address(G_INET_SOCKET_ADDRESS(address)));
}

void ReleaseLastOnOwnThread(gpointer object)
{
    // An object handed over more than once (a device held by its camera and
    // by its stream) has several releasing threads, each holding a reference:
    // each one lets go once only the releasing threads are left, else each
    // would wait for the others for ever, and the object and threads leak.
    static std::mutex mutex;
    static std::map<gpointer, int> releasers;
    g_object_ref(object);
    {
        std::lock_guard lock(mutex);
        ++releasers[object];
    }
    releasesInFlight.fetch_add(1);
    std::thread([object] {
        for (;;) {
            {
                std::lock_guard lock(mutex);
                auto waiting = releasers.find(object);
                if (g_atomic_int_get(&G_OBJECT(object)->ref_count) <= waiting->second) {
                    if (--waiting->second == 0)
                        releasers.erase(waiting);
                    break;
                }
            }
            std::this_thread::sleep_for(kLastHolderPoll);
        }
        g_object_unref(object);
        releasesInFlight.fetch_sub(1);
    }).detach();
}

int SdkReleasesInFlight()
{
    return releasesInFlight.load();
}
