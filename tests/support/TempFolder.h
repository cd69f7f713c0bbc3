#ifndef VORNIX_TEST_TEMPFOLDER_H
#define VORNIX_TEST_TEMPFOLDER_H
// A fresh folder under /tmp, removed with everything in it at the end of the test; optionally the
// current directory for the test's lifetime, so every output of a run lands there.

#include <filesystem>
#include <stdlib.h>
#include <string>
#include <unistd.h>

enum { STAY_OUTSIDE = 0, ENTER_FOLDER = 1 };

struct TempFolder {
    std::string path;       // native path, ASCII, no trailing slash
    std::string previous;   // the current directory before, when the folder was entered

    // Creates the folder and, with ENTER_FOLDER, makes it the current directory; aborts when it can't.
    explicit TempFolder(int enter = STAY_OUTSIDE)
    {
        char pattern[] = "/tmp/vornix-test-XXXXXX";
        path = mkdtemp(pattern) ? pattern : "";
        if (path.empty()) abort();
        if (!enter) return;
        char cwd[4096];
        previous = getcwd(cwd, sizeof cwd) ? cwd : "/";
        if (chdir(path.c_str()) != 0) abort();
    }
    ~TempFolder()
    {
        if (!previous.empty() && chdir(previous.c_str()) != 0) abort();
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

#endif
