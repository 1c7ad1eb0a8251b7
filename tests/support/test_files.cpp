#include "support/test_files.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::random_device random;
    for (;;) {
        folder_ = fs::temp_directory_path() / ("zelmora_test_" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(folder_, error)) break;
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    if (!previous_.empty()) fs::current_path(previous_, error);
    // Read-only files must be writable again before they can go everywhere.
    for (const auto& entry : fs::recursive_directory_iterator(folder_, error))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
    fs::remove_all(folder_, error);
}

std::wstring ScratchFolder::Path(const std::wstring& name) const {
    return (folder_ / name).wstring();
}

void ScratchFolder::Write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void ScratchFolder::WriteText(const std::wstring& name, const std::string& text) const {
    std::ofstream out(folder_ / name, std::ios::trunc);
    out << text;
}

std::string ScratchFolder::Read(const std::wstring& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string ScratchFolder::ReadText(const std::wstring& name) const {
    std::ifstream in(folder_ / name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool ScratchFolder::Exists(const std::wstring& name) const {
    std::error_code error;
    return fs::exists(folder_ / name, error);
}

void ScratchFolder::Enter() {
    previous_ = fs::current_path();
    fs::current_path(folder_);
}
