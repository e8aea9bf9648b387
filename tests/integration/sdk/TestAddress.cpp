#include "TestAddress.h"

#include <arpa/inet.h>

#include <cstdlib>

std::string TestAddress(int offset)
{
    const char* base = std::getenv("LUMIVEX_TEST_ADDR");
    in_addr address{};
    if (base == nullptr || inet_pton(AF_INET, base, &address) != 1)
        return {};
    address.s_addr = htonl(ntohl(address.s_addr) + offset);
    char text[INET_ADDRSTRLEN];
    return inet_ntop(AF_INET, &address, text, sizeof text);
}
