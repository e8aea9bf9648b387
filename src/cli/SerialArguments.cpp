#include "cli/SerialArguments.h"

#include <QCoreApplication>
#include <QString>

#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr uint8_t kBankCamera = 0x00;
constexpr uint8_t kBankSecond = 0x80;
constexpr unsigned kMaxPort = 1;
constexpr unsigned kMaxByte = 0xFF;
constexpr size_t kMaxLength = 0xFF;   // the frame's length byte

// A whole argument as a number: decimal, or hexadecimal after "0x".
std::optional<unsigned> ParseNumber(const std::string& text, unsigned max)
{
    int base = 10;
    std::string_view digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    unsigned value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end || value > max)
        return std::nullopt;
    return value;
}

}  // namespace

const char* SerialUsage()
{
    return QT_TRANSLATE_NOOP("SerialCommand",
                             "usage: lumivex-cli serial -c ADDR [--port 0|1] read BANK ADDRESS LENGTH\n"
                             "       lumivex-cli serial -c ADDR [--port 0|1] write BANK ADDRESS BYTE...\n"
                             "BANK is 0x00 or 0x80; numbers are decimal or hexadecimal with 0x.");
}

bool ParseSerialArguments(const std::vector<std::string>& args, SerialRequest& request, std::string& error)
{
    const auto fail = [&error](const QString& reason) {
        error = reason.toStdString();
        return false;
    };
    request = {};
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-h" || arg == "--help") {
            request.help = true;
            return true;
        }
        if (arg == "-c" || arg == "--camera") {
            if (!hasValue)
                return fail(QCoreApplication::translate("SerialCommand", "-c needs the camera's address"));
            request.cameraAddress = args[++i];
        } else if (arg == "--port") {
            const std::optional<unsigned> port = hasValue ? ParseNumber(args[++i], kMaxPort) : std::nullopt;
            if (!port)
                return fail(QCoreApplication::translate("SerialCommand", "--port needs 0 or 1"));
            request.port = static_cast<int>(*port);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail(QCoreApplication::translate("SerialCommand", "unknown option %1")
                            .arg(QString::fromStdString(arg)));
        } else {
            positional.push_back(arg);
        }
    }
    if (request.cameraAddress.empty())
        return fail(QCoreApplication::translate("SerialCommand", "-c ADDR is required"));
    if (positional.empty() || (positional[0] != "read" && positional[0] != "write"))
        return fail(QCoreApplication::translate("SerialCommand", "expected read or write"));
    request.write = positional[0] == "write";
    if (request.write && (positional.size() < 4 || positional.size() - 3 > kMaxLength))
        return fail(QCoreApplication::translate("SerialCommand", "write needs BANK ADDRESS and 1 to 255 bytes"));
    if (!request.write && positional.size() != 4)
        return fail(QCoreApplication::translate("SerialCommand", "read needs BANK ADDRESS LENGTH"));

    const std::optional<unsigned> bank = ParseNumber(positional[1], kMaxByte);
    if (!bank || (*bank != kBankCamera && *bank != kBankSecond))
        return fail(QCoreApplication::translate("SerialCommand", "BANK must be 0x00 or 0x80"));
    const std::optional<unsigned> address = ParseNumber(positional[2], kMaxByte);
    if (!address)
        return fail(QCoreApplication::translate("SerialCommand", "ADDRESS must be 0 to 0xFF"));
    request.bank = static_cast<uint8_t>(*bank);
    request.address = static_cast<uint8_t>(*address);

    if (!request.write) {
        const std::optional<unsigned> length = ParseNumber(positional[3], kMaxByte);
        if (!length || *length == 0)
            return fail(QCoreApplication::translate("SerialCommand", "LENGTH must be 1 to 255"));
        request.length = static_cast<uint8_t>(*length);
        return true;
    }
    for (size_t i = 3; i < positional.size(); ++i) {
        const std::optional<unsigned> byte = ParseNumber(positional[i], kMaxByte);
        if (!byte)
            return fail(QCoreApplication::translate("SerialCommand", "not a byte: %1")
                            .arg(QString::fromStdString(positional[i])));
        request.data.push_back(static_cast<uint8_t>(*byte));
    }
    return true;
}
