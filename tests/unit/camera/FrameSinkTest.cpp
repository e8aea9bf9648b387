#include "camera/FrameRequest.h"
#include "camera/OverlayRegistry.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Calls {
    std::vector<char> order;
    std::vector<QColor> pensSeen;
};

template <char Name>
void RecordingPainter(QPainter& painter, uint8_t*, int32_t, int32_t, uint32_t, void* userData, const int32_t*)
{
    auto* calls = static_cast<Calls*>(userData);
    calls->order.push_back(Name);
    calls->pensSeen.push_back(painter.pen().color());
    painter.setPen(Qt::red);
}

TEST(OverlayRegistry, KeysGrowFromTheLargestInTheList)
{
    OverlayRegistry registry;
    Calls calls;
    EXPECT_TRUE(registry.IsEmpty());
    EXPECT_EQ(registry.Add(RecordingPainter<'a'>, &calls), 1u);
    EXPECT_EQ(registry.Add(RecordingPainter<'b'>, &calls), 2u);
    EXPECT_EQ(registry.Add(RecordingPainter<'c'>, &calls), 3u);
    EXPECT_TRUE(registry.Remove(2));
    EXPECT_FALSE(registry.Remove(2));
    EXPECT_EQ(registry.Add(RecordingPainter<'d'>, &calls), 4u);
    EXPECT_FALSE(registry.IsEmpty());
}

TEST(OverlayRegistry, PaintsInListOrderEachFromTheGivenState)
{
    OverlayRegistry registry;
    Calls calls;
    registry.Add(RecordingPainter<'a'>, &calls);
    registry.Add(RecordingPainter<'b'>, &calls);
    uint8_t pixels[4 * 4] = {};
    QImage image(pixels, 4, 4, 4, QImage::Format_Grayscale8);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    int32_t dropped = 0;
    registry.PaintAll(painter, pixels, 4, 4, 1, &dropped);

    EXPECT_EQ(calls.order, (std::vector<char>{'a', 'b'}));
    EXPECT_EQ(calls.pensSeen, (std::vector<QColor>{Qt::black, Qt::black}));
}

TEST(FrameRequest, AnUnansweredRequestIsWithdrawn)
{
    FrameRequest request;
    FrameSinkList sinks;
    uint8_t buffer[4] = {};
    request.Post(sinks, buffer, 4, 1, 1);
    EXPECT_EQ(request.pending, 1);
    EXPECT_TRUE(sinks.Contains(&request));
    uint32_t blockId = 77;
    EXPECT_FALSE(request.Finish(std::chrono::milliseconds(10), blockId));
    EXPECT_EQ(blockId, 77u);
    EXPECT_EQ(request.pending, 0);
    EXPECT_EQ(request.buffer, nullptr);
    EXPECT_FALSE(sinks.Contains(&request));
}

TEST(FrameRequest, PostingClearsAnEarlierSizeError)
{
    FrameRequest request;
    FrameSinkList sinks;
    uint8_t buffer[4] = {};
    request.error = 1;
    request.completed.Set();
    request.Post(sinks, buffer, 4, 1, 1);
    EXPECT_EQ(request.error, 0);
    EXPECT_FALSE(request.completed.IsSet());
}

} // namespace
