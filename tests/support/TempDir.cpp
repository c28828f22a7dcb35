#include "TempDir.h"

#include <filesystem>
#include <mutex>
#include <random>
#include <set>

namespace fs = std::filesystem;

namespace {

std::mutex g_liveLock;

std::set<std::string>& liveFolders()
{
    static std::set<std::string> folders;
    return folders;
}

} // namespace

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
            std::lock_guard<std::mutex> hold(g_liveLock);
            liveFolders().insert(path_);
            return;
        }
    }
}

TempDir::~TempDir()
{
    {
        std::lock_guard<std::mutex> hold(g_liveLock);
        liveFolders().erase(path_);
    }
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempDir::removeLiveFolders()
{
    std::lock_guard<std::mutex> hold(g_liveLock);
    for (const std::string& folder : liveFolders()) {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    liveFolders().clear();
}

std::string TempDir::file(const std::string& name) const
{
    return (fs::path(path_) / name).string();
}
