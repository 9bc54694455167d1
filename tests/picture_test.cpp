#include "ui/picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace tremalo {
namespace {

void put32(QByteArray& b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}
void put16(QByteArray& b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}

// A BMP of `width` x `height` (negative: rows stored top-down) at 24 or 32 bits, whose
// pixel (x, y) is red x*40, green y*40, blue 7, and 0x55 in the fourth byte of 32-bit pixels.
QByteArray makeBmp(int width, int height, int bits) {
    const int rows = std::abs(height);
    const int stride = ((width * bits + 31) / 32) * 4;
    QByteArray b(54 + stride * rows, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, quint32(b.size()));
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, quint32(width));
    put32(b, 22, quint32(height));
    put16(b, 26, 1);
    put16(b, 28, quint16(bits));
    for (int row = 0; row < rows; ++row) {
        const int y = height < 0 ? row : rows - 1 - row;
        for (int x = 0; x < width; ++x) {
            char* p = b.data() + 54 + row * stride + x * bits / 8;
            p[0] = 7;
            p[1] = char(y * 40);
            p[2] = char(x * 40);
            if (bits == 32)
                p[3] = 0x55;
        }
    }
    return b;
}

void expectPattern(const QImage& image, int width, int height) {
    ASSERT_EQ(image.size(), QSize(width, height));
    EXPECT_FALSE(image.hasAlphaChannel());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(image.pixel(x, y), qRgb(x * 40, y * 40, 7)) << x << "," << y;
}

TEST(Picture, DecodesUncompressedBmpsPixelForPixel) {
    struct Row {
        int width, height, bits;
    } rows[] = {{3, 2, 24}, {5, -4, 24}, {1, 1, 24}, {3, 3, 32}, {6, -2, 32}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << "x" << row.bits);
        expectPattern(decodePicture(makeBmp(row.width, row.height, row.bits)), row.width,
                      std::abs(row.height));
    }
}

TEST(Picture, ShippedSketchDecodesAsQtsReaderDoes) {
    const QImage ours = loadPicture(TREMALO_ASSETS "/Zeichnung_S-Kurve_Gleis.bmp");
    const QImage qts = QImage(QStringLiteral(TREMALO_ASSETS "/Zeichnung_S-Kurve_Gleis.bmp"))
                           .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ours.size(), QSize(750, 230));
    EXPECT_EQ(ours, qts);
}

TEST(Picture, OtherBmpFormsGoToQtsReader) {
    QImage indexed(4, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 0)});
    indexed.fill(1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(indexed.save(&buffer, "BMP"));
    const QImage image = decodePicture(bytes);
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.pixel(2, 1), qRgb(200, 100, 0));
}

TEST(Picture, BrokenOrMissingFilesGiveNoPicture) {
    const QByteArray good = makeBmp(8, 8, 24);
    QByteArray hugeWidth = good;
    put32(hugeWidth, 18, 0x7FFFFFFF);
    QByteArray zeroHeight = good;
    put32(zeroHeight, 22, 0);
    QByteArray offsetPastEnd = good;
    put32(offsetPastEnd, 10, 0xFFFFFFF0);
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("BM"), QByteArray("not a picture at all"), good.left(60),
          hugeWidth, zeroHeight, offsetPastEnd, QByteArray(4096, '\xFF')}) {
        const QImage image = decodePicture(bytes);
        EXPECT_TRUE(image.isNull() || image.width() <= 8) << bytes.size();
    }
    EXPECT_TRUE(loadPicture("/nonexistent/folder/picture.bmp").isNull());
}

} // namespace
} // namespace tremalo
