// Renders the program's icon, the gauge of the header artwork on a rounded tile, at the
// freedesktop icon sizes: render_app_icon ICON_ROOT writes ICON_ROOT/NxN/apps/quilldar.png.
// The images are committed under packaging/linux/icons/hicolor; run this again after changing
// the drawing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void drawIcon(QPainter& p, double size) {
    p.setRenderHint(QPainter::Antialiasing);
    // A small margin keeps the tile's shape at every size; tiny sizes need every pixel.
    const double margin = size >= 32 ? size * 0.06 : 0.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QLinearGradient background(0, tile.top(), 0, tile.bottom());
    background.setColorAt(0.0, QColor(0x2b, 0x2f, 0x36));
    background.setColorAt(1.0, QColor(0x12, 0x14, 0x18));
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(tile, tile.width() * 0.18, tile.width() * 0.18);

    const double s = tile.width();
    const double r = s * 0.32;
    const QPointF centre(tile.center().x(), tile.top() + s * 0.58);
    const QRectF arc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    const double stroke = std::max(1.5, s * 0.09);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5a, 0x60, 0x6b), stroke, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(arc, 200 * 16, -220 * 16);
    p.setPen(QPen(QColor(0xf2, 0xa9, 0x00), stroke, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(arc, 200 * 16, -140 * 16);
    p.setPen(QPen(QColor(0xf4, 0xf4, 0xf4), std::max(1.2, s * 0.065), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(r * 0.6, -r * 0.68));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    p.drawEllipse(centre, std::max(1.0, s * 0.08), std::max(1.0, s * 0.08));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_app_icon ICON_ROOT\n");
        return 2;
    }
    for (const int size : kSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawIcon(painter, size);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString path = folder + QStringLiteral("/quilldar.png");
        if (!QDir().mkpath(folder) || !image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
