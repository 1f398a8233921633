#include "backup/SettingsFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
constexpr std::size_t kReadLimit = 1000;
}

std::optional<std::u16string> ReadBackupFolder() {
    // A folder or device of that name is no settings file.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(kSettingsFileName, ec))
        return std::nullopt;
    std::ifstream file(kSettingsFileName, std::ios::binary);
    if (!file)
        return std::nullopt;
    char bytes[kReadLimit];
    file.read(bytes, sizeof bytes);
    if (file.bad())
        return std::nullopt;
    const auto count = static_cast<std::size_t>(file.gcount());
    std::u16string folder;
    for (std::size_t i = 0; i + 1 < count; i += 2) {
        folder.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                               static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return folder;
}

bool WriteBackupFolder(std::u16string_view folder) {
    const std::string building = std::string(kSettingsFileName) + ".new";
    {
        std::ofstream file(building, std::ios::binary | std::ios::trunc);
        for (char16_t c : folder) {
            const char pair[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
            file.write(pair, 2);
        }
        file.flush();
        if (!file) {
            file.close();
            std::remove(building.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(building, kSettingsFileName, ec);
    if (ec)
        std::remove(building.c_str());
    return !ec;
}
