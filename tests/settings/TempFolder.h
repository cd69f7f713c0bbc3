#ifndef VORNIX_TEST_TEMPFOLDER_H
#define VORNIX_TEST_TEMPFOLDER_H
// A fresh folder under the system's temporary folder, removed with everything in it at the end of
// the test, and whole-file helpers for byte-exact comparisons.

#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <string>

struct TempFolder {
    std::string path;   // native path, ASCII, no trailing slash

    TempFolder()
    {
        char pattern[] = "/tmp/vornix-test-XXXXXX";
        path = mkdtemp(pattern) ? pattern : "";
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

// The whole file as bytes (at most 4 KiB, so a device read by mistake can't hang a test);
// "<missing>" when it can't be opened.
inline std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::string bytes(4096, '\0');
    in.read(&bytes[0], (std::streamsize)bytes.size());
    bytes.resize((size_t)in.gcount());
    return bytes;
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

#endif
