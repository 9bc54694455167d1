// Loading a settings file of arbitrary bytes, then saving and loading the result again.
#include "settings/settings.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b) || (a != a && b != b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tremalo::SCurve curve = tremalo::defaultSCurve();
    std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
    tremalo::readSettings(curve, file);

    // What the program writes it reads back whole, whatever the record held.
    std::istringstream saved(tremalo::settingsText(curve));
    tremalo::SCurve again;
    tremalo::readSettings(again, saved);
    const float* a = &curve.offset;
    const float* b = &again.offset;
    for (int i = 0; i < 6; ++i) {
        // The default form keeps ten decimals: values below 0.01 may read back rounded.
        const bool tiny = a[i] == a[i] && a[i] > -0.01f && a[i] < 0.01f;
        if (!tiny && !sameBits(a[i], b[i]))
            std::abort();
    }
    return 0;
}
