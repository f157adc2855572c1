// Draws the ground picture and the program icon into the given folder:
// ground.jpg (400 x 400), icon.png and icon.ico (32 x 32), and the icon in
// the sizes desktops use as icons/<n>.png (16 to 256).
// Run it when the drawings change and commit what it writes.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstdio>

namespace {

const QColor kCorner(0x3a, 0x44, 0x55);
const QColor kGrassDark(0x2f, 0x8a, 0x2f);
const QColor kGrassLight(0x3c, 0xa0, 0x3a);
const QColor kPitch[3] = {QColor(0xd8, 0xbf, 0x8a), QColor(0xe2, 0xca, 0x96), QColor(0xd3, 0xb8, 0x80)};

QImage drawGround() {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(kCorner);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath field;
    field.addEllipse(QPointF(200, 200), 194, 194);
    painter.setClipPath(field);
    // Upright mowing stripes, 25 pixels wide, one of them centred on the pitch.
    for (int x = -12; x < 400; x += 25)
        painter.fillRect(QRect(x, 0, 25, 400), ((x + 12) / 25) % 2 ? kGrassLight : kGrassDark);
    painter.setClipping(false);
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(200, 200), 194, 194);
    // Three strips side by side, the middle one in play.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 0; k < 3; ++k) painter.fillRect(QRect(175 + 20 * k, 170, 20, 65), kPitch[k]);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(196, 176, 213, 176);
    painter.drawLine(196, 229, 213, 229);
    return image;
}

QImage drawIcon(int side);

// One image of an icon file: its header, its colours, then the rows from the
// bottom up, each padded to four bytes, and the mask of what is transparent.
QByteArray iconImage(const QImage& drawn, int bitsPerPixel) {
    const int side = drawn.width();
    QByteArray bytes;
    const auto put = [&](auto value) {
        value = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    };
    // A transparent pixel shows the screen when its colour is black.
    QImage opaque(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            opaque.setPixel(x, y, qAlpha(drawn.pixel(x, y)) < 128 ? 0xFF000000u : drawn.pixel(x, y) | 0xFF000000u);
    const QImage indexed = opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    put(quint32(40)), put(qint32(side)), put(qint32(2 * side)), put(quint16(1)), put(quint16(bitsPerPixel));
    put(quint32(0)), put(quint32(0)), put(qint32(0)), put(qint32(0));
    put(quint32(bitsPerPixel == 8 ? 256 : 0)), put(quint32(0));
    if (bitsPerPixel == 8)
        for (int k = 0; k < 256; ++k) {
            const QRgb c = k < indexed.colorCount() ? indexed.color(k) : 0;
            put(quint8(qBlue(c))), put(quint8(qGreen(c))), put(quint8(qRed(c))), put(quint8(0));
        }
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; ++x) {
            if (bitsPerPixel == 8) put(quint8(indexed.pixelIndex(x, y)));
            else put(quint32(drawn.pixel(x, y)));  // B, G, R, A in the file's order
        }
    const int maskRow = ((side + 31) / 32) * 4;
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < side; ++x)
            if (qAlpha(drawn.pixel(x, y)) < 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        bytes.append(row);
    }
    return bytes;
}

// The program icon: 32 x 32 in true colour and in 256 colours, and 16 x 16
// in both, for every system and setting that prefers one of them.
bool saveIconFile(const QString& path) {
    const std::pair<int, int> kinds[] = {{32, 32}, {32, 8}, {16, 32}, {16, 8}};
    QByteArray directory, images;
    const auto put = [](QByteArray& to, auto value) {
        value = qToLittleEndian(value);
        to.append(reinterpret_cast<const char*>(&value), sizeof value);
    };
    put(directory, quint16(0)), put(directory, quint16(1)), put(directory, quint16(std::size(kinds)));
    for (const auto& [side, bits] : kinds) {
        const QByteArray image = iconImage(drawIcon(side), bits);
        put(directory, quint8(side)), put(directory, quint8(side)), put(directory, quint8(0)), put(directory, quint8(0));
        put(directory, quint16(1)), put(directory, quint16(bits)), put(directory, quint32(image.size()));
        put(directory, quint32(6 + 16 * std::size(kinds) + images.size()));
        images.append(image);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(directory + images) == directory.size() + images.size();
}

// Drawn on a 32-pixel grid, scaled to `side`.
QImage drawIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(side / 32.0, side / 32.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1c, 0x3a, 0x1c), 2));
    painter.setBrush(QColor(0x2e, 0x8b, 0x2e));
    painter.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6c, 0xc0, 0x5a));
    painter.drawEllipse(QPointF(16, 16), 8, 8);
    painter.setRenderHint(QPainter::Antialiasing, side != 32);
    for (int k = 0; k < 3; ++k) painter.fillRect(QRect(11 + 4 * k, 9, 3, 14), QColor(0x8b, 0x5a, 0x2b));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_images <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + "/";
    const QImage icon = drawIcon(32);
    bool ok = drawGround().save(folder + "ground.jpg", "JPG", 92) && icon.save(folder + "icon.png", "PNG") &&
              saveIconFile(folder + "icon.ico");
    for (int side : {16, 32, 48, 64, 128, 256})
        ok = ok && drawIcon(side).save(folder + "icons/" + QString::number(side) + ".png", "PNG");
    if (!ok) std::fprintf(stderr, "draw_images: cannot write the images into %s\n", argv[1]);
    return ok ? 0 : 1;
}
