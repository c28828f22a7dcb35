#include "TempDir.h"

#include <filesystem>
#include <random>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device rd;
    std::mt19937 gen(rd());
    fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path candidate = base / ("tqtest-" + std::to_string(gen()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate.string();
            return;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const
{
    return (fs::path(path_) / name).string();
}
