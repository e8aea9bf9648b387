#include "analysis/AnalysisSource.h"

#include "camera/CameraConnection.h"
#include "imaging/PixelFormat.h"

AnalysisSource AnalysisSourceOf(CameraConnection& camera)
{
    AnalysisSource source;
    source.width = camera.Width();
    source.height = camera.Height();
    source.pixelFormat = camera.PixelFormat();
    source.sinks = camera.Acquisition().FrameSinks();
    return source;
}

bool IsColourSource(uint32_t pixelFormat)
{
    return !IsGrayPixelFormat(pixelFormat);
}

int32_t SensorBitDepth(uint32_t pixelFormat)
{
    switch (pixelFormat) {
    case kPixelFormatMono10:
    case kPixelFormatMono10Packed:
    case kPixelFormatBayerGR10:
    case kPixelFormatBayerRG10:
    case kPixelFormatBayerGB10:
    case kPixelFormatBayerBG10:
    case kPixelFormatBayerGR10Packed:
    case kPixelFormatBayerRG10Packed:
    case kPixelFormatBayerGB10Packed:
    case kPixelFormatBayerBG10Packed:
        return 10;
    case kPixelFormatMono12:
    case kPixelFormatMono12Packed:
    case kPixelFormatBayerGR12:
    case kPixelFormatBayerRG12:
    case kPixelFormatBayerGB12:
    case kPixelFormatBayerBG12:
    case kPixelFormatBayerGR12Packed:
    case kPixelFormatBayerRG12Packed:
    case kPixelFormatBayerGB12Packed:
    case kPixelFormatBayerBG12Packed:
        return 12;
    default:
        return 8;
    }
}
