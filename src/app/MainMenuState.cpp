#include "app/MainMenuState.h"

MainMenuState ComputeMenuState(const MainMenuInputs& in)
{
    MainMenuState state;
    const bool cameraIdle = in.hasCamera && !in.recording;
    state.settings = cameraIdle;
    state.size = in.hasCamera;
    state.callback = in.hasCamera;
    state.waveform = cameraIdle;
    state.histogram = cameraIdle;
    // The selection dialog may remove cameras that open windows still serve.
    state.manageConnection = !in.previewing && !in.settingsShown && !in.waveformShown && !in.histogramShown;
    state.opSetting = in.optionBoardUsable;
    state.snapShot = in.hasCamera;
    state.videoCapture = cameraIdle;
    state.deleteDrawing = in.drawingSelected;
    state.showThumbnail = in.hasCamera;
    return state;
}
