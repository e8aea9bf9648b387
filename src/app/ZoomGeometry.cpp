#include "app/ZoomGeometry.h"

#include "imaging/DisplayGeometry.h"

QPoint DisplayToImage(QPoint point, int zoomIndex, QPoint scroll)
{
    if (zoomIndex > kZoomOneIndex) {
        const int shift = zoomIndex - kZoomOneIndex;
        return {(point.x() + (scroll.x() << shift)) >> shift, (point.y() + (scroll.y() << shift)) >> shift};
    }
    const int shift = kZoomOneIndex - zoomIndex;
    return {(point.x() + (scroll.x() >> shift)) << shift, (point.y() + (scroll.y() >> shift)) << shift};
}
