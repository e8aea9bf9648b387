#pragma once

#include <string>

// The loopback address of this test program's simulated camera number offset:
// the program's LUMIVEX_TEST_ADDR (127.0.0.10 when unset) with offset added to
// its last byte; the next address is free for a second camera. Empty when the
// variable holds no IPv4 address.
std::string TestAddress(int offset = 0);
