#pragma once
#include <QPixmap>
#include <QWidget>

// A progress gauge filled from the left with a tiled bitmap (Brosse) over a tiled background
// bitmap (Fond), inside a 3D border. Its hint shows the progress.
class TGraphicGauge : public QWidget {
    Q_OBJECT
public:
    // The one fill kind this gauge draws: horizontal, from the left.
    static constexpr int horizontalKind = 3;

    explicit TGraphicGauge(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    void setMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void setMaxValue(int value);
    int Progress() const { return progress_; }
    void setProgress(int value);
    QPixmap Brosse() const { return brosse_; }
    void setBrosse(const QPixmap& bitmap);
    QPixmap Fond() const { return fond_; }
    void setFond(const QPixmap& bitmap);
    int Kind() const { return horizontalKind; }
    void setKind(int kind);

    // The whole percentage shown, and the width of the fill inside the border.
    int PercentDone() const;
    int FillWidth() const;

    QSize sizeHint() const override { return {100, 16}; }

signals:
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    QPixmap brosse_;
    QPixmap fond_;
};
