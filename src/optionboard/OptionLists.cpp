#include "optionboard/OptionLists.h"

#include "optionboard/OptionState.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <array>

namespace {

constexpr std::array<const char*, kOptionOutputCount> kOutputNames = {
    QT_TRANSLATE_NOOP("OptionBoard", "Output0(Pin No.3)"), QT_TRANSLATE_NOOP("OptionBoard", "Output1(Pin No.4)"),
    QT_TRANSLATE_NOOP("OptionBoard", "Output2(Pin No.5)"), QT_TRANSLATE_NOOP("OptionBoard", "Output3(Pin No.6)"),
    QT_TRANSLATE_NOOP("OptionBoard", "Output4(Pin No.7)"),
};

} // namespace

QString OptionOutputName(int pin)
{
    return QCoreApplication::translate("OptionBoard", kOutputNames.at(static_cast<size_t>(pin)));
}

void FillOptionList(QComboBox& combo, const char* context, const std::vector<const char*>& items)
{
    const QSignalBlocker blocker(combo);
    const int selected = combo.currentIndex();
    combo.clear();
    for (const char* item : items)
        combo.addItem(QCoreApplication::translate(context, item));
    combo.setCurrentIndex(selected < 0 ? 0 : selected);
}

QComboBox* AddOptionListRow(QGridLayout& grid, int row, QLabel*& label, QWidget* parent)
{
    label = new QLabel(parent);
    auto* combo = new QComboBox(parent);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid.addWidget(label, row, 0);
    grid.addWidget(combo, row, 1, Qt::AlignLeft);
    return combo;
}

void SelectOption(QComboBox& combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(index);
}
