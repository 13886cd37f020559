#pragma once
#include <QGroupBox>

// A group box drawn with the metrics the window's layout was made for: the caption at the top left
// and the frame's etched line through the middle of the caption, two pixels thick. The controls
// placed inside a group start right under that line, so the platform style's own group frame
// (whose line runs below a caption row) would cross them.
class CaptionGroupBox : public QGroupBox {
    Q_OBJECT
public:
    // The line height of the design's caption font (bold, 11-pixel characters).
    static constexpr int kCaptionHeight = 13;
    static constexpr int kCaptionLeft = 8;
    static constexpr int kFrameLine = 2;

    explicit CaptionGroupBox(QWidget* parent = nullptr);

    // The frame's outer edge: its top line lies through the middle of the caption.
    QRect frameRect() const;
    // What lies inside the frame's lines; every control of the group belongs in here.
    QRect insideFrame() const;
    // Where the caption is drawn, on the window's background over the frame line.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
