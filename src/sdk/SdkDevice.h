#pragma once

#include "sdk/SdkDiscoveryRecord.h"
#include "sdk/SdkFeatureTree.h"
#include "sdk/SdkGenParameter.h"
#include "sdk/SdkResult.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

// Cameras and streams let go of after they stopped answering whose freeing
// has not finished: it waits out the dead camera's timeouts on threads of
// their own, which end with it.
int SdkReleasesInFlight();

// One GigE Vision camera: the control connection, its GenICam features and
// the link parameters of the SDK itself. Operations are virtual so that tests
// can stand a fake device in for a real one.
class SdkDevice {
public:
    SdkDevice();
    virtual ~SdkDevice();
    SdkDevice(const SdkDevice&) = delete;
    SdkDevice& operator=(const SdkDevice&) = delete;

    // Opens the control channel; access type 1 asks for controller access
    // (the only type there is). A camera that another host controls gives
    // STATE_ERROR. Out-of-range values and writes to read-only features fail
    // from then on as the camera would refuse them.
    virtual SdkResult Connect(const SdkDiscoveryRecord& info, int accessType = 1);
    // Sets the stream packet size on the channel: the largest that reaches
    // this host when the link parameter AutoNegotiation is on, else
    // DefaultPacketSize; falls back to fallbackSize when that fails or the
    // camera does not take it. OK when one of these sizes is in effect.
    virtual SdkResult NegotiatePacketSize(int channel = 0, uint32_t fallbackSize = 1440);
    virtual SdkResult SetStreamDestination(const std::string& ipAddress, uint16_t port, int channel = 0);
    // False once the camera has dropped this host's control; with the link
    // parameter LinkRecoveryEnabled on, each call (at most once a second)
    // tries to take the control back, waiting for the camera's answer.
    virtual bool IsConnected() const;
    // The same for callers that must never wait (the acquisition thread):
    // the control is taken back on a thread of its own, and a later call
    // gives true once the camera gave it back.
    virtual bool HasControl() const;
    virtual SdkResult Disconnect();
    // Whether the camera answers a discovery request within wait; asks
    // without the control channel, so a dead camera costs no more than wait.
    virtual bool Answers(std::chrono::milliseconds wait) const;
    // Disconnects from a camera that no longer answers without waiting for
    // it: what Aravis still sends it when the device is freed (leaving
    // control) happens on a thread of its own.
    void Abandon();

    // The camera's features; empty while not connected.
    virtual SdkGenParameterArray* GetGenParameters();
    // The link parameters: LinkRecoveryEnabled, StreamRecoveryEnabled,
    // AutoNegotiation, DefaultPacketSize and the NIC's IPAddress.
    virtual SdkGenParameterArray* GetGenLink();
    // What the camera's GenICam document says beyond the values; nothing
    // while not connected (nor from a test double without a document).
    virtual std::vector<SdkFeatureCategory> ReadFeatureCategories();
    virtual SdkFeatureNotes ReadFeatureNotes(const std::string& name);
    // True while the feature's lock (its pIsLocked, such as TLParamsLocked
    // during a continuous acquisition) holds: the camera may ignore or refuse
    // a write.
    virtual bool IsFeatureLocked(const std::string& name);

    // Raw access to the camera's register space (bootstrap and device
    // registers); used by the serial port bridge. GVCP moves whole 32-bit
    // words: ReadMemory reads the words that cover any range, WriteMemory
    // takes only a word-aligned address and size (else INVALID_PARAMETER).
    virtual SdkResult ReadRegister(uint32_t address, uint32_t& value);
    virtual SdkResult WriteRegister(uint32_t address, uint32_t value);
    virtual SdkResult ReadMemory(uint32_t address, void* data, uint32_t size);
    virtual SdkResult WriteMemory(uint32_t address, const void* data, uint32_t size);

    struct Impl;
    Impl* GetImpl() const { return impl_.get(); }

private:
    std::unique_ptr<Impl> impl_;
};
