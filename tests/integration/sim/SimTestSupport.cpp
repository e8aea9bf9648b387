#include "SimTestSupport.h"

#include <cstring>

namespace {

constexpr int kStreamBuffers = 8;
constexpr int kTestWidth = 320;
constexpr int kTestHeight = 240;

} // namespace

SimOptions TestOptions(int offset)
{
    SimOptions options;
    options.interfaceAddress = TestAddress(offset);
    options.width = kTestWidth;
    options.height = kTestHeight;
    options.fps = 100.0;
    return options;
}

void SimCameraTest::Connect(const SimOptions& options)
{
    client_.reset();
    ASSERT_TRUE(sim_.Start(options)) << sim_.ErrorText();
    client_ = std::make_unique<CameraClient>(options.interfaceAddress);
    ASSERT_TRUE(client_->IsConnected()) << client_->LastError();
}

CameraClient::CameraClient(const std::string& address)
{
    GError* error = nullptr;
    camera_ = arv_camera_new(address.c_str(), &error);
    if (!Check(error)) {
        g_clear_object(&camera_);
        return;
    }
    arv_camera_set_range_check_policy(camera_, ARV_RANGE_CHECK_POLICY_ENABLE);
    arv_camera_set_access_check_policy(camera_, ARV_ACCESS_CHECK_POLICY_ENABLE);
}

CameraClient::~CameraClient()
{
    StopStream();
    g_clear_object(&camera_);
}

bool CameraClient::Check(GError* error)
{
    if (error == nullptr)
        return true;
    lastError_ = error->message;
    g_error_free(error);
    return false;
}

ArvDevice* CameraClient::Device() const
{
    return camera_ != nullptr ? arv_camera_get_device(camera_) : nullptr;
}

ArvGcNode* CameraClient::Node(const char* name) const
{
    return camera_ != nullptr ? arv_device_get_feature(Device(), name) : nullptr;
}

std::optional<int64_t> CameraClient::Integer(const char* name)
{
    GError* error = nullptr;
    const int64_t value = arv_device_get_integer_feature_value(Device(), name, &error);
    return Check(error) ? std::optional<int64_t>(value) : std::nullopt;
}

bool CameraClient::SetInteger(const char* name, int64_t value)
{
    GError* error = nullptr;
    arv_device_set_integer_feature_value(Device(), name, value, &error);
    return Check(error);
}

std::optional<double> CameraClient::Float(const char* name)
{
    GError* error = nullptr;
    const double value = arv_device_get_float_feature_value(Device(), name, &error);
    return Check(error) ? std::optional<double>(value) : std::nullopt;
}

bool CameraClient::SetFloat(const char* name, double value)
{
    GError* error = nullptr;
    arv_device_set_float_feature_value(Device(), name, value, &error);
    return Check(error);
}

std::optional<std::string> CameraClient::Enumeration(const char* name)
{
    GError* error = nullptr;
    const char* value = arv_device_get_string_feature_value(Device(), name, &error);
    if (!Check(error) || value == nullptr)
        return std::nullopt;
    return std::string(value);
}

bool CameraClient::SetEnumeration(const char* name, const char* entry)
{
    GError* error = nullptr;
    arv_device_set_string_feature_value(Device(), name, entry, &error);
    return Check(error);
}

std::optional<bool> CameraClient::Boolean(const char* name)
{
    GError* error = nullptr;
    const gboolean value = arv_device_get_boolean_feature_value(Device(), name, &error);
    return Check(error) ? std::optional<bool>(value != FALSE) : std::nullopt;
}

bool CameraClient::SetBoolean(const char* name, bool value)
{
    GError* error = nullptr;
    arv_device_set_boolean_feature_value(Device(), name, value ? TRUE : FALSE, &error);
    return Check(error);
}

std::optional<std::string> CameraClient::String(const char* name)
{
    return Enumeration(name);
}

bool CameraClient::Execute(const char* name)
{
    GError* error = nullptr;
    arv_device_execute_command(Device(), name, &error);
    return Check(error);
}

bool CameraClient::ReadMemory(uint32_t address, void* data, uint32_t size)
{
    GError* error = nullptr;
    arv_device_read_memory(Device(), address, size, data, &error);
    return Check(error);
}

bool CameraClient::WriteMemory(uint32_t address, const void* data, uint32_t size)
{
    GError* error = nullptr;
    arv_device_write_memory(Device(), address, size, const_cast<void*>(data), &error);
    return Check(error);
}

bool CameraClient::StartStream(int packetSize)
{
    StopStream();
    GError* error = nullptr;
    arv_camera_gv_set_packet_size(camera_, packetSize, &error);
    if (!Check(error))
        return false;
    const guint payload = arv_camera_get_payload(camera_, &error);
    if (!Check(error))
        return false;
    stream_ = arv_camera_create_stream(camera_, nullptr, nullptr, &error);
    if (!Check(error))
        return false;
    for (int i = 0; i < kStreamBuffers; ++i)
        arv_stream_push_buffer(stream_, arv_buffer_new(payload, nullptr));
    arv_camera_start_acquisition(camera_, &error);
    return Check(error);
}

std::optional<Frame> CameraClient::NextFrame(std::chrono::milliseconds timeout)
{
    if (stream_ == nullptr)
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        ArvBuffer* buffer = arv_stream_timeout_pop_buffer(stream_, static_cast<guint64>(left.count()));
        if (buffer == nullptr)
            return std::nullopt;
        std::optional<Frame> frame;
        if (arv_buffer_get_status(buffer) == ARV_BUFFER_STATUS_SUCCESS) {
            size_t size = 0;
            const auto* data = static_cast<const uint8_t*>(arv_buffer_get_data(buffer, &size));
            frame = Frame{};
            frame->pixelFormat = arv_buffer_get_image_pixel_format(buffer);
            frame->width = arv_buffer_get_image_width(buffer);
            frame->height = arv_buffer_get_image_height(buffer);
            frame->offsetX = arv_buffer_get_image_x(buffer);
            frame->offsetY = arv_buffer_get_image_y(buffer);
            frame->data.assign(data, data + size);
        }
        arv_stream_push_buffer(stream_, buffer);
        if (frame)
            return frame;
    }
}

void CameraClient::StopStream()
{
    if (stream_ == nullptr)
        return;
    GError* error = nullptr;
    arv_camera_stop_acquisition(camera_, &error);
    Check(error);
    g_clear_object(&stream_);
}

std::vector<uint8_t> Row(const Frame& frame, int y)
{
    const auto* begin = frame.data.data() + static_cast<size_t>(y) * frame.width;
    return std::vector<uint8_t>(begin, begin + frame.width);
}
