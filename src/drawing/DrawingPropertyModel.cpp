#include "drawing/DrawingPropertyModel.h"

#include "drawing/CDrawingManagement.h"

DrawingPropertyModel::DrawingPropertyModel(CDrawingManagement& manager) : manager_(manager)
{
    Reload();
}

void DrawingPropertyModel::Reload()
{
    lines_ = manager_.ObjectListLines();
    selectedLine_ = lines_.isEmpty() ? -1 : manager_.TopSelectedIndex();
    style_ = DrawingStyle{};
    if (selectedLine_ >= 0 && !manager_.GetObjectStyle(selectedLine_, style_))
        selectedLine_ = -1;
    settings_ = manager_.Defaults();
    drawOnSnapshot_ = manager_.DrawOnSnapshot();
}

void DrawingPropertyModel::SelectLine(int line)
{
    if (line < 0 || line >= lines_.size())
        return;
    manager_.SelectOnly(line, true);
    DrawingStyle style;
    if (!manager_.GetObjectStyle(line, style)) {
        Reload();
        return;
    }
    selectedLine_ = line;
    style_ = style;
}

void DrawingPropertyModel::Move(ZOrderMove move)
{
    if (!HasSelection() || !CanReorder())
        return;
    const bool upward = move == ZOrderMove::Front || move == ZOrderMove::MostFront;
    const bool repeat = move == ZOrderMove::MostBackward || move == ZOrderMove::MostFront;
    selectedLine_ = manager_.MoveInZOrder(selectedLine_, upward, repeat);
    lines_ = manager_.ObjectListLines();
}

bool DrawingPropertyModel::ApplyStyle(const DrawingStyle& style)
{
    if (!HasSelection())
        return false;
    DrawingStyle current;
    if (!manager_.GetObjectStyle(selectedLine_, current) || current.drawingType != style.drawingType)
        return false;
    DrawingStyle applied = style;
    // The selection is the image's business: clicks there may have changed it.
    applied.selected = current.selected;
    if (!manager_.SetObjectStyle(selectedLine_, applied))
        return false;
    if (!manager_.GetObjectStyle(selectedLine_, style_))
        return false;
    lines_ = manager_.ObjectListLines();
    return true;
}

void DrawingPropertyModel::ApplySettings(const DrawingSettings& settings)
{
    settings_ = settings;
    manager_.SetDefaults(settings_);
}

void DrawingPropertyModel::ApplyDrawOnSnapshot(bool on)
{
    drawOnSnapshot_ = on;
    manager_.SetDrawOnSnapshot(on);
}

void DrawingPropertyModel::SetAsDefaultStyle()
{
    if (CanSetDefaultStyle())
        manager_.SetDefaultStyle(style_);
}

bool DrawingPropertyModel::Save(const QString& path) const
{
    return manager_.SaveDrawingFile(path);
}

bool DrawingPropertyModel::Load(const QString& path, QString* error)
{
    const bool loaded = manager_.LoadDrawingFile(path, error);
    Reload();
    return loaded;
}

void DrawingPropertyModel::RegisterInitialFile(const QString& path)
{
    manager_.SetDrawingFileName(path);
}
