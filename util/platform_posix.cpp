// Folder, file and link functions on POSIX systems.
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "util/files.h"
#include "util/platform_io.h"

extern char** environ;

std::string LocalAppDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.local/share";
    return std::string();
}

const char* PathSeparator() {
    return "/";
}

bool FileExists(const std::string& p) {
    struct stat st;
    return !p.empty() && ::stat(p.c_str(), &st) == 0;
}

bool EnsureDirectory(const std::string& p) {
    if (FileExists(p))
        return true;
    return !p.empty() && ::mkdir(p.c_str(), 0777) == 0;
}

bool OpenLink(const std::string& target) {
    // The target goes to xdg-open as one argument: no shell, so no quoting holes.
    const char* argv[] = {"xdg-open", target.c_str(), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv),
                       environ) != 0)
        return false;
    // Never wait for the opened program. A launcher that has already ended is reaped here;
    // one still running is collected by the system when this process ends.
    int status = 0;
    ::waitpid(pid, &status, WNOHANG);
    return true;
}

bool SyncFileToDisk(std::FILE* f) {
    return std::fflush(f) == 0 && ::fsync(fileno(f)) == 0;
}

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    // The rename itself lives in the folder: write the folder out too, so that after a power
    // cut the name points at the new file. A folder that cannot be synced changes nothing.
    std::string::size_type slash = to.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : to.substr(0, slash + 1);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

// unlink, not remove: a directory standing where a file is expected must never go.
bool RemoveFile(const std::string& p) {
    return ::unlink(p.c_str()) == 0;
}
