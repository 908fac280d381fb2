// Scratch folders, files and environment for the export tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace prueba {

namespace fs = std::filesystem;

// A fresh empty folder, removed with everything in it at the end of the test.
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "export_test.XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path.empty()) fs::remove_all(path, ec);
    }
    std::string str() const { return path.string(); }
    fs::path path;
};

inline std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes `text` to `p`, creating the folders on the way.
inline void WriteFile(const fs::path& p, const std::string& text = "x") {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

// PATH set for the life of the object.
class PathVar {
public:
    explicit PathVar(const std::string& value) : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
        ::setenv("PATH", value.c_str(), 1);
    }
    ~PathVar() { ::setenv("PATH", old_.c_str(), 1); }

private:
    std::string old_;
};

}  // namespace prueba
