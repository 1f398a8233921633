#pragma once
// A fresh, empty ZOLMGR_HOME for as long as it lives; the previous one comes back after.
#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <string>

class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    std::filesystem::path Path() const;

private:
    QTemporaryDir dir_;
    std::optional<std::string> previous_;
};
