// Native side of the file searcher: no thread priorities; folder checks
// through stat.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "controls/FileFindPlatform.h"

void ApplyCurrentThreadPriority(TThreadPriority) {}

bool CanEnterFolder(const std::string& Dir, std::string& ErrorText) {
    std::string Native = Dir;
    for (char& C : Native)
        if (C == '\\') C = '/';
    struct stat St {};
    if (stat(Native.c_str(), &St) != 0) {
        ErrorText = std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(St.st_mode)) {
        ErrorText = std::strerror(ENOTDIR);
        return false;
    }
    return true;
}
