#pragma once

class QComboBox;
class QWidget;

// Selects an item as the user does: the combo's activated signal.
void Choose(QComboBox* combo, int index);

// Saves a widget's look as <name>.png in LUMIVEX_SCREENSHOT_DIR, when that
// folder is set, for a person to look at the layout.
void SaveScreenshot(QWidget& widget, const char* name);
