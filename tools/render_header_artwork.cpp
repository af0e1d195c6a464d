// Renders the main window's header artwork at the three sizes the window uses and writes them
// as PNG files: render_header_artwork OUTPUT_FOLDER. The images are committed under data/images;
// run this again after changing the drawing.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

void drawHeader(QPainter& p, const QSizeF& size) {
    const double w = size.width();
    const double h = size.height();
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, h);
    background.setColorAt(0.0, QColor(0x2b, 0x2f, 0x36));
    background.setColorAt(1.0, QColor(0x12, 0x14, 0x18));
    p.fillRect(QRectF(0, 0, w, h), background);

    // A gauge: an arc with a needle, the emblem of a live reading.
    const double r = h * 0.36;
    const QPointF centre(h * 0.52, h * 0.58);
    p.setPen(QPen(QColor(0x5a, 0x60, 0x6b), h * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 200 * 16, -220 * 16);
    p.setPen(QPen(QColor(0xf2, 0xa9, 0x00), h * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 200 * 16, -140 * 16);
    p.setPen(QPen(QColor(0xf4, 0xf4, 0xf4), h * 0.045, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(r * 0.55, -r * 0.62));
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, h * 0.06, h * 0.06);

    // The name, and a trace line under it.
    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(static_cast<int>(h * 0.46));
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(0xf4, 0xf4, 0xf4));
    p.drawText(QRectF(h * 1.05, 0, w - h * 1.1, h * 0.74), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Quilldar"));

    QPainterPath trace;
    const double baseline = h * 0.86;
    trace.moveTo(h * 1.05, baseline);
    const double steps = 24;
    for (int i = 1; i <= steps; ++i) {
        const double x = h * 1.05 + (w - h * 1.2) * i / steps;
        const double y = baseline - ((i % 6 == 3) ? h * 0.12 : (i % 6 == 4 ? -h * 0.05 : 0.0));
        trace.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf2, 0xa9, 0x00), h * 0.03));
    p.drawPath(trace);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_header_artwork OUTPUT_FOLDER\n");
        return 2;
    }
    const struct {
        int width, height;
        const char* name;
    } sizes[] = {{220, 53, "header_100.png"}, {275, 66, "header_125.png"}, {330, 79, "header_150.png"}};
    for (const auto& s : sizes) {
        QImage image(s.width, s.height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawHeader(painter, QSizeF(s.width, s.height));
        painter.end();
        const QString path = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/') + QLatin1String(s.name);
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
