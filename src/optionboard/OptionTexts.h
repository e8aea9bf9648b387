#pragma once

#include <QString>

#include <vector>

// Texts that both option board pages show, and list filling.
class QComboBox;

// "Output0(Pin No.3)" to "Output4(Pin No.7)", translated.
QString OptionOutputName(int pin);

// Replaces the combo's items with the translations of items (context
// "context"), keeping the selection's index.
void FillOptionList(QComboBox& combo, const char* context, const std::vector<const char*>& items);
