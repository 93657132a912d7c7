// Writes the desktop icons from the program's own icon 128, so that the menu
// shows the same ring as the window:
//   32x32/apps/NAME.png        the picture as it is
//   64x64, 128x128, 256x256    the picture enlarged by a whole factor, every
//                              pixel a square block, so the edges stay crisp
//   scalable/apps/NAME.svg     the same pixels as rectangles, one for each
//                              run of equal pixels in a row
// Usage: kalvex_icons OUTPUT_FOLDER NAME
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>

#include <cstdio>

#include "ui/images.h"

namespace {

bool WritePng(const QImage& icon, int factor, const QString& folder, const QString& name) {
    const int size = icon.width() * factor;
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(dir)) return false;
    const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled.save(QStringLiteral("%1/%2.png").arg(dir, name), "PNG");
}

bool WriteSvg(const QImage& icon, const QString& folder, const QString& name) {
    const QString dir = folder + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(dir)) return false;
    QFile file(QStringLiteral("%1/%2.svg").arg(dir, name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;

    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << icon.width()
        << "\" height=\"" << icon.height() << "\" viewBox=\"0 0 " << icon.width() << ' ' << icon.height()
        << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < icon.height(); ++y) {
        int x = 0;
        while (x < icon.width()) {
            const QRgb pixel = icon.pixel(x, y);
            int end = x + 1;
            while (end < icon.width() && icon.pixel(end, y) == pixel) ++end;
            if (qAlpha(pixel) != 0) {
                out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(pixel).name() << "\"/>\n";
            }
            x = end;
        }
    }
    out << "</svg>\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: kalvex_icons OUTPUT_FOLDER NAME\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage icon = QImage(kToroidIcon).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull()) {
        std::fputs("kalvex_icons: icon 128 does not read as XPM\n", stderr);
        return 1;
    }
    for (const int factor : {1, 2, 4, 8}) {
        if (!WritePng(icon, factor, folder, name)) {
            std::fprintf(stderr, "kalvex_icons: cannot write the icon enlarged %d times\n", factor);
            return 1;
        }
    }
    if (!WriteSvg(icon, folder, name)) {
        std::fputs("kalvex_icons: cannot write the scalable icon\n", stderr);
        return 1;
    }
    return 0;
}
