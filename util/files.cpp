// Text files read and written as whole lines, in binary mode so that every platform
// reads and writes the same bytes (CR LF line ends).
#include "util/files.h"

#include <cstdio>
#include <memory>

#include "util/platform_io.h"

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;
} // namespace

std::vector<std::string> LineFile::ReadLines() {
    failed = false;
    openFailed = false;
    std::vector<std::string> lines;
    FilePtr f(std::fopen(path.c_str(), "rb"));
    if (!f) {
        failed = true;
        openFailed = true;
        return lines;
    }
    std::string line;
    bool any = false; // something was read since the last line break
    bool cut = false; // a NUL ended the entry; the rest of the line is skipped
    for (int c; (c = std::fgetc(f.get())) != EOF;) {
        if (c == '\n') {
            if (!cut && !line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
            any = cut = false;
            continue;
        }
        any = true;
        if (c == '\0')
            cut = true;
        else if (!cut)
            line.push_back(static_cast<char>(c));
    }
    if (any)
        lines.push_back(std::move(line));
    return lines;
}

bool LineFile::WriteLines(std::vector<std::string> lines) {
    failed = false;
    openFailed = false;
    FilePtr f(std::fopen(path.c_str(), "wb"));
    if (!f) {
        failed = true;
        openFailed = true;
        return false;
    }
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), f.get()) != line.size() ||
            std::fwrite("\r\n", 1, 2, f.get()) != 2 || std::fflush(f.get()) != 0) {
            failed = true;
            break;
        }
    }
    if (!failed && !SyncFileToDisk(f.get()))
        failed = true;
    if (std::fclose(f.release()) != 0)
        failed = true;
    return !failed;
}

std::string WithTrailingSeparator(std::string p) {
    if (!p.empty() && p.back() != '/' && p.back() != '\\')
        p += PathSeparator();
    return p;
}
