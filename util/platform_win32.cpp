// Folder, file and link functions on Windows: the shell's local application-data folder,
// the ANSI file-system calls and ShellExecuteW.
#include <windows.h>

#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include "util/files.h"
#include "util/platform_io.h"
#include "util/text.h"

std::string LocalAppDataFolder() {
    wchar_t buf[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buf)))
        return std::string();
    return ToNarrow(buf);
}

const char* PathSeparator() {
    return "\\";
}

bool FileExists(const std::string& p) {
    return GetFileAttributesA(p.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool EnsureDirectory(const std::string& p) {
    if (FileExists(p))
        return true;
    return CreateDirectoryA(p.c_str(), nullptr) != FALSE;
}

bool OpenLink(const std::string& target) {
    HINSTANCE r =
        ShellExecuteW(nullptr, L"open", ToWide(target).c_str(), nullptr, nullptr, SW_SHOW);
    // The shell's convention: a value above 32 means success.
    return reinterpret_cast<INT_PTR>(r) > 32;
}

bool SyncFileToDisk(std::FILE* f) {
    return std::fflush(f) == 0 && _commit(_fileno(f)) == 0;
}

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool RemoveFile(const std::string& p) {
    return DeleteFileA(p.c_str()) != FALSE;
}
