#pragma once

// Which main window commands can be used, from the state of the program.
// Commands not listed here ("Close", "Live Video"/"Still Image", "Tool Bar",
// "Draw Property..", "Version Information") can always be used.
struct MainMenuInputs {
    bool hasCamera = false;
    bool previewing = false; // the first camera's pipeline runs
    bool recording = false;
    bool settingsShown = false; // control or option board dialog opened
    bool waveformShown = false;
    bool histogramShown = false;
    bool optionBoardUsable = false;
    bool drawingSelected = false;
};

struct MainMenuState {
    bool settings = false;
    bool size = false; // the zoom items and "Adjust Window Size"
    bool callback = false;
    bool waveform = false;
    bool histogram = false;
    bool manageConnection = false;
    bool opSetting = false;
    bool snapShot = false;
    bool videoCapture = false;
    bool deleteDrawing = false;
    bool showThumbnail = false;
};

MainMenuState ComputeMenuState(const MainMenuInputs& inputs);
