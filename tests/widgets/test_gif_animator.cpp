#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

#include "event_waits.h"
#include "widgets/frame_delay.h"
#include "widgets/rx_gif_animator.h"

namespace {

const QString delays = QStringLiteral(WIDGET_TEST_DATA "/delays.gif");

TEST(FrameDelay, LimitedToFiftyMillisecondsUpToTenSeconds)
{
    EXPECT_EQ(dds::limitedFrameDelay(-1), 50);
    EXPECT_EQ(dds::limitedFrameDelay(0), 50);
    EXPECT_EQ(dds::limitedFrameDelay(50), 50);
    EXPECT_EQ(dds::limitedFrameDelay(120), 120);
    EXPECT_EQ(dds::limitedFrameDelay(10000), 10000);
    EXPECT_EQ(dds::limitedFrameDelay(655350), 10000);
}

TEST(FrameDelay, FramesLoopWithoutEnd)
{
    EXPECT_EQ(dds::nextFrameIndex(0, 3), 1);
    EXPECT_EQ(dds::nextFrameIndex(2, 3), 0);
    EXPECT_EQ(dds::nextFrameIndex(0, 1), 0);
    EXPECT_EQ(dds::nextFrameIndex(4, 0), 0);
}

TEST(GifAnimator, EachFrameKeepsItsOwnLimitedDelay)
{
    TRxGIFAnimator animator;
    animator.setAnimate(false);
    animator.setImage(delays);
    ASSERT_EQ(animator.FrameCount(), 3);
    EXPECT_EQ(animator.size(), QSize(12, 10));
    EXPECT_EQ(animator.CurrentFrameDelay(), 50);    // 30 ms in the file
    animator.setFrameIndex(1);
    EXPECT_EQ(animator.CurrentFrameDelay(), 10000); // 20 s in the file
    animator.setFrameIndex(2);
    EXPECT_EQ(animator.CurrentFrameDelay(), 1000);
    EXPECT_EQ(animator.pixmap().toImage().pixelColor(5, 5), QColor("#2f7fd8"));
}

TEST(GifAnimator, StartsAtFrameIndexAndLoops)
{
    TRxGIFAnimator animator;
    animator.setFrameIndex(2);
    animator.setImage(delays);
    EXPECT_EQ(animator.FrameIndex(), 2);
    ASSERT_TRUE(dds::test::WaitFor("the next frame", [&animator] { return animator.FrameIndex() != 2; }));
    EXPECT_EQ(animator.FrameIndex(), 0);
}

TEST(GifAnimator, StoppedAnimationStaysOnItsFrame)
{
    TRxGIFAnimator animator;
    animator.setImage(delays);
    animator.setAnimate(false);
    QTest::qWait(120); // over twice the first frame's delay: a slow machine may hide a step, never invent one
    EXPECT_EQ(animator.FrameIndex(), 0);
    EXPECT_THROW(animator.setFrameIndex(3), std::runtime_error);
}

TEST(GifAnimator, AnUnreadableImageIsRefused)
{
    TRxGIFAnimator animator;
    EXPECT_THROW(animator.setImage(QStringLiteral(WIDGET_TEST_DATA "/missing.gif")), std::runtime_error);
    EXPECT_EQ(animator.FrameCount(), 0);
}

TEST(Artwork, AnimationsLoadAtTheirDesignSizes)
{
    const std::pair<const char*, QSize> animations[] = {{":/images/anim_plug.gif", {235, 67}},
                                                        {":/images/anim_not_connected.gif", {90, 80}},
                                                        {":/images/anim_transfer.gif", {460, 146}},
                                                        {":/images/anim_wait.gif", {80, 84}}};
    for (const auto& [path, size] : animations) {
        TRxGIFAnimator animator;
        animator.setImage(path);
        EXPECT_GT(animator.FrameCount(), 1) << path;
        EXPECT_EQ(animator.size(), size) << path;
    }
}

TEST(Artwork, PicturesHaveTheirDesignSizes)
{
    EXPECT_EQ(QImage(":/images/startup.png").size(), QSize(563, 419));
    EXPECT_EQ(QImage(":/images/about.png").size(), QSize(562, 600));
    const QStringList toolbar = {"guide", "open", "quit", "save", "english", "french", "about", "german"};
    for (const QString& name : toolbar) {
        EXPECT_EQ(QImage(":/images/toolbar_" + name + ".png").size(), QSize(16, 16)) << name.toStdString();
        EXPECT_EQ(QImage(":/images/toolbar_" + name + "@2x.png").size(), QSize(32, 32)) << name.toStdString();
    }
    EXPECT_EQ(QDir(":/images").entryList({"wave_*@2x.png"}).size(), 12);
}

} // namespace
