#include "drawing/DrawingObjects.h"

#include "drawing/CDrawingArc.h"
#include "drawing/CDrawingBezier.h"
#include "drawing/CDrawingCross.h"
#include "drawing/CDrawingDegree.h"
#include "drawing/CDrawingEllipse.h"
#include "drawing/CDrawingFreeHand.h"
#include "drawing/CDrawingLine.h"
#include "drawing/CDrawingPerpendicular.h"
#include "drawing/CDrawingPolygon.h"
#include "drawing/CDrawingRectangle.h"
#include "drawing/CDrawingRoundRect.h"
#include "drawing/CDrawingText.h"

std::unique_ptr<CDrawingBase> CreateDrawingObject(int32_t type, const DrawingStyle* defaults, QPoint p)
{
    switch (type) {
    case kDrawingLine:
        return std::make_unique<CDrawingLine>(defaults, p);
    case kDrawingRectangle:
        return std::make_unique<CDrawingRectangle>(defaults, p);
    case kDrawingEllipse:
        return std::make_unique<CDrawingEllipse>(defaults, p);
    case kDrawingText:
        return std::make_unique<CDrawingText>(defaults, p);
    case kDrawingDegree:
        return std::make_unique<CDrawingDegree>(defaults, p);
    case kDrawingPolygon:
        return std::make_unique<CDrawingPolygon>(defaults, p);
    case kDrawingPerpendicular:
        return std::make_unique<CDrawingPerpendicular>(defaults, p);
    case kDrawingArc:
        return std::make_unique<CDrawingArc>(defaults, p);
    case kDrawingBezier:
        return std::make_unique<CDrawingBezier>(defaults, p);
    case kDrawingFreeHand:
        return std::make_unique<CDrawingFreeHand>(defaults, p);
    case kDrawingCross:
        return std::make_unique<CDrawingCross>(defaults, p);
    case kDrawingRoundRect:
        return std::make_unique<CDrawingRoundRect>(defaults, p);
    default:
        return nullptr;
    }
}
