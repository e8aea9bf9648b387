#include "drawing/CDrawingTabText.h"

#include "drawing/CColorSelButton.h"

#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Rows the "Display Type" list shows without scrolling.
constexpr int kDisplayTypeRows = 6;
constexpr int kDisplayTypeMargin = 4;

} // namespace

CDrawingTabText::CDrawingTabText(CTabParentBase& parent, QWidget* widgetParent)
    : CDrawingTabChildBase(parent, widgetParent)
{
    textColor_ = AddColorButton(tr("Text Color"), "textColor");
    font_ = AddButton(tr("Text Font"), tr("Font"), "textFont");
    textBackMode_ = AddCombo(tr("Text Background Mode"), "textBackMode");
    textBackColor_ = AddColorButton(tr("Text Background Color"), "textBackColor");
    displayType_ = new QListWidget(this);
    displayType_->setObjectName(QStringLiteral("displayType"));
    displayType_->setSelectionMode(QAbstractItemView::MultiSelection);
    displayType_->setFixedHeight(displayType_->fontMetrics().height() * kDisplayTypeRows + kDisplayTypeMargin);
    // The caption stands beside the list's first line.
    AddRow(tr("Display Type"), displayType_)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    name_ = AddEdit(tr("Name"), "name", kMaxNameLength);
    FinishRows();

    connect(textColor_, &CColorSelButton::colorChosen, this,
            [this](uint32_t color) { EditStyle(&DrawingStyle::textColor, color); });
    connect(font_, &QPushButton::clicked, this, &CDrawingTabText::ChooseFont);
    connect(textBackMode_, &QComboBox::activated, this,
            [this] { EditStyle(&DrawingStyle::textBackMode, SelectedValue(textBackMode_)); });
    connect(textBackColor_, &CColorSelButton::colorChosen, this,
            [this](uint32_t color) { EditStyle(&DrawingStyle::textBackColor, color); });
    connect(displayType_, &QListWidget::itemSelectionChanged, this, &CDrawingTabText::DisplayTypeEdited);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { EditStyle(&DrawingStyle::name, text); });
}

QString CDrawingTabText::Caption() const
{
    return tr("Text");
}

void CDrawingTabText::LoadControls()
{
    const DrawingStyle& style = Parent().WorkingStyle();
    const bool selected = Parent().HasSelectedObject();

    ShowColor(textColor_, style.textColor, selected);
    font_->setEnabled(selected);
    ShowEntries(textBackMode_, BackModeEntries(), style.textBackMode, selected);
    ShowColor(textBackColor_, style.textBackColor, selected);

    const ListEntries entries = DisplayTypeEntries(style.drawingType);
    bool sameEntries = displayType_->count() == int(entries.size());
    for (int i = 0; sameEntries && i < displayType_->count(); ++i)
        sameEntries = displayType_->item(i)->data(Qt::UserRole).toInt() == entries[i].value;
    if (!sameEntries) {
        displayType_->clear();
        for (const ListEntry& entry : entries) {
            auto* item = new QListWidgetItem(entry.text, displayType_);
            item->setData(Qt::UserRole, entry.value);
        }
    }
    for (int i = 0; i < displayType_->count(); ++i) {
        QListWidgetItem* item = displayType_->item(i);
        item->setSelected((style.dispTextMode & item->data(Qt::UserRole).toInt()) != 0);
    }
    displayType_->setEnabled(selected);

    ShowText(name_, style.name);
    name_->setEnabled(selected);
}

void CDrawingTabText::ChooseFont()
{
    const LogicalFont current = Parent().WorkingStyle().font;
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ChooserFontFromRecord(current), this);
    if (ok)
        EditStyle(&DrawingStyle::font, RecordFromChosenFont(chosen, current));
}

void CDrawingTabText::DisplayTypeEdited()
{
    if (Loading())
        return;
    int32_t selectedBits = 0;
    for (const QListWidgetItem* item : displayType_->selectedItems())
        selectedBits |= item->data(Qt::UserRole).toInt();
    const DrawingStyle& style = Parent().WorkingStyle();
    EditStyle(&DrawingStyle::dispTextMode, DisplayTypeMode(style.drawingType, style.dispTextMode, selectedBits));
}
