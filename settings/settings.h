#pragma once

#include "geometry/scurve.h"

#include <filesystem>
#include <iosfwd>
#include <string>

namespace tremalo {

// "Assets/Tremalo.ini" under `base`; an empty base means the current working directory.
std::filesystem::path settingsPath(const std::filesystem::path& base = {});

// Puts every value the settings file supplies into `curve`; anything missing, foreign or
// unreadable leaves the rest untouched. Never reports anything.
void loadSettings(SCurve& curve, const std::filesystem::path& base = {});

// The same from an open byte stream; what loadSettings does once the file is open.
void readSettings(SCurve& curve, std::istream& in);

// The thirteen CR LF lines that saveSettings writes for `curve`.
std::string settingsText(const SCurve& curve);

// Replaces the settings file with `curve`'s six values, atomically: a failure at any point
// leaves the previous file as it was. Never creates the Assets folder, never replaces a
// read-only file, never reports anything.
void saveSettings(const SCurve& curve, const std::filesystem::path& base = {});

} // namespace tremalo
