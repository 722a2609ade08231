#include "qt_drawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "font_setup.h"

namespace orvana::qt {

namespace {

// The key colour of bitmaps copied transparently; text drawn onto it is drawn
// without antialiasing, so no blended fringe survives the transparent copy.
constexpr uint32_t kTransparentKey = 0x0000FFu;

QColor colourOf(PlatformColour c) {
    return QColor(int(PLATFORM_COLOUR_RED(c)), int(PLATFORM_COLOUR_GREEN(c)),
                  int(PLATFORM_COLOUR_BLUE(c)));
}

// The surface's pixels as an image the painter draws into in place.
QImage imageOf(PlatformSurface* surface) {
    const int w = platformSurfacePixelWidth(surface), h = platformSurfacePixelHeight(surface);
    return QImage(reinterpret_cast<uchar*>(platformSurfacePixels(surface)), w, h, w * 4,
                  QImage::Format_RGB32);
}

// A painter in logical coordinates.
class SurfacePainter {
public:
    explicit SurfacePainter(PlatformSurface* surface) : image_(imageOf(surface)), painter_(&image_) {
        const qreal scale = platformSurfaceScale(surface);
        painter_.scale(scale, scale);
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    QPainter& operator*() { return painter_; }
    QPainter* operator->() { return &painter_; }

private:
    QImage image_;
    QPainter painter_;
};

void fillRect(void*, PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
              int32_t bottom, PlatformColour colour) {
    SurfacePainter p(surface);
    p->fillRect(QRect(left, top, right - left, bottom - top), colourOf(colour));
}

// A one-pixel pen through the centres of the logical pixels, both ends drawn.
void drawPolyline(void*, PlatformSurface* surface, const PlatformPoint* points, int32_t count,
                  PlatformColour colour) {
    SurfacePainter p(surface);
    QPen pen(colourOf(colour));
    pen.setWidthF(1.0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p->setPen(pen);
    QPolygonF line;
    line.reserve(count);
    for (int32_t i = 0; i < count; ++i) line << QPointF(points[i].x + 0.5, points[i].y + 0.5);
    p->drawPolyline(line);
}

void drawEllipse(void*, PlatformSurface* surface, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, PlatformColour colour, int filled) {
    SurfacePainter p(surface);
    if (filled) {
        p->setPen(Qt::NoPen);
        p->setBrush(colourOf(colour));
        p->drawEllipse(QRectF(left, top, right - left, bottom - top));
    } else {
        p->setPen(QPen(colourOf(colour), 1.0));
        p->setBrush(Qt::NoBrush);
        p->drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
    }
}

void drawText(void*, PlatformSurface* surface, int32_t x, int32_t y, const char16_t* text,
              const PlatformFont* font, PlatformColour colour) {
    QFont f = programFont(font->face, font->height, font->weight);
    const bool keyed = platformSurfacePixel(surface, x, y) == kTransparentKey;
    if (keyed) f.setStyleStrategy(QFont::NoAntialias);
    SurfacePainter p(surface);
    p->setRenderHint(QPainter::TextAntialiasing, !keyed);
    p->setFont(f);
    p->setPen(colourOf(colour));
    const QFontMetricsF metrics(f);
    p->drawText(QPointF(x, y + metrics.ascent()), QString::fromUtf16(text));
}

void measureText(void*, const char16_t* text, const PlatformFont* font, int32_t* width,
                 int32_t* height) {
    const QFontMetricsF metrics(programFont(font->face, font->height, font->weight));
    *width = int32_t(std::ceil(metrics.horizontalAdvance(QString::fromUtf16(text))));
    *height = int32_t(std::ceil(metrics.height()));
}

}  // namespace

void installQtDrawing(PlatformBackend& table) {
    table.fillRect = fillRect;
    table.drawPolyline = drawPolyline;
    table.drawEllipse = drawEllipse;
    table.drawText = drawText;
    table.measureText = measureText;
}

}  // namespace orvana::qt
