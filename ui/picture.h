#pragma once

#include <QImage>

#include <filesystem>

namespace tremalo {

// Reads a BMP file whole, pixels copied as they are with any alpha channel dropped.
// Missing, unreadable or not a BMP: a null image.
QImage loadPicture(const std::filesystem::path& path);

// The same from bytes already in memory.
QImage decodePicture(const QByteArray& bytes);

} // namespace tremalo
