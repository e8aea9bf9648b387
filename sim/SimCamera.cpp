#include "SimCamera.h"

#include "SimAddresses.h"
#include "SimBehaviour.h"
#include "SimBootstrap.h"
#include "SimFeatureTable.h"
#include "SimFrameReader.h"
#include "SimGenicamXml.h"
#include "SimGvDevice.h"
#include "SimMemory.h"
#include "SimOptionBoard.h"
#include "SimPattern.h"
#include "SimPixelFormat.h"

#include <QCoreApplication>

#include <arv.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kMinSensorSize = 64;
constexpr int kMaxSensorSize = 8192;
constexpr int kSensorWidthStep = 8;
constexpr int kSensorHeightStep = 2;
constexpr double kMinFps = 1.0;
constexpr double kMaxFps = 1000.0;
constexpr size_t kMaxSerialLength = 15;
constexpr size_t kMaxDeviceVersionLength = 31;
constexpr int kMaxModelCode = 0xFFFF;
// How often the fake camera looks for a trigger while in trigger mode.
constexpr double kTriggerPollHz = 1000.0;
constexpr double kMicrosecondsPerSecond = 1e6;
constexpr auto kPollInterval = std::chrono::milliseconds(1);
constexpr int kPerMille = 1000;

QString Tr(const char* text)
{
    return QCoreApplication::translate("SimCamera", text);
}

std::string TrText(const char* text)
{
    return Tr(text).toStdString();
}

// A temporary file holding text, removed with the object.
class TempTextFile {
public:
    bool Create(const std::string& text)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumivex-camsim-XXXXXX.xml").string();
        constexpr int kSuffixLength = 4;
        const int fd = mkstemps(pattern.data(), kSuffixLength);
        if (fd < 0)
            return false;
        path_ = pattern;
        size_t written = 0;
        while (written < text.size()) {
            const ssize_t n = write(fd, text.data() + written, text.size() - written);
            if (n <= 0)
                break;
            written += static_cast<size_t>(n);
        }
        close(fd);
        return written == text.size();
    }
    ~TempTextFile()
    {
        if (!path_.empty())
            unlink(path_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Checks the options a camera is built from; empty when they are usable.
std::string InvalidOptions(const SimOptions& options, const SimFeatureTable& table)
{
    if (options.width < kMinSensorSize || options.width > kMaxSensorSize || options.width % kSensorWidthStep != 0)
        return TrText("The width must be a multiple of 8 from 64 to 8192.");
    if (options.height < kMinSensorSize || options.height > kMaxSensorSize || options.height % kSensorHeightStep != 0)
        return TrText("The height must be an even number from 64 to 8192.");
    if (!(options.fps >= kMinFps && options.fps <= kMaxFps))
        return TrText("The frame rate must lie between 1 and 1000.");
    if (options.modelCode < 0 || options.modelCode > kMaxModelCode)
        return TrText("The model code must lie between 0 and 65535.");
    if (SimSerialText(options).empty() || SimSerialText(options).size() > kMaxSerialLength)
        return TrText("The serial number must have 1 to 15 characters.");
    if (options.deviceVersion.size() > kMaxDeviceVersionLength)
        return TrText("The device version must have at most 31 characters.");
    if (options.lossPerMille < 0 || options.lossPerMille > kPerMille || options.controlLossPerMille < 0 ||
        options.controlLossPerMille > kPerMille)
        return TrText("A loss must lie between 0 and 1000 per mille.");
    if (options.frameSkip < 0)
        return TrText("The frame skip must not be negative.");
    if (SimInitialPixelFormat(options) == nullptr)
        return Tr("This camera does not offer the pixel format %1.")
            .arg(QString::fromStdString(options.pixelFormat))
            .toStdString();
    for (const std::string& name : options.without) {
        if (table.Find(name) == nullptr)
            return Tr("The camera has no feature %1.").arg(QString::fromStdString(name)).toStdString();
    }
    return {};
}

uint32_t SubnetMaskOf(const std::string& address)
{
    // Loopback addresses live in 127.0.0.0/8; others get a class C mask.
    constexpr uint32_t kLoopbackMask = 0xFF000000;
    constexpr uint32_t kDefaultMask = 0xFFFFFF00;
    return address.rfind("127.", 0) == 0 ? kLoopbackMask : kDefaultMask;
}

} // namespace

struct SimCamera::Impl {
    SimOptions options;
    std::unique_ptr<SimFeatureTable> table;
    std::string xml;
    std::string errorText;
    SimAddresses addresses;
    SimBayerPattern sensorPattern = SimBayerPattern::GR;

    ArvFakeCamera* fakeCamera = nullptr;
    std::unique_ptr<SimGvDevice> device;
    std::unique_ptr<SimMemory> memory;
    SimPattern pattern; // used on the fake camera's thread only
    std::unique_ptr<SimBehaviour> behaviour;
    std::unique_ptr<SimOptionBoard> optionBoard;

    std::thread poller;
    std::mutex pollMutex;
    std::condition_variable pollWake;
    bool stopPolling = false;

    std::atomic<uint64_t> framesSent{0};
    mutable std::mutex frameMutex;
    mutable std::condition_variable frameSent;

    static void FillCallback(ArvBuffer* buffer, void* self, guint32, guint32, ArvPixelFormat)
    {
        static_cast<Impl*>(self)->Fill(buffer);
    }

    void Fill(ArvBuffer* buffer)
    {
        auto* data = static_cast<uint8_t*>(const_cast<void*>(arv_buffer_get_data(buffer, nullptr)));
        if (data == nullptr)
            return;
        SimFrameSettings settings = ReadSimFrameSettings(*memory, addresses, options.colour, sensorPattern);
        settings.frame = static_cast<uint32_t>(framesSent.load());
        settings.gamma = behaviour->ActiveGamma();
        pattern.Fill(settings, data, arv_fake_camera_get_payload(fakeCamera));
        behaviour->OnFrameSent();
        {
            std::lock_guard lock(frameMutex);
            ++framesSent;
        }
        frameSent.notify_all();
    }

    void WriteInitialRegisters()
    {
        for (const SimFeature& f : table->Features()) {
            if (f.address == 0 || !f.writeInitial || f.kind == SimFeatureKind::Command)
                continue;
            switch (f.kind) {
            case SimFeatureKind::String:
                memory->WriteText(f.address, f.length, f.textInitial);
                break;
            case SimFeatureKind::Float:
                memory->WriteDouble(f.address, f.floatInitial);
                break;
            default:
                memory->WriteBigEndian32(f.address, static_cast<uint32_t>(f.initial));
                break;
            }
        }
        memory->WriteBigEndian32(ARV_FAKE_CAMERA_REGISTER_ACQUISITION_FRAME_PERIOD_US,
                                 static_cast<uint32_t>(std::lround(kMicrosecondsPerSecond / options.fps)));

        const uint64_t mac = SimMacAddress(SimSerialText(options));
        memory->WriteBigEndian32(SimBootstrap::kMacHigh, static_cast<uint32_t>(mac >> 32));
        memory->WriteBigEndian32(SimBootstrap::kMacLow, static_cast<uint32_t>(mac));
        constexpr uint32_t kSupported =
            SimBootstrap::kConfigPersistentIp | SimBootstrap::kConfigDhcp | SimBootstrap::kConfigLla;
        memory->WriteBigEndian32(SimBootstrap::kInterfaceCapability, kSupported);
        memory->WriteBigEndian32(SimBootstrap::kInterfaceConfiguration,
                                 SimBootstrap::kConfigDhcp | SimBootstrap::kConfigLla);
        memory->WriteBigEndian32(SimBootstrap::kCurrentSubnetMask, SubnetMaskOf(options.interfaceAddress));
    }

    void Poll()
    {
        std::unique_lock lock(pollMutex);
        while (!pollWake.wait_for(lock, kPollInterval, [this] { return stopPolling; })) {
            const auto now = std::chrono::steady_clock::now();
            behaviour->Poll(now);
            optionBoard->Poll(now);
        }
    }

    void Release()
    {
        if (poller.joinable()) {
            {
                std::lock_guard lock(pollMutex);
                stopPolling = true;
            }
            pollWake.notify_all();
            poller.join();
        }
        device.reset(); // joins the camera's thread
        if (fakeCamera != nullptr)
            g_object_unref(fakeCamera);
        fakeCamera = nullptr;
        optionBoard.reset();
        behaviour.reset();
        memory.reset();
    }
};

SimCamera::SimCamera() : impl_(std::make_unique<Impl>()) {}

SimCamera::~SimCamera()
{
    Stop();
}

bool SimCamera::Start(const SimOptions& options)
{
    Stop();
    Impl& d = *impl_;
    d.options = options;
    d.errorText.clear();
    d.framesSent = 0;
    d.table = std::make_unique<SimFeatureTable>(options);
    d.errorText = InvalidOptions(options, *d.table);
    if (!d.errorText.empty())
        return false;
    std::string missing;
    if (!d.addresses.Resolve(*d.table, &missing)) {
        d.errorText = Tr("The camera lacks the register of %1.").arg(QString::fromStdString(missing)).toStdString();
        return false;
    }
    d.sensorPattern = SimSensorPattern(options);
    d.xml = BuildSimGenicamXml(*d.table, options);

    TempTextFile xmlFile;
    if (!xmlFile.Create(d.xml)) {
        d.errorText = TrText("The camera description could not be written to the temporary folder.");
        return false;
    }
    const std::string serial = SimSerialText(options);
    d.fakeCamera = arv_fake_camera_new_full(serial.c_str(), xmlFile.Path().c_str());
    d.memory = std::make_unique<SimMemory>(d.fakeCamera);
    d.WriteInitialRegisters();
    d.behaviour = std::make_unique<SimBehaviour>(*d.memory, d.addresses, *d.table);
    d.optionBoard = std::make_unique<SimOptionBoard>(*d.memory, options.optionBoard, options.fivePins);
    d.optionBoard->SetUploadSink(
        [behaviour = d.behaviour.get()](const SimTableUpload& upload) { behaviour->StoreUpload(upload); });
    arv_fake_camera_set_trigger_frequency(d.fakeCamera, kTriggerPollHz);
    arv_fake_camera_set_fill_pattern(d.fakeCamera, &Impl::FillCallback, &d);
    d.device = std::make_unique<SimGvDevice>(d.fakeCamera, options);
    if (!d.device->Start()) {
        d.Release();
        d.errorText = Tr("No camera can answer on %1: the address must belong to a local interface "
                         "and be free.")
                          .arg(QString::fromStdString(options.interfaceAddress))
                          .toStdString();
        return false;
    }
    d.stopPolling = false;
    d.poller = std::thread([&d] { d.Poll(); });
    return true;
}

void SimCamera::Stop()
{
    impl_->Release();
}

bool SimCamera::IsRunning() const
{
    return impl_->device != nullptr;
}

const std::string& SimCamera::ErrorText() const
{
    return impl_->errorText;
}

const SimOptions& SimCamera::Options() const
{
    return impl_->options;
}

std::string SimCamera::SerialText() const
{
    return SimSerialText(impl_->options);
}

std::string SimCamera::GenicamXml() const
{
    return impl_->xml;
}

uint64_t SimCamera::FramesSent() const
{
    return impl_->framesSent.load();
}

bool SimCamera::WaitForFrames(uint64_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(impl_->frameMutex);
    return impl_->frameSent.wait_for(lock, timeout, [this, count] { return impl_->framesSent.load() >= count; });
}

std::optional<uint32_t> SimCamera::FeatureAddress(std::string_view feature) const
{
    if (!impl_->table)
        return std::nullopt;
    const uint32_t address = impl_->table->AddressOf(feature);
    if (address == 0)
        return std::nullopt;
    return address;
}

uint32_t SimCamera::ReadRegister(uint32_t address) const
{
    return impl_->memory ? impl_->memory->ReadBigEndian32(address) : 0;
}

void SimCamera::WriteRegister(uint32_t address, uint32_t value)
{
    if (impl_->memory)
        impl_->memory->WriteBigEndian32(address, value);
}

bool SimCamera::ReadMemory(uint32_t address, void* data, size_t size) const
{
    return impl_->memory && impl_->memory->Read(address, data, size);
}

bool SimCamera::WriteMemory(uint32_t address, const void* data, size_t size)
{
    return impl_->memory && impl_->memory->Write(address, data, size);
}

std::vector<uint8_t> SimCamera::ReadOptionRegisters(int port, uint8_t bank, uint8_t address, size_t length) const
{
    return impl_->optionBoard ? impl_->optionBoard->ReadRegisters(port, bank, address, length) : std::vector<uint8_t>{};
}

void SimCamera::WriteOptionRegisters(int port, uint8_t bank, uint8_t address, const std::vector<uint8_t>& bytes)
{
    if (impl_->optionBoard)
        impl_->optionBoard->WriteRegisters(port, bank, address, bytes);
}

void SimCamera::AnswerNextRequests(int port, uint8_t status, int count)
{
    if (impl_->optionBoard)
        impl_->optionBoard->AnswerNextRequests(port, status, count);
}

void SimCamera::IgnoreNextRequests(int port, int count)
{
    if (impl_->optionBoard)
        impl_->optionBoard->IgnoreNextRequests(port, count);
}

void SimCamera::RefuseWrites(int port, bool refuse)
{
    if (impl_->optionBoard)
        impl_->optionBoard->RefuseWrites(port, refuse);
}

std::vector<SimTableUpload> SimCamera::TableUploads() const
{
    return impl_->optionBoard ? impl_->optionBoard->TableUploads() : std::vector<SimTableUpload>{};
}

void SimCamera::ClearTableUploads()
{
    if (impl_->optionBoard)
        impl_->optionBoard->ClearTableUploads();
}

std::vector<uint16_t> SimCamera::GammaTable(int target, int channel) const
{
    if (!impl_->behaviour)
        return {};
    const SimGammaTable table = impl_->behaviour->GammaTable(target, channel);
    return std::vector<uint16_t>(table.begin(), table.end());
}
