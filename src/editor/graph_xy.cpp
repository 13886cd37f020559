#include "editor/graph_xy.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <string>

namespace {

const std::array<QColor, TGraphXY::kTraceSlots> kDefaultTraceColors{{
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 255},
    {255, 165, 121},
    {201, 168, 255},
    {217, 255, 136},
    {255, 255, 255},
}};

QPen SolidPen(const QColor& c) { return QPen(c, 0, Qt::SolidLine); }

} // namespace

TGraphXY::TGraphXY(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Draw mode follows the pointer with no button held.
    setMouseTracking(true);
    font_ = QFont("Arial");
    font_.setPointSize(8);
    for (int i = 0; i < kTraceSlots; ++i)
        traces_[static_cast<std::size_t>(i)].color = kDefaultTraceColors[static_cast<std::size_t>(i)];
    resize(320, 320);
}

template <typename T>
void TGraphXY::Assign(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Repaint();
}

void TGraphXY::SetBackColor(const QColor& c) { Assign(backColor_, c); }
void TGraphXY::SetGridColor(const QColor& c) { Assign(gridColor_, c); }
void TGraphXY::SetMargeHaute(int v) { Assign(geometry_.margeHaute, v); }
void TGraphXY::SetMargeBasse(int v) { Assign(geometry_.margeBasse, v); }
void TGraphXY::SetMargeGauche(int v) { Assign(geometry_.margeGauche, v); }
void TGraphXY::SetMargeDroite(int v) { Assign(geometry_.margeDroite, v); }
void TGraphXY::SetXMin(int v) { Assign(geometry_.xMin, v); }
void TGraphXY::SetYMin(int v) { Assign(geometry_.yMin, v); }
void TGraphXY::SetEchX(int v) { Assign(geometry_.echX, v); }
void TGraphXY::SetEchY(int v) { Assign(geometry_.echY, v); }
void TGraphXY::SetNbXDiv(int v) { Assign(geometry_.nbXDiv, v); }
void TGraphXY::SetNbYDiv(int v) { Assign(geometry_.nbYDiv, v); }
void TGraphXY::SetEchelle(bool v) { Assign(echelle_, v); }
void TGraphXY::SetPositionCaption(TPositionCaption p) { Assign(positionCaption_, p); }
void TGraphXY::SetFont(const QFont& f) { Assign(font_, f); }
void TGraphXY::SetFontColor(const QColor& c) { Assign(fontColor_, c); }

void TGraphXY::SetNbTrace(int v)
{
    if (v == nbTrace_ || v < 1 || v > kMaxTraces)
        return;
    for (int i = v; i < nbTrace_; ++i)
        traces_[static_cast<std::size_t>(i)].points.clear();
    nbTrace_ = v;
    Repaint();
}

void TGraphXY::SetIndice(int v)
{
    if (v == indice_ || v < 0 || v >= nbTrace_)
        return;
    indice_ = v;
    color_ = traces_[static_cast<std::size_t>(v)].color;
    Repaint();
}

void TGraphXY::SetColor(const QColor& c)
{
    if (c == color_)
        return;
    color_ = c;
    traces_[static_cast<std::size_t>(indice_)].color = c;
    Repaint();
}

void TGraphXY::SetCaption(const QString& text)
{
    if (text == caption_)
        return;
    caption_ = text;
    update();
}

TGraphXY::Trace& TGraphXY::TraceAt(int trace)
{
    return const_cast<Trace&>(std::as_const(*this).TraceAt(trace));
}

const TGraphXY::Trace& TGraphXY::TraceAt(int trace) const
{
    if (trace < 0 || trace >= nbTrace_)
        throw EGraphXYError("Indice de liste hors limites (" + std::to_string(trace) + ")");
    return traces_[static_cast<std::size_t>(trace)];
}

void TGraphXY::ClearTrace(int trace) { TraceAt(trace).points.clear(); }

void TGraphXY::AddPoint(int trace, double x, double y) { TraceAt(trace).points.push_back({x, y}); }

void TGraphXY::AddPointDrawn(int trace, double x, double y)
{
    Trace& t = TraceAt(trace);
    t.points.push_back({x, y});
    const dds::PlotGeometry g = PlotGeometry();
    const dds::Pixel to = dds::ValueToPixel(g, {x, y});
    if (dds::InsidePlot(g, t.lastPixel)) {
        if (surface_.size() != size())
            surface_ = ComposeFrame();
        QPainter painter(&surface_);
        painter.setPen(SolidPen(t.color));
        painter.drawLine(t.lastPixel.x, t.lastPixel.y, to.x, to.y);
    }
    t.lastPixel = to;
    ShowSurface();
}

double TGraphXY::XFromPixel(double px) const { return dds::ValueAtColumn(PlotGeometry(), px); }
double TGraphXY::YFromPixel(double py) const { return dds::ValueAtRow(PlotGeometry(), py); }

const std::vector<dds::PlotPoint>& TGraphXY::TracePoints(int trace) const { return TraceAt(trace).points; }

QColor TGraphXY::TraceColor(int trace) const
{
    if (trace < 0 || trace >= kTraceSlots)
        throw EGraphXYError("Indice de liste hors limites (" + std::to_string(trace) + ")");
    return traces_[static_cast<std::size_t>(trace)].color;
}

dds::Pixel TGraphXY::LastPixel(int trace) const { return TraceAt(trace).lastPixel; }

dds::PlotGeometry TGraphXY::PlotGeometry() const
{
    dds::PlotGeometry g = geometry_;
    g.width = width();
    g.height = height();
    return g;
}

void TGraphXY::Repaint()
{
    surface_ = ComposeFrame();
    ShowSurface();
}

void TGraphXY::ShowSurface()
{
    surfaceFresh_ = true;
    repaint();
    surfaceFresh_ = false;
}

void TGraphXY::paintEvent(QPaintEvent*)
{
    if (!surfaceFresh_ || surface_.size() != size())
        surface_ = ComposeFrame();
    QPainter(this).drawImage(0, 0, surface_);
}

QImage TGraphXY::ComposeFrame()
{
    const dds::PlotGeometry g = PlotGeometry();
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), backColor_);

    painter.setPen(SolidPen(gridColor_));
    painter.setBrush(backColor_);
    painter.drawRect(g.left(), g.top(), g.right() - g.left(), g.bottom() - g.top());

    painter.setPen(QPen(gridColor_, 0, Qt::DotLine));
    for (int s = 1; s < g.nbYDiv; ++s) {
        const int y = g.top() + (g.bottom() - g.top()) * s / g.nbYDiv;
        painter.drawLine(g.left(), y, g.right(), y);
    }
    for (int s = 1; s < g.nbXDiv; ++s) {
        const int x = g.left() + (g.right() - g.left()) * s / g.nbXDiv;
        painter.drawLine(x, g.top(), x, g.bottom());
    }

    if (echelle_)
        PaintScale(painter, g);
    if (!caption_.isEmpty())
        PaintCaption(painter, g);
    PaintTraces(painter, g);
    if (overlayShown_)
        PaintOverlay(painter, g);
    return image;
}

void TGraphXY::SetOverlay(std::vector<dds::PlotPoint> points, const QColor& colour, const QString& cornerText)
{
    overlayShown_ = true;
    overlayPoints_ = std::move(points);
    overlayColour_ = colour;
    overlayText_ = cornerText;
    Repaint();
}

void TGraphXY::ClearOverlay()
{
    if (!overlayShown_)
        return;
    overlayShown_ = false;
    overlayPoints_.clear();
    overlayText_.clear();
    Repaint();
}

void TGraphXY::PaintOverlay(QPainter& painter, const dds::PlotGeometry& g) const
{
    painter.save();
    painter.setClipRect(QRect(QPoint(g.left(), g.top()), QPoint(g.right(), g.bottom())));
    QPolygon line;
    line.reserve(static_cast<qsizetype>(overlayPoints_.size()));
    for (const dds::PlotPoint& point : overlayPoints_) {
        const dds::Pixel p = dds::ValueToPixel(g, point);
        line.append(QPoint(p.x, p.y));
    }
    painter.setPen(SolidPen(overlayColour_));
    painter.drawPolyline(line);
    painter.setFont(font_);
    painter.drawText(QRect(g.left(), g.top() + 2, g.right() - g.left() - 4, QFontMetrics(font_).height()),
                     Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, overlayText_);
    painter.restore();
}

int TGraphXY::FontHeight() const
{
    // Character height, negative as for a size given in points: it lifts text by half its height.
    if (font_.pixelSize() > 0)
        return -font_.pixelSize();
    return -static_cast<int>(std::lrint(font_.pointSizeF() * 96.0 / 72.0));
}

void TGraphXY::PaintText(QPainter& painter, int left, int top, const QString& text) const
{
    const QFontMetrics metrics(font_);
    const QRect box(left, top, metrics.horizontalAdvance(text), metrics.height());
    painter.fillRect(box, backColor_);
    painter.setPen(fontColor_);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void TGraphXY::PaintScale(QPainter& painter, const dds::PlotGeometry& g) const
{
    painter.setFont(font_);
    const QFontMetrics metrics(font_);
    for (int s = 0; s <= g.nbXDiv; ++s) {
        const QString text = QString::number(s * g.echX + g.xMin);
        const int left = g.left() + (g.right() - g.left()) * s / std::max(g.nbXDiv, 1)
                         - metrics.horizontalAdvance(text) / 2;
        PaintText(painter, left, g.bottom() + 5, text);
    }
    for (int s = 0; s <= g.nbYDiv; ++s) {
        const QString text = QString::number(s * g.echY + g.yMin);
        const int top = g.bottom() - (g.bottom() - g.top()) * s / std::max(g.nbYDiv, 1)
                        + FontHeight() / 2 - 2;
        PaintText(painter, g.left() - 5 - metrics.horizontalAdvance(text), top, text);
    }
}

void TGraphXY::PaintCaption(QPainter& painter, const dds::PlotGeometry& g) const
{
    painter.setFont(font_);
    const int textWidth = QFontMetrics(font_).horizontalAdvance(caption_);
    const bool top = positionCaption_ == TPositionCaption::TopLeft
                     || positionCaption_ == TPositionCaption::TopCenter
                     || positionCaption_ == TPositionCaption::TopRight;
    int left = g.left() + 4;
    if (positionCaption_ == TPositionCaption::TopCenter || positionCaption_ == TPositionCaption::BottomCenter)
        left = (g.left() + g.right() - textWidth) / 2;
    if (positionCaption_ == TPositionCaption::TopRight || positionCaption_ == TPositionCaption::BottomRight)
        left = g.right() - textWidth - 4;
    PaintText(painter, left, top ? g.top() + 2 : g.bottom() - 4 + FontHeight(), caption_);
}

void TGraphXY::PaintTraces(QPainter& painter, const dds::PlotGeometry& g)
{
    QVector<QLine> lines;
    for (int i = 0; i < nbTrace_; ++i) {
        Trace& trace = traces_[static_cast<std::size_t>(i)];
        const dds::TraceStroke stroke = dds::StrokeTrace(g, trace.points);
        lines.clear();
        for (const dds::PixelLine& line : stroke.lines)
            lines.append(QLine(line.from.x, line.from.y, line.to.x, line.to.y));
        painter.setPen(SolidPen(trace.color));
        painter.drawLines(lines);
        if (stroke.lastPixel)
            trace.lastPixel = *stroke.lastPixel;
    }
}

void TGraphXY::mousePressEvent(QMouseEvent* event)
{
    pressed_ = true;
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TGraphXY::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MouseMove(event->modifiers(), p.x(), p.y());
}

void TGraphXY::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool clicked = pressed_ && rect().contains(p);
    pressed_ = false;
    emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
    if (clicked)
        emit Click();
}

void TGraphXY::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is still a press.
    mousePressEvent(event);
    emit DblClick();
}
