#include "ui/picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cstdint>

namespace tremalo {

namespace {

std::uint32_t read32(const uchar* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}
std::uint16_t read16(const uchar* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

// Qt's general BMP reader takes milliseconds for the sketch, a noticeable part of the
// start-up; the uncompressed 24- and 32-bit form that nearly every BMP has is decoded here
// directly. A null image means "not this form" and sends the file to Qt's reader.
QImage decodeUncompressedRgb(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const std::int64_t size = bytes.size();
    if (size < 54 || data[0] != 'B' || data[1] != 'M')
        return {};
    const std::int64_t pixelOffset = read32(data + 10);
    const std::uint32_t headerSize = read32(data + 14);
    const auto width = static_cast<std::int32_t>(read32(data + 18));
    const auto height = static_cast<std::int32_t>(read32(data + 22));
    const std::uint16_t planes = read16(data + 26);
    const std::uint16_t bits = read16(data + 28);
    const std::uint32_t compression = read32(data + 30);
    constexpr std::int32_t MaxSide = 1 << 15;
    if (headerSize < 40 || planes != 1 || (bits != 24 && bits != 32) || compression != 0 ||
        width <= 0 || width > MaxSide || height == 0 || height > MaxSide || height < -MaxSide)
        return {};
    const int rows = height < 0 ? -height : height;
    const std::int64_t stride = ((std::int64_t{width} * bits + 31) / 32) * 4;
    if (pixelOffset < 14 + std::int64_t{headerSize} || pixelOffset + stride * rows > size)
        return {};

    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int bytesPerPixel = bits / 8;
    for (int row = 0; row < rows; ++row) {
        const uchar* in = data + pixelOffset + stride * row;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(height < 0 ? row : rows - 1 - row));
        for (int x = 0; x < width; ++x, in += bytesPerPixel)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

} // namespace

QImage decodePicture(const QByteArray& bytes) {
    QImage image = decodeUncompressedRgb(bytes);
    if (image.isNull()) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "BMP");
        reader.setAllocationLimit(16); // MiB; a damaged header must not claim gigabytes
        image = reader.read();
    }
    if (image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

QImage loadPicture(const std::filesystem::path& path) {
    QFile file(QString::fromStdU16String(path.generic_u16string()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodePicture(file.readAll());
}

} // namespace tremalo
