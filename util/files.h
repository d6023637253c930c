// Text files as whole lines, the per-user data folder, folders and links.
#pragma once

#include <string>
#include <vector>

// Names one text file and reports on the last read or write of it.
struct LineFile {
    explicit LineFile(std::string p) : path(std::move(p)) {}

    // Every line of the file. Lines end at LF; a CR right before the LF belongs to the line
    // break; a line holding a NUL ends before it; a last line without LF still counts.
    std::vector<std::string> ReadLines();
    // Rewrites the file, every line followed by CR LF (on every platform).
    bool WriteLines(std::vector<std::string> lines);

    bool failed = false;     // the last ReadLines/WriteLines failed
    bool openFailed = false; // the file did not open
    std::string path;
};

// The user's local application-data folder, or empty. On Windows the shell's
// CSIDL_LOCAL_APPDATA; elsewhere $XDG_DATA_HOME, else $HOME/.local/share.
std::string LocalAppDataFolder();
#ifdef _WIN32
// An existing path as the 8-bit text the file functions here take: in the system code page,
// or in its short form when it holds characters that code page lacks.
std::string AnsiPathOf(const std::wstring& path);
#endif
// Appends the platform's separator ('\' on Windows, '/' elsewhere) unless the path is empty
// or already ends in '/' or '\'.
std::string WithTrailingSeparator(std::string p);
// A file or a directory exists at the path.
bool FileExists(const std::string& p);
// The directory exists afterwards; creates one level at most (parents are not made).
bool EnsureDirectory(const std::string& p);
// Hands a URL, a "mailto:" address or a file to the system's opener; true when the opener
// could be started.
bool OpenLink(const std::string& target);
// The platform's path separator as a one-character string.
const char* PathSeparator();
// Moves `from` over `to` in one step (the old `to` is replaced atomically and the move is
// written through to disk); false, with both files untouched, when it cannot be done.
bool ReplaceFileAtomically(const std::string& from, const std::string& to);
// Removes a file; false when it could not be removed.
bool RemoveFile(const std::string& p);
