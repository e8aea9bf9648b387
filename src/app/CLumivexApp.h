#pragma once

#include "app/LaunchOptions.h"

#include <QString>

#include <string>

class MessagePrompts;

// The program's run: the camera context, the camera selection dialog, the
// main window when the selection ended with OK, then shutdown, which writes
// the settings back. There is no event loop besides these modal windows.
class CLumivexApp {
public:
    // programPath: the program file; option.ini and the help file are looked
    // for in its data folders (beside it first). An empty settingsPath means the user's settings file.
    CLumivexApp(QString programPath, LaunchOptions options, MessagePrompts& prompts, std::string settingsPath = {});

    // Runs the sequence; the program's exit status.
    int Run();

private:
    QString programPath_;
    LaunchOptions options_;
    MessagePrompts& prompts_;
    std::string settingsPath_;
};
