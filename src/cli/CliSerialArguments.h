#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The command line of lumivex-cli serial:
//
//   serial -c ADDR [--port 0|1] read BANK ADDRESS LENGTH
//   serial -c ADDR [--port 0|1] write BANK ADDRESS BYTE...
//
// BANK is 0x00 or 0x80; numbers are decimal or hexadecimal with "0x".
struct SerialRequest {
    bool help = false;
    std::string cameraAddress;
    int port = 0;
    bool write = false;
    uint8_t bank = 0;
    uint8_t address = 0;
    uint8_t length = 0;        // read: bytes to read
    std::vector<uint8_t> data; // write: bytes to write
};

// Parses the arguments that follow "serial". False with a one-line reason in
// error when they do not form a request.
bool ParseSerialArguments(const std::vector<std::string>& args, SerialRequest& request, std::string& error);
