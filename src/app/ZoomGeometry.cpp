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

QPoint FittedDisplayToImage(QPoint point, QSize view, QSize image)
{
    const DrawTransform transform =
        ComputeDrawTransform(kZoomFit, view.width(), view.height(), image.width(), image.height(), 0, 0);
    return {static_cast<int>(point.x() / transform.scale - transform.offsetX),
            static_cast<int>(point.y() / transform.scale - transform.offsetY)};
}
