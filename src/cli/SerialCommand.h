#pragma once

// lumivex-cli serial: register reads and writes through a camera's serial
// command channel (arguments: see cli/SerialArguments.h). A read prints the
// bytes in hexadecimal on one line; a failed exchange prints the channel's
// message on stderr and exits with 1; a usage or connection error exits
// with 2.
//
// argv[0] is "serial" itself, the rest its arguments. Gives the process exit
// code.
int RunSerialCommand(int argc, char** argv);
