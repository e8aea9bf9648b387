#include "drawing/CDrawingTabChildBase.h"

#include "drawing/CColorSelButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

// The value edit beside a slider holds up to "31".
constexpr int kValueEditChars = 4;

bool SameEntries(const QComboBox* combo, const ListEntries& entries)
{
    if (combo->count() != int(entries.size()))
        return false;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) != entries[i].text || combo->itemData(i).toInt() != entries[i].value)
            return false;
    }
    return true;
}

} // namespace

CDrawingTabChildBase::CDrawingTabChildBase(CTabParentBase& parent, QWidget* widgetParent)
    : QWidget(widgetParent),
      parent_(parent),
      grid_(new QGridLayout(this))
{
    grid_->setColumnStretch(1, 1);
}

void CDrawingTabChildBase::Load()
{
    loading_ = true;
    LoadControls();
    loading_ = false;
}

QLabel* CDrawingTabChildBase::AddRow(const QString& label, QWidget* control)
{
    const int row = grid_->rowCount();
    auto* caption = new QLabel(label, this);
    caption->setBuddy(control);
    grid_->addWidget(caption, row, 0);
    grid_->addWidget(control, row, 1);
    return caption;
}

void CDrawingTabChildBase::FinishRows()
{
    grid_->setRowStretch(grid_->rowCount(), 1);
}

QComboBox* CDrawingTabChildBase::AddCombo(const QString& label, const char* name)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    AddRow(label, combo);
    return combo;
}

QSlider* CDrawingTabChildBase::AddSlider(const QString& label, const char* name, int minimum, int maximum)
{
    auto* holder = new QWidget(this);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    auto* slider = new QSlider(Qt::Horizontal, holder);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(minimum, maximum);
    slider->setPageStep(1);
    auto* value = new QLineEdit(holder);
    value->setObjectName(QString::fromLatin1(name) + QStringLiteral("Value"));
    value->setReadOnly(true);
    value->setFocusPolicy(Qt::NoFocus);
    value->setAlignment(Qt::AlignRight);
    value->setFixedWidth(value->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kValueEditChars +
                         value->fontMetrics().height());
    value->setText(QString::number(slider->value()));
    connect(slider, &QSlider::valueChanged, value, [value](int v) { value->setText(QString::number(unsigned(v))); });
    row->addWidget(slider, 1);
    row->addWidget(value);
    AddRow(label, holder);
    return slider;
}

void CDrawingTabChildBase::AddNarrowRow(const QString& label, QWidget* control)
{
    auto* holder = new QWidget(this);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(control);
    row->addStretch(1);
    AddRow(label, holder);
}

CColorSelButton* CDrawingTabChildBase::AddColorButton(const QString& label, const char* name)
{
    auto* button = new CColorSelButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(label);
    AddNarrowRow(label, button);
    return button;
}

QPushButton* CDrawingTabChildBase::AddButton(const QString& label, const QString& text, const char* name)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    AddNarrowRow(label, button);
    return button;
}

QLineEdit* CDrawingTabChildBase::AddEdit(const QString& label, const char* name, int maxLength)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    AddRow(label, edit);
    return edit;
}

QCheckBox* CDrawingTabChildBase::AddCheckBox(const QString& text, const char* name)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QString::fromLatin1(name));
    grid_->addWidget(box, grid_->rowCount(), 0, 1, 2);
    return box;
}

void CDrawingTabChildBase::ShowEntries(QComboBox* combo, const ListEntries& entries, int32_t value, bool enabled)
{
    if (!SameEntries(combo, entries)) {
        combo->clear();
        for (const ListEntry& entry : entries)
            combo->addItem(entry.text, entry.value);
    }
    combo->setCurrentIndex(combo->findData(value));
    combo->setEnabled(enabled);
}

int32_t CDrawingTabChildBase::SelectedValue(const QComboBox* combo)
{
    return combo->currentData().toInt();
}

void CDrawingTabChildBase::ShowText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void CDrawingTabChildBase::ShowReal(QLineEdit* edit, double value)
{
    bool ok = false;
    const double shown = edit->text().toDouble(&ok);
    if (!ok || shown != value)
        edit->setText(QString::asprintf("%f", value));
}

void CDrawingTabChildBase::ShowColor(CColorSelButton* button, uint32_t colorRef, bool enabled)
{
    button->SetColor(colorRef);
    button->setEnabled(enabled);
}

void CDrawingTabChildBase::ShowCheck(QCheckBox* box, bool checked, bool enabled)
{
    box->setChecked(checked);
    box->setEnabled(enabled);
}
