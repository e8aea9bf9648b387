#include "sdk/SdkSerialPort.h"

struct SdkSerialPort::Impl {};

SdkSerialPort::SdkSerialPort() = default;
SdkSerialPort::~SdkSerialPort() = default;
SdkResult SdkSerialPort::Open(SdkDevice&, int) { return SdkResult::NOT_IMPLEMENTED; }
SdkResult SdkSerialPort::Close() { return SdkResult::NOT_IMPLEMENTED; }
SdkResult SdkSerialPort::Write(const uint8_t*, uint32_t, uint32_t*) { return SdkResult::NOT_IMPLEMENTED; }
bool SdkSerialPort::IsOpen() const { return false; }
SdkResult SdkSerialPort::Read(uint8_t*, uint32_t, uint32_t*, uint32_t) { return SdkResult::NOT_IMPLEMENTED; }
SdkResult SdkSerialPort::GetRxBytesReady(uint32_t*) { return SdkResult::NOT_IMPLEMENTED; }
SdkResult SdkSerialPort::FlushRxBuffer() { return SdkResult::NOT_IMPLEMENTED; }
