#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// What the command line asks of the program:
//   --demo[=N]                 start N (default 1, at most 4) simulated cameras
//                              in this process, on 127.0.0.1 to 127.0.0.N
//   --connect ADDR[,ADDR...]   connect these cameras (at most 4, in order) and
//                              open the main window without the selection dialog;
//                              with --demo and no address, the simulated cameras
//   --tile                     tile the camera windows over the screen once connected
//   --help, -h                 print the usage and exit
//   --version                  print the version and exit
//   --stats-log FILE           append each camera's stream statistics to FILE
//                              as CSV, one line per camera and second
struct LaunchOptions {
    static constexpr int kMaxCameras = 4;

    bool help = false;
    bool version = false;
    int demoCameras = 0;
    bool connect = false;
    bool tile = false;
    std::vector<std::string> connectAddresses;
    std::string statsLogPath;
    // Empty when the line was understood.
    QString error;
};

// arguments: the program's arguments without the program itself.
LaunchOptions ParseLaunchOptions(const QStringList& arguments);
// The usage text that --help prints, and that follows a command line error.
QString LaunchUsage();
// The address of simulated camera number (1-based).
std::string DemoCameraAddress(int number);
