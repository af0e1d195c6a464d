// Renders the report's artwork and writes it as PNG files: render_print_artwork OUTPUT_FOLDER
// writes PrintHeader.png (the band across the top of the page, drawn 495 × 50 pt) and
// PrintLogo.png (the mark in the footer, drawn 100 × 23 pt). The images are committed under data/;
// run this again after changing the drawing. Printed on white paper, so both stay light.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// A gauge: an arc with a needle, the emblem of a live reading.
void drawGauge(QPainter& p, const QPointF& centre, double r, const QColor& track, const QColor& needle) {
    p.setPen(QPen(track, r * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 200 * 16, -220 * 16);
    p.setPen(QPen(QColor(0xf2, 0xa9, 0x00), r * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 200 * 16, -140 * 16);
    p.setPen(QPen(needle, r * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(r * 0.55, -r * 0.62));
    p.setBrush(needle);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, r * 0.16, r * 0.16);
}

QImage header() {
    const int w = 1980, h = 200;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, w, 0);
    background.setColorAt(0.0, QColor(0x2b, 0x2f, 0x36));
    background.setColorAt(1.0, QColor(0x4a, 0x52, 0x5e));
    p.fillRect(QRectF(0, 0, w, h), background);
    drawGauge(p, QPointF(h * 0.55, h * 0.58), h * 0.34, QColor(0x5a, 0x60, 0x6b), QColor(0xf4, 0xf4, 0xf4));

    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(static_cast<int>(h * 0.42));
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(0xf4, 0xf4, 0xf4));
    p.drawText(QRectF(h * 1.05, 0, w, h * 0.62), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("QUILLDAR"));
    QFont line(QStringLiteral("Liberation Sans"));
    line.setPixelSize(static_cast<int>(h * 0.17));
    p.setFont(line);
    p.setPen(QColor(0xc8, 0xcc, 0xd2));
    p.drawText(QRectF(h * 1.07, h * 0.64, w, h * 0.3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Control unit diagnostics  \u2022  workshop report"));

    // A trace line along the right half, like a recorded reading.
    QPainterPath trace;
    const double x0 = w * 0.55;
    trace.moveTo(x0, h * 0.7);
    const double points[] = {0.7, 0.62, 0.66, 0.4, 0.45, 0.3, 0.35, 0.55, 0.5, 0.6, 0.42, 0.38, 0.5};
    for (std::size_t i = 1; i < std::size(points); ++i)
        trace.lineTo(x0 + (w * 0.42) * static_cast<double>(i) / (std::size(points) - 1), h * points[i]);
    p.setPen(QPen(QColor(0xf2, 0xa9, 0x00), h * 0.03, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);
    return image;
}

QImage logo() {
    const int w = 400, h = 92;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGauge(p, QPointF(h * 0.5, h * 0.58), h * 0.36, QColor(0xb0, 0xb5, 0xbd), QColor(0x2b, 0x2f, 0x36));
    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(static_cast<int>(h * 0.5));
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(0x2b, 0x2f, 0x36));
    p.drawText(QRectF(h * 1.0, 0, w, h), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quilldar"));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_print_artwork OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!header().save(folder + QStringLiteral("/PrintHeader.png")) ||
        !logo().save(folder + QStringLiteral("/PrintLogo.png"))) {
        std::fprintf(stderr, "cannot write the images into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
