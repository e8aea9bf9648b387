#include "cli/CliSerialArguments.h"

#include "cli/CliCamera.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kPortOption = "--port";
constexpr std::string_view kPortLongOption = "--port=";
constexpr uint8_t kBankCamera = 0x00;
constexpr uint8_t kBankSecond = 0x80;
constexpr unsigned kMaxPort = 1;
constexpr unsigned kMaxByte = 0xFF;
constexpr size_t kMaxLength = 0xFF; // the frame's length byte

// A whole argument as a number: decimal, or hexadecimal after "0x".
std::optional<unsigned> ParseNumber(std::string_view text, unsigned max)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end || value > max)
        return std::nullopt;
    return value;
}

// Takes --port N (or --port=N) out of args; the rest is the command line
// every camera command shares.
bool TakePortOption(std::vector<std::string>& args, int& port)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string> value;
        size_t taken = 1;
        if (args[i] == kPortOption) {
            if (i + 1 < args.size())
                value = args[i + 1];
            taken = 2;
        } else if (args[i].starts_with(kPortLongOption)) {
            value = args[i].substr(kPortLongOption.size());
        } else {
            continue;
        }
        const std::optional<unsigned> number = value ? ParseNumber(*value, kMaxPort) : std::nullopt;
        if (!number)
            return false;
        port = static_cast<int>(*number);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(std::min(i + taken, args.size())));
        --i;
    }
    return true;
}

} // namespace

bool ParseSerialArguments(const std::vector<std::string>& args, SerialRequest& request, std::string& error)
{
    const auto fail = [&error](const QString& reason) {
        error = reason.toStdString();
        return false;
    };
    request = {};
    std::vector<std::string> common = args;
    if (!TakePortOption(common, request.port))
        return fail(LumivexCli::tr("--port needs 0 or 1"));
    const CliCameraOptions options = ParseCameraOptions(common);
    if (!options.error.empty()) {
        error = options.error;
        return false;
    }
    if (options.help) {
        request.help = true;
        return true;
    }
    if (options.address.empty())
        return fail(LumivexCli::tr("no camera given; name it with -c ADDR"));
    request.cameraAddress = options.address;

    const std::vector<std::string>& operands = options.operands;
    if (operands.empty() || (operands[0] != "read" && operands[0] != "write"))
        return fail(LumivexCli::tr("say read or write"));
    request.write = operands[0] == "write";
    if (request.write && (operands.size() < 4 || operands.size() - 3 > kMaxLength))
        return fail(LumivexCli::tr("write needs BANK ADDRESS and 1 to 255 bytes"));
    if (!request.write && operands.size() != 4)
        return fail(LumivexCli::tr("read needs BANK ADDRESS LENGTH"));

    const std::optional<unsigned> bank = ParseNumber(operands[1], kMaxByte);
    if (!bank || (*bank != kBankCamera && *bank != kBankSecond))
        return fail(LumivexCli::tr("BANK must be 0x00 or 0x80"));
    const std::optional<unsigned> address = ParseNumber(operands[2], kMaxByte);
    if (!address)
        return fail(LumivexCli::tr("ADDRESS must be 0 to 0xFF"));
    request.bank = static_cast<uint8_t>(*bank);
    request.address = static_cast<uint8_t>(*address);

    if (!request.write) {
        const std::optional<unsigned> length = ParseNumber(operands[3], kMaxByte);
        if (!length || *length == 0)
            return fail(LumivexCli::tr("LENGTH must be 1 to 255"));
        request.length = static_cast<uint8_t>(*length);
        return true;
    }
    for (size_t i = 3; i < operands.size(); ++i) {
        const std::optional<unsigned> byte = ParseNumber(operands[i], kMaxByte);
        if (!byte)
            return fail(LumivexCli::tr("not a byte: %1").arg(QString::fromStdString(operands[i])));
        request.data.push_back(static_cast<uint8_t>(*byte));
    }
    return true;
}
