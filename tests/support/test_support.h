#pragma once
// Small helpers shared by the test executables: scratch folders and whole-file I/O.
#include <filesystem>
#include <string>

namespace zentrel::test {

// A fresh, empty folder under the system temp dir, removed when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, const std::string& bytes);

} // namespace zentrel::test
