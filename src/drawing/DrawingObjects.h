#pragma once

#include "drawing/CDrawingBase.h"

#include <memory>

// A new drawing object of the given type code with every initial point at p,
// or null for a code outside 1..12.
std::unique_ptr<CDrawingBase> CreateDrawingObject(int32_t type, const DrawingStyle* defaults, QPoint p);
