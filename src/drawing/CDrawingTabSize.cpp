#include "drawing/CDrawingTabSize.h"

#include <QCheckBox>

CDrawingTabSize::CDrawingTabSize(CTabParentBase& parent, QWidget* widgetParent)
    : CDrawingTabChildBase(parent, widgetParent)
{
    lock_ = AddCheckBox(tr("Lock"), "lock");
    hide_ = AddCheckBox(tr("Hide"), "hide");
    FinishRows();

    connect(lock_, &QCheckBox::clicked, this,
            [this](bool checked) { EditStyle<int32_t>(&DrawingStyle::lock, checked ? 1 : 0); });
    connect(hide_, &QCheckBox::clicked, this,
            [this](bool checked) { EditStyle<int32_t>(&DrawingStyle::hide, checked ? 1 : 0); });
}

QString CDrawingTabSize::Caption() const
{
    return tr("Other");
}

void CDrawingTabSize::LoadControls()
{
    const DrawingStyle& style = Parent().WorkingStyle();
    const bool selected = Parent().HasSelectedObject();
    ShowCheck(lock_, style.lock != 0, selected);
    ShowCheck(hide_, style.hide != 0, selected);
}
