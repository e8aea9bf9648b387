#pragma once

#include <string>

// The loopback address given to this test program (LUMIVEX_TEST_ADDR), moved
// on by offset in the last byte (the next address is free for a second
// camera).
std::string TestAddress(int offset = 0);
