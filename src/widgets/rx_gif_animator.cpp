#include "widgets/rx_gif_animator.h"

#include <stdexcept>

#include "widgets/frame_delay.h"

TRxGIFAnimator::TRxGIFAnimator(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    frameTimer_.setSingleShot(true);
    connect(&frameTimer_, &QTimer::timeout, this, &TRxGIFAnimator::advance);
}

void TRxGIFAnimator::setImage(const QString& fileName)
{
    auto movie = std::make_unique<QMovie>(fileName);
    // Without caching, the first jump to a frame can report success with no image.
    movie->setCacheMode(QMovie::CacheAll);
    if (!movie->isValid())
        throw std::runtime_error("Image GIF illisible : " + fileName.toStdString());
    frameTimer_.stop();
    movie_ = std::move(movie);
    fileName_ = fileName;
    showFrame(frameIndex_ < FrameCount() ? frameIndex_ : 0);
}

void TRxGIFAnimator::setAnimate(bool animate)
{
    animate_ = animate;
    if (!animate_)
        frameTimer_.stop();
    else if (movie_ && !frameTimer_.isActive())
        frameTimer_.start(currentDelay_);
}

void TRxGIFAnimator::setFrameIndex(int index)
{
    if (!movie_) {
        frameIndex_ = index;
        return;
    }
    if (index < 0 || index >= FrameCount())
        throw std::runtime_error("Image GIF : trame " + std::to_string(index) + " inexistante");
    showFrame(index);
}

int TRxGIFAnimator::FrameCount() const
{
    return movie_ ? movie_->frameCount() : 0;
}

void TRxGIFAnimator::showFrame(int index)
{
    movie_->jumpToFrame(index);
    frameIndex_ = index;
    const QPixmap frame = movie_->currentPixmap();
    setPixmap(frame);
    resize(frame.size());
    currentDelay_ = dds::limitedFrameDelay(movie_->nextFrameDelay());
    if (animate_)
        frameTimer_.start(currentDelay_);
}

void TRxGIFAnimator::advance()
{
    if (movie_)
        showFrame(dds::nextFrameIndex(frameIndex_, FrameCount()));
}
