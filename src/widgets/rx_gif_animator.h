#pragma once
#include <QLabel>
#include <QMovie>
#include <QTimer>
#include <memory>

// An animated picture: shows an animated GIF, sized to the image and drawn transparently. Each
// frame stays for its own delay limited to 50..10000 ms, and the animation loops without end.
class TRxGIFAnimator : public QLabel {
    Q_OBJECT
public:
    explicit TRxGIFAnimator(QWidget* parent = nullptr);

    // The GIF file or resource path (":/images/..."); loading it restarts at FrameIndex, or at the
    // first frame when the new image has fewer frames. An unreadable image is refused.
    QString Image() const { return fileName_; }
    void setImage(const QString& fileName);
    bool Animate() const { return animate_; }
    void setAnimate(bool animate);
    int FrameIndex() const { return frameIndex_; }
    void setFrameIndex(int index);
    int FrameCount() const;
    // How long the frame shown now stays up, after limiting.
    int CurrentFrameDelay() const { return currentDelay_; }

private:
    void showFrame(int index);
    void advance();

    QString fileName_;
    std::unique_ptr<QMovie> movie_;
    bool animate_ = true;
    int frameIndex_ = 0;
    int currentDelay_ = 0;
    QTimer frameTimer_;
};
