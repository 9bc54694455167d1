// The BMP decoder on arbitrary bytes: a picture or none, never a crash.
#include "ui/picture.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QImage image =
        tremalo::decodePicture(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!image.isNull() && image.hasAlphaChannel())
        std::abort();
    return 0;
}
