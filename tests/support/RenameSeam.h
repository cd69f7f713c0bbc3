#ifndef VORNIX_TEST_RENAMESEAM_H
#define VORNIX_TEST_RENAMESEAM_H
// The renames that give output files their final names, through OutputFile's seam: the n-th one fails
// as a disk would, or ends the process as a kill would; every other goes to replaceFile. And the
// names a folder holds, to see what a run left.

#include "platform/OutputFile.h"
#include "platform/platform.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

enum RenameAction { RENAME_FAILS, RENAME_KILLS };

struct RenameSeam {
    int failAt;   // the rename that fails or kills, from 1; 0: none
    RenameAction action;
    int count;    // renames so far
};

inline RenameSeam renameSeam;

inline int renameThroughSeam(const char* from, const char* to)
{
    if (++renameSeam.count != renameSeam.failAt) return replaceFile(from, to);
    if (renameSeam.action == RENAME_KILLS) _exit(9);
    return 0;
}

// Puts the seam in place for renames from now on; failAt 0 lets every rename through.
inline void breakRename(int failAt, RenameAction action = RENAME_FAILS)
{
    renameSeam = {failAt, action, 0};
    replaceOutputName = renameThroughSeam;
}

// The names in the native folder, sorted.
inline std::vector<std::string> folderNames(const std::string& folder = ".")
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

#endif
