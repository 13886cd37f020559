#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <stdexcept>
#include <vector>

#include "editor/plot_mapping.h"

class QPainter;

enum class TPositionCaption { TopLeft, TopCenter, TopRight, BottomLeft, BottomCenter, BottomRight };

// Raised for a trace number outside the traces in use.
class EGraphXYError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A small XY plot: a frame with an optional grid and scale, and up to 7 traces of (X, Y) points
// joined by one-pixel lines. Every frame is composed off-screen and copied in one piece, so the
// plot never flickers however often it is repainted.
class TGraphXY : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTraceSlots = 8;
    static constexpr int kMaxTraces = 7;

    explicit TGraphXY(QWidget* parent = nullptr);

    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& c);
    QColor GridColor() const { return gridColor_; }
    void SetGridColor(const QColor& c);

    int MargeHaute() const { return geometry_.margeHaute; }
    void SetMargeHaute(int v);
    int MargeBasse() const { return geometry_.margeBasse; }
    void SetMargeBasse(int v);
    int MargeGauche() const { return geometry_.margeGauche; }
    void SetMargeGauche(int v);
    int MargeDroite() const { return geometry_.margeDroite; }
    void SetMargeDroite(int v);

    int XMin() const { return geometry_.xMin; }
    void SetXMin(int v);
    int YMin() const { return geometry_.yMin; }
    void SetYMin(int v);
    int EchX() const { return geometry_.echX; }
    void SetEchX(int v);
    int EchY() const { return geometry_.echY; }
    void SetEchY(int v);
    int NbXDiv() const { return geometry_.nbXDiv; }
    void SetNbXDiv(int v);
    int NbYDiv() const { return geometry_.nbYDiv; }
    void SetNbYDiv(int v);

    bool Echelle() const { return echelle_; }
    void SetEchelle(bool v);

    int NbTrace() const { return nbTrace_; }
    void SetNbTrace(int v);
    int Indice() const { return indice_; }
    void SetIndice(int v);
    QColor Color() const { return color_; }
    void SetColor(const QColor& c);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& text);
    TPositionCaption PositionCaption() const { return positionCaption_; }
    void SetPositionCaption(TPositionCaption p);

    // The font of the scale numbers and the caption, and the colour they are written in.
    QFont Font() const { return font_; }
    void SetFont(const QFont& f);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& c);

    void ClearTrace(int trace);
    void AddPoint(int trace, double x, double y);
    // Appends the point and at once draws a line to it on the screen surface, from the trace's
    // last pixel when that lies inside the plot rectangle.
    void AddPointDrawn(int trace, double x, double y);

    double XFromPixel(double px) const;
    double YFromPixel(double py) const;

    // Composes a fresh frame and puts it on the screen now, not at the next event.
    void Repaint();

    // A layer over the traces, off until set: a polyline of values clipped to the plot rectangle
    // and a text in the top right corner of the plot, both in `colour`. It repaints at once.
    void SetOverlay(std::vector<dds::PlotPoint> points, const QColor& colour, const QString& cornerText);
    void ClearOverlay();
    bool HasOverlay() const { return overlayShown_; }
    const std::vector<dds::PlotPoint>& OverlayPoints() const { return overlayPoints_; }
    QString OverlayText() const { return overlayText_; }
    QColor OverlayColour() const { return overlayColour_; }

    // Inspection: the traces as the widget holds them and the surface last put on the screen.
    const std::vector<dds::PlotPoint>& TracePoints(int trace) const;
    QColor TraceColor(int trace) const;
    dds::Pixel LastPixel(int trace) const;
    const QImage& Surface() const { return surface_; }
    dds::PlotGeometry PlotGeometry() const;

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Trace {
        std::vector<dds::PlotPoint> points;
        QColor color;
        dds::Pixel lastPixel;
    };

    template <typename T>
    void Assign(T& field, const T& value);
    Trace& TraceAt(int trace);
    const Trace& TraceAt(int trace) const;
    QImage ComposeFrame();
    void PaintTraces(QPainter& painter, const dds::PlotGeometry& g);
    void PaintScale(QPainter& painter, const dds::PlotGeometry& g) const;
    void PaintCaption(QPainter& painter, const dds::PlotGeometry& g) const;
    void PaintText(QPainter& painter, int left, int top, const QString& text) const;
    void PaintOverlay(QPainter& painter, const dds::PlotGeometry& g) const;
    int FontHeight() const;
    void ShowSurface();

    QColor backColor_{0, 0, 128};
    QColor gridColor_{192, 192, 192};
    dds::PlotGeometry geometry_;
    bool echelle_ = true;
    int nbTrace_ = 1;
    int indice_ = 0;
    QColor color_{255, 255, 0};
    QString caption_;
    TPositionCaption positionCaption_ = TPositionCaption::TopLeft;
    QFont font_;
    QColor fontColor_{255, 255, 255};
    std::array<Trace, kTraceSlots> traces_;
    QImage surface_;
    bool surfaceFresh_ = false;
    bool pressed_ = false;
    bool overlayShown_ = false;
    std::vector<dds::PlotPoint> overlayPoints_;
    QColor overlayColour_;
    QString overlayText_;
};
