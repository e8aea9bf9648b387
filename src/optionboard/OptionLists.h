#pragma once

#include <QString>

#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

// The lists and texts that both option board pages show.

// "Output0(Pin No.3)" to "Output4(Pin No.7)", translated.
QString OptionOutputName(int pin);

// Replaces the combo's items with the translations of items (context
// "context"), keeping the selection's index.
void FillOptionList(QComboBox& combo, const char* context, const std::vector<const char*>& items);

// A new label and list side by side in the grid's row; the list takes the
// width of its items.
QComboBox* AddOptionListRow(QGridLayout& grid, int row, QLabel*& label, QWidget* parent);

// Selects the item without announcing a change.
void SelectOption(QComboBox& combo, int index);
