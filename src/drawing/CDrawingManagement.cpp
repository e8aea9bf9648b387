#include "drawing/CDrawingManagement.h"

#include "drawing/DrawingIni.h"
#include "drawing/DrawingObjects.h"
#include "drawing/DrawingPaint.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

const char* const kManagementSection = "DrawingManagement";
const char* const kGridSection = "Grid";
const char* const kDefaultObjectSection = "DefaultDrawingObject";

// More points than any shape can get by mouse: a larger count marks a
// damaged file.
constexpr int kMaxFilePoints = kOpenEndedTarget;

// The rubber band: dotted white one-pixel line on black.
constexpr uint32_t kBandColor = 0xFFFFFF;
constexpr uint32_t kBandBackColor = 0x000000;

std::string ObjectSection(int index)
{
    return "DrawingObject_" + std::to_string(unsigned(index));
}

std::string PointKey(int index, char axis)
{
    return "Point_" + std::to_string(index) + "_" + axis;
}

// A grid count is stored as a real; anything but a number keeps the current
// count, and the count is limited to what the grid page offers.
int32_t ReadGridCount(const DrawingIni& ini, const char* key, int32_t current)
{
    const double count = ini.ReadReal(kGridSection, key, current);
    return int32_t(std::clamp(count, 0.0, double(kMaxGridCount)));
}

// Object `index` of the file with its points and style, or null when the
// file names no known kind. `complete` is false when the object stopped at an
// absurd point count or a style that cannot be built. Points are kept within
// the coordinate bound.
std::unique_ptr<CDrawingBase> ReadObject(const DrawingIni& ini, int index, const DrawingStyle& defaults, bool& complete)
{
    complete = false;
    const std::string section = ObjectSection(index);
    const char* name = section.c_str();
    std::unique_ptr<CDrawingBase> object =
        CreateDrawingObject(ini.ReadInt(name, "DrawingType", 0), &defaults, QPoint(0, 0));
    if (!object)
        return nullptr;
    const int32_t points = ini.ReadInt(name, "PointCount", object->PointCount());
    if (points > kMaxFilePoints)
        return object;
    for (int j = 0; j < points; ++j) {
        const QPoint current = object->GetPoint(j);
        object->SetPoint(j, QPoint(ClampCoordinate(ini.ReadInt(name, PointKey(j, 'x').c_str(), current.x())),
                                   ClampCoordinate(ini.ReadInt(name, PointKey(j, 'y').c_str(), current.y()))));
    }
    DrawingStyle style = object->Style();
    style.lock = ini.ReadInt(name, "Lock", style.lock);
    style.hide = ini.ReadInt(name, "Hide", style.hide);
    style.name = ini.ReadText(name, "Name", style.name, kMaxNameLength);
    ReadDrawingStyle(ini, name, style);
    complete = object->ApplyStyle(style);
    return object;
}

} // namespace

CDrawingManagement::CDrawingManagement()
{
    settings_.units = DefaultDrawingUnits();
    defaultStyle_ = ManagerDefaultDrawingStyle();
}

CDrawingManagement::~CDrawingManagement() = default;

bool CDrawingManagement::LoadDrawingFile(const QString& path, QString* error)
{
    DrawingIni ini;
    if (!ini.Load(path, error))
        return false;

    // The file is read into copies without the lock, so that painting and the
    // user interface wait only for the exchange at the end.
    DrawingSettings settings = Defaults();
    DrawingStyle defaultStyle = DefaultStyle();
    const int32_t count = ini.ReadInt(kManagementSection, "Count", 0);
    const bool drawOnSnapshot = ini.ReadInt(kManagementSection, "DrawOnBitmapFile", 0) != 0;
    DrawingUnits& units = settings.units;
    units.lengthUnit = ini.ReadText(kManagementSection, "LengthUnit", units.lengthUnit, kMaxNameLength);
    units.areaUnit = ini.ReadText(kManagementSection, "AreaUnit", units.areaUnit, kMaxNameLength);
    units.degreeUnit = ini.ReadText(kManagementSection, "DegreeUnit", units.degreeUnit, kMaxNameLength);
    units.pixelSizeX = ini.ReadReal(kManagementSection, "HorizontalPixelSize", units.pixelSizeX);
    units.pixelSizeY = ini.ReadReal(kManagementSection, "VerticalPixelSize", units.pixelSizeY);
    units.degreeRatio = ini.ReadReal(kManagementSection, "DispValueRatioDegree", units.degreeRatio);

    DrawingGrid& grid = settings.grid;
    grid.horizontalCount = ReadGridCount(ini, "HorizontalGridCount", grid.horizontalCount);
    grid.verticalCount = ReadGridCount(ini, "VerticalGridCount", grid.verticalCount);
    grid.penStyle = ini.ReadInt(kGridSection, "PenStyle", grid.penStyle);
    grid.penWidth = std::clamp(ini.ReadInt(kGridSection, "PenWidth", grid.penWidth), kMinPenWidth, kMaxPenWidth);
    grid.penColor = uint32_t(ini.ReadInt(kGridSection, "PenColor", int32_t(grid.penColor)));
    grid.backMode = ini.ReadInt(kGridSection, "BackMode", grid.backMode);
    grid.backColor = uint32_t(ini.ReadInt(kGridSection, "BackColor", int32_t(grid.backColor)));

    ObjectList objects;
    int failedObject = -1;
    for (int i = 0; i < count && failedObject < 0; ++i) {
        bool complete = false;
        std::unique_ptr<CDrawingBase> object = ReadObject(ini, i, defaultStyle, complete);
        if (object)
            objects.push_back(std::move(object));
        if (!complete)
            failedObject = i;
    }
    if (failedObject < 0)
        ReadDrawingStyle(ini, kDefaultObjectSection, defaultStyle);

    std::lock_guard lock(mutex_);
    objects_ = std::move(objects);
    creating_ = nullptr;
    pointsPlaced_ = 0;
    state_ = kIdle;
    settings_ = settings;
    drawOnSnapshot_ = drawOnSnapshot;
    defaultStyle_ = defaultStyle;
    if (failedObject >= 0 && error != nullptr)
        *error = tr("%1: drawing object %2 is damaged.").arg(path).arg(failedObject);
    return failedObject < 0;
}

bool CDrawingManagement::SaveDrawingFile(const QString& path) const
{
    DrawingIni ini;
    {
        std::lock_guard lock(mutex_);
        const DrawingUnits& units = settings_.units;
        ini.WriteInt(kManagementSection, "Count", int32_t(objects_.size()));
        ini.WriteInt(kManagementSection, "DrawOnBitmapFile", drawOnSnapshot_ ? 1 : 0);
        ini.WriteText(kManagementSection, "LengthUnit", units.lengthUnit);
        ini.WriteText(kManagementSection, "AreaUnit", units.areaUnit);
        ini.WriteText(kManagementSection, "DegreeUnit", units.degreeUnit);
        ini.WriteReal(kManagementSection, "HorizontalPixelSize", units.pixelSizeX);
        ini.WriteReal(kManagementSection, "VerticalPixelSize", units.pixelSizeY);
        ini.WriteReal(kManagementSection, "DispValueRatioDegree", units.degreeRatio);

        const DrawingGrid& grid = settings_.grid;
        ini.WriteInt(kGridSection, "HorizontalGridCount", grid.horizontalCount);
        ini.WriteInt(kGridSection, "VerticalGridCount", grid.verticalCount);
        ini.WriteInt(kGridSection, "PenStyle", grid.penStyle);
        ini.WriteInt(kGridSection, "PenWidth", grid.penWidth);
        ini.WriteInt(kGridSection, "PenColor", int32_t(grid.penColor));
        ini.WriteInt(kGridSection, "BackMode", grid.backMode);
        ini.WriteInt(kGridSection, "BackColor", int32_t(grid.backColor));

        for (size_t i = 0; i < objects_.size(); ++i) {
            const CDrawingBase& object = *objects_[i];
            const std::string section = ObjectSection(int(i));
            const char* name = section.c_str();
            ini.WriteInt(name, "DrawingType", object.Type());
            ini.WriteInt(name, "PointCount", object.PointCount());
            for (int j = 0; j < object.PointCount(); ++j) {
                ini.WriteInt(name, PointKey(j, 'x').c_str(), object.GetPoint(j).x());
                ini.WriteInt(name, PointKey(j, 'y').c_str(), object.GetPoint(j).y());
            }
            ini.WriteInt(name, "Lock", object.Style().lock);
            ini.WriteInt(name, "Hide", object.Style().hide);
            ini.WriteText(name, "Name", object.Style().name);
            WriteDrawingStyle(ini, name, object.Style());
        }
        WriteDrawingStyle(ini, kDefaultObjectSection, defaultStyle_);
    }
    return ini.Save(path);
}

void CDrawingManagement::DrawOnFrame(QPainter& painter) const
{
    std::lock_guard lock(mutex_);
    const bool grey = IsGreyDevice(painter);
    DrawGrid(painter, grey);
    for (const auto& object : objects_)
        object->Draw(painter, settings_.units);
    if (state_ == kRubberBand)
        DrawRubberBand(painter, grey);
}

bool CDrawingManagement::DrawsNothing() const
{
    std::lock_guard lock(mutex_);
    const bool grid =
        (settings_.grid.horizontalCount > 0 || settings_.grid.verticalCount > 0) && imageWidth_ > 0 && imageHeight_ > 0;
    return !grid && objects_.empty() && state_ != kRubberBand;
}

bool CDrawingManagement::DrawOnFrame(uint8_t* pixels, int width, int height, bool colour) const
{
    if (pixels == nullptr || width <= 0 || height <= 0)
        return false;
    const int bytesPerPixel = colour ? 3 : 1;
    QImage frame(pixels, width, height, width * bytesPerPixel,
                 colour ? QImage::Format_BGR888 : QImage::Format_Grayscale8);
    QPainter painter(&frame);
    DrawOnFrame(painter);
    return true;
}

void CDrawingManagement::DrawGrid(QPainter& painter, bool grey) const
{
    if (imageWidth_ <= 0 || imageHeight_ <= 0)
        return;
    const DrawingGrid& grid = settings_.grid;
    painter.save();
    SetDrawingBackground(painter, grid.backMode, grid.backColor, grey);
    painter.setPen(MakeDrawingPen(grid.penStyle, grid.penWidth, grid.penColor, grey));
    for (int x : drawing::GridLinePositions(grid.horizontalCount, imageWidth_))
        painter.drawLine(x, 0, x, imageHeight_);
    for (int y : drawing::GridLinePositions(grid.verticalCount, imageHeight_))
        painter.drawLine(0, y, imageWidth_, y);
    painter.restore();
}

void CDrawingManagement::DrawRubberBand(QPainter& painter, bool grey) const
{
    painter.save();
    SetDrawingBackground(painter, kBackOpaque, kBandBackColor, grey);
    painter.setPen(MakeDrawingPen(kPenDot, 1, kBandColor, grey));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(StrokeRect(drawing::RectFromCorners(anchorPoint_, lastPoint_), kPenDot, 1));
    painter.restore();
}

int CDrawingManagement::ObjectCount() const
{
    std::lock_guard lock(mutex_);
    return int(objects_.size());
}

bool CDrawingManagement::DeleteSelected()
{
    std::lock_guard lock(mutex_);
    bool deleted = false;
    for (auto it = objects_.end(); it != objects_.begin();) {
        --it;
        if (!(*it)->IsSelected())
            continue;
        if (it->get() == creating_) {
            creating_ = nullptr;
            pointsPlaced_ = 0;
            state_ = kIdle;
        }
        it = objects_.erase(it);
        deleted = true;
    }
    return deleted;
}

void CDrawingManagement::SelectOnly(int index, bool value)
{
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < objects_.size(); ++i)
        objects_[i]->SetSelected(int(i) == index && value);
}

int CDrawingManagement::TopSelectedIndex() const
{
    std::lock_guard lock(mutex_);
    for (size_t i = objects_.size(); i > 0; --i) {
        if (objects_[i - 1]->IsSelected())
            return int(i - 1);
    }
    return 0;
}

int CDrawingManagement::CountSelected() const
{
    std::lock_guard lock(mutex_);
    return CountSelectedLocked();
}

int CDrawingManagement::CountSelectedLocked() const
{
    return int(
        std::count_if(objects_.begin(), objects_.end(), [](const auto& object) { return object->IsSelected(); }));
}

int CDrawingManagement::MoveInZOrder(int index, bool upward, bool repeat)
{
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= int(objects_.size()))
        return index;
    do {
        const int next = upward ? index + 1 : index - 1;
        if (next < 0 || next >= int(objects_.size()))
            break;
        std::swap(objects_[index], objects_[next]);
        index = next;
    } while (repeat);
    return index;
}

bool CDrawingManagement::SetObjectStyle(int index, const DrawingStyle& style)
{
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= int(objects_.size()))
        return false;
    return objects_[index]->ApplyStyle(style);
}

bool CDrawingManagement::GetObjectStyle(int index, DrawingStyle& style) const
{
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= int(objects_.size()))
        return false;
    style = objects_[index]->Style();
    return true;
}

std::vector<QPoint> CDrawingManagement::ObjectPoints(int index) const
{
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= int(objects_.size()))
        return {};
    return objects_[index]->Points();
}

QStringList CDrawingManagement::ObjectListLines() const
{
    std::lock_guard lock(mutex_);
    QStringList lines;
    for (size_t i = 0; i < objects_.size(); ++i)
        lines.append(QString::number(i) + QStringLiteral(". ") + objects_[i]->Style().name);
    return lines;
}

void CDrawingManagement::SetDefaults(const DrawingSettings& settings)
{
    std::lock_guard lock(mutex_);
    settings_ = settings;
}

DrawingSettings CDrawingManagement::Defaults() const
{
    std::lock_guard lock(mutex_);
    return settings_;
}

void CDrawingManagement::SetDefaultStyle(const DrawingStyle& style)
{
    std::lock_guard lock(mutex_);
    defaultStyle_ = style;
}

DrawingStyle CDrawingManagement::DefaultStyle() const
{
    std::lock_guard lock(mutex_);
    return defaultStyle_;
}

void CDrawingManagement::SetDrawingFileName(const QString& path)
{
    std::lock_guard lock(mutex_);
    drawingFileName_ = path;
}

QString CDrawingManagement::DrawingFileName() const
{
    std::lock_guard lock(mutex_);
    return drawingFileName_;
}

void CDrawingManagement::SetDrawOnSnapshot(bool on)
{
    std::lock_guard lock(mutex_);
    drawOnSnapshot_ = on;
}

bool CDrawingManagement::DrawOnSnapshot() const
{
    std::lock_guard lock(mutex_);
    return drawOnSnapshot_;
}

void CDrawingManagement::SetImageSize(int width, int height)
{
    std::lock_guard lock(mutex_);
    imageWidth_ = width;
    imageHeight_ = height;
}

bool CDrawingManagement::SetTool(int32_t tool)
{
    if (tool < kDrawingSelect || tool > kLastDrawingType)
        return false;
    std::lock_guard lock(mutex_);
    tool_ = tool;
    pointsPlaced_ = 0;
    creating_ = nullptr;
    state_ = kIdle;
    DeselectAll();
    return true;
}

int32_t CDrawingManagement::Tool() const
{
    std::lock_guard lock(mutex_);
    return tool_;
}

bool CDrawingManagement::IsCreating() const
{
    std::lock_guard lock(mutex_);
    return creating_ != nullptr;
}

bool CDrawingManagement::FinishCreation()
{
    std::lock_guard lock(mutex_);
    if (creating_ == nullptr)
        return false;
    EndCreation();
    state_ = kIdle;
    return true;
}

void CDrawingManagement::EndCreation()
{
    tool_ = kDrawingSelect;
    pointsPlaced_ = 0;
    creating_ = nullptr;
}

void CDrawingManagement::DeselectAll()
{
    for (const auto& object : objects_)
        object->SetSelected(false);
}

void CDrawingManagement::OnPress(QPoint p, unsigned keyFlags)
{
    std::lock_guard lock(mutex_);
    if (tool_ != kDrawingSelect)
        PressWhileCreating(p, keyFlags);
    else
        PressWhileSelecting(p, keyFlags);
    anchorPoint_ = p;
    lastPoint_ = p;
}

void CDrawingManagement::PressWhileCreating(QPoint p, unsigned keyFlags)
{
    if (creating_ == nullptr) {
        std::unique_ptr<CDrawingBase> object = CreateDrawingObject(tool_, &defaultStyle_, p);
        if (!object)
            return;
        object->SetSelected(true);
        creating_ = object.get();
        objects_.push_back(std::move(object));
        pointsPlaced_ = 1;
    } else {
        ++pointsPlaced_;
        creating_->PlacePoint(pointsPlaced_, keyFlags, p);
    }
    if (pointsPlaced_ < creating_->PointTarget()) {
        state_ = kPlacing;
        return;
    }
    hitCode_ = creating_->HitTest(p);
    EndCreation();
    state_ = kDragging;
}

void CDrawingManagement::PressWhileSelecting(QPoint p, unsigned keyFlags)
{
    hitCode_ = kHitNone;
    CDrawingBase* hit = nullptr;
    uint32_t code = kHitNone;
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
        if (!(*it)->IsPickable())
            continue;
        code = (*it)->HitTest(p);
        if (code != kHitNone) {
            hit = it->get();
            break;
        }
    }
    const bool shift = (keyFlags & kShiftKeyFlag) != 0;
    if (hit != nullptr && shift) {
        hit->SetSelected(!hit->IsSelected());
    } else if (hit != nullptr) {
        // Pressing an object that is already selected keeps the other
        // selections, so that a multi-selection can be dragged.
        if (!hit->IsSelected())
            DeselectAll();
        hit->SetSelected(true);
        hitCode_ = code;
    } else if (!shift) {
        DeselectAll();
    }
    if (hitCode_ != kHitNone && CountSelectedLocked() > 1)
        hitCode_ = kHitBody;
    state_ = hitCode_ != kHitNone ? kDragging : kRubberBand;
}

Qt::CursorShape CDrawingManagement::OnMove(unsigned keyFlags, QPoint p)
{
    std::lock_guard lock(mutex_);
    Qt::CursorShape cursor = Qt::ArrowCursor;
    if (tool_ != kDrawingSelect) {
        if (state_ == kPlacing && creating_ != nullptr)
            creating_->PlacePoint(pointsPlaced_, keyFlags, p);
        cursor = Qt::CrossCursor;
    } else if (state_ == kRubberBand) {
        const drawing::DrawingRect band = drawing::RectFromCorners(anchorPoint_, p);
        for (const auto& object : objects_) {
            if (object->IsPickable())
                object->SelectIfInRect(band);
        }
    } else if (state_ == kDragging) {
        for (const auto& object : objects_) {
            if (object->IsSelected() && object->IsPickable())
                object->Drag(hitCode_, keyFlags, lastPoint_, p);
        }
        cursor = CDrawingBase::CursorFor(hitCode_);
    } else {
        for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
            const uint32_t code = (*it)->IsPickable() ? (*it)->HitTest(p) : kHitNone;
            if (code != kHitNone) {
                hitCode_ = code;
                cursor = CDrawingBase::CursorFor(code);
                break;
            }
        }
    }
    lastPoint_ = p;
    return cursor;
}

void CDrawingManagement::OnRelease()
{
    std::lock_guard lock(mutex_);
    if (state_ == kPlacing && creating_ != nullptr && pointsPlaced_ >= creating_->ReleaseTarget())
        EndCreation();
    state_ = kIdle;
}

CDrawingManagement::InteractionState CDrawingManagement::State() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

uint32_t CDrawingManagement::HitCode() const
{
    std::lock_guard lock(mutex_);
    return hitCode_;
}
