#include "settings/settings.h"

#include "numtext/numtext.h"
#include "settings/atomic_file.h"

#include <array>
#include <fstream>
#include <string_view>
#include <system_error>

namespace tremalo {

namespace {

constexpr std::string_view Header = "Tremalo Init File";

struct Entry {
    std::string_view key;
    float SCurve::*field;
};

// The order is the file's: loading matches keys by position, not by name.
constexpr std::array<Entry, 6> Entries = {{
    {"Offset:", &SCurve::offset},
    {"Angle:", &SCurve::angle},
    {"Radius1:", &SCurve::radius1},
    {"Straight:", &SCurve::straight},
    {"Radius2:", &SCurve::radius2},
    {"Length:", &SCurve::length},
}};

// No line the program writes comes near this; a longer one is kept only up to it, so that
// a damaged file of gigabytes without a line end cannot exhaust memory.
constexpr std::size_t MaxLineBytes = 1 << 20;

// LF, CR, CR LF and a zero byte each end a line; past the end every line is empty.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}

    std::string next() {
        std::string line;
        for (int c = in_.get(); c != std::char_traits<char>::eof(); c = in_.get()) {
            if (c == '\n' || c == '\0')
                break;
            if (c == '\r') {
                if (in_.peek() == '\n')
                    in_.get();
                break;
            }
            if (line.size() < MaxLineBytes)
                line.push_back(static_cast<char>(c));
        }
        return line;
    }

private:
    std::istream& in_;
};

} // namespace

std::filesystem::path settingsPath(const std::filesystem::path& base) {
    return base / "Assets" / "Tremalo.ini";
}

void loadSettings(SCurve& curve, const std::filesystem::path& base) {
    const auto path = settingsPath(base);
    std::error_code error;
    // Anything but a plain file (a folder, a pipe that would block) is no settings file.
    if (!std::filesystem::is_regular_file(path, error))
        return;
    std::ifstream in(path, std::ios::binary);
    if (in)
        readSettings(curve, in);
}

void readSettings(SCurve& curve, std::istream& in) {
    LineReader lines(in);
    if (lines.next() != Header)
        return;
    for (const Entry& entry : Entries) {
        // A line that is not the key is used up all the same.
        if (lines.next() == entry.key)
            curve.*entry.field = parseNumber(lines.next());
    }
}

std::string settingsText(const SCurve& curve) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += "\r\n";
    };
    line(Header);
    for (const Entry& entry : Entries) {
        line(entry.key);
        line(formatNumber(curve.*entry.field, DefaultDecimals));
    }
    return text;
}

void saveSettings(const SCurve& curve, const std::filesystem::path& base) {
    replaceFileAtomically(settingsPath(base), settingsText(curve));
}

} // namespace tremalo
