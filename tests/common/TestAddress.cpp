#include "TestAddress.h"

#include <arpa/inet.h>

#include <cstdlib>

namespace {

constexpr const char* kDefaultAddress = "127.0.0.10";

} // namespace

std::string TestAddress(int offset)
{
    const char* base = std::getenv("LUMIVEX_TEST_ADDR");
    in_addr address{};
    if (inet_pton(AF_INET, base != nullptr ? base : kDefaultAddress, &address) != 1)
        return {};
    address.s_addr = htonl(ntohl(address.s_addr) + offset);
    char text[INET_ADDRSTRLEN];
    return inet_ntop(AF_INET, &address, text, sizeof text);
}
