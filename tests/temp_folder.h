#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tremalo::test {

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::random_device entropy;
        path_ = std::filesystem::temp_directory_path() /
                ("tremalo-test-" + std::to_string(entropy()) + std::to_string(entropy()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path assets() const { return path_ / "Assets"; }
    std::filesystem::path settingsFile() const { return assets() / "Tremalo.ini"; }

    void writeSettings(const std::string& bytes) const {
        std::filesystem::create_directories(assets());
        writeFile(settingsFile(), bytes);
    }

    std::vector<std::string> assetNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(assets()))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

} // namespace tremalo::test
