// Folder, file and link functions on Windows: the shell's local application-data folder,
// the ANSI file-system calls and ShellExecuteW.
#include <windows.h>

#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include "util/files.h"
#include "util/platform_io.h"
#include "util/text.h"

namespace {

// `w` in the system code page, the one the ANSI file functions read; false when a
// character has no place in it.
bool ToSystemCodePage(const std::wstring& w, std::string& out) {
    const UINT codePage = GetACP();
    // UTF-8 holds every character, and refuses the two loss-reporting arguments.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lost = FALSE;
    BOOL* lostOut = utf8 ? nullptr : &lost;
    const int length = static_cast<int>(w.size());
    const int size =
        WideCharToMultiByte(codePage, flags, w.data(), length, nullptr, 0, nullptr, lostOut);
    if (size <= 0 || lost)
        return false;
    out.assign(static_cast<std::size_t>(size), '\0');
    return WideCharToMultiByte(codePage, flags, w.data(), length, &out[0], size, nullptr,
                               lostOut) == size &&
           !lost;
}

} // namespace

std::string AnsiPathOf(const std::wstring& path) {
    std::string narrow;
    if (ToSystemCodePage(path, narrow))
        return narrow;
    // A character the code page lacks (a user name in another script): the short form of an
    // existing path is spelt with characters every code page has.
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH && ToSystemCodePage(shortPath, narrow))
        return narrow;
    return ToNarrow(path);
}

std::string LocalAppDataFolder() {
    wchar_t buf[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buf)))
        return std::string();
    // The low byte of each character (ToNarrow) names the folder only where the code page
    // maps those bytes back to the same characters; elsewhere, for a user name in Polish or in
    // Cyrillic, it names a folder that does not exist and no result could ever be kept.
    return AnsiPathOf(buf);
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
