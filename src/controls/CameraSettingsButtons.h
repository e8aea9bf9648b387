#pragma once

class CLxCtrlMainDlg;
class ControlHost;

// Connects the control dialog's "Save..." and "Load..." buttons to the
// camera settings file and enables them: each asks before closing a running
// recording, picks the file, and refreshes the dialog after a success; a
// load runs with the preview stopped.
void ConnectCameraSettingsButtons(CLxCtrlMainDlg& dialog, ControlHost& host);
