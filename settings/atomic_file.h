#pragma once

#include <filesystem>
#include <string_view>

namespace tremalo {

// Writes `bytes` to a new file beside `target`, forces it to disk and renames it over
// `target`, so that `target` holds either its old or its complete new content, never a
// part. Refuses (returns false, changes nothing) when `target`'s folder is missing or
// `target` exists but is not a plain file the user may write. Leaves no temporary file.
// The only place in the program that calls the operating system directly.
bool replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace tremalo
