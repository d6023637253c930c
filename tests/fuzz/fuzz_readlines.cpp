// Fuzzer: arbitrary bytes as a text file, read with ReadLines and compared with a plain model.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "util/files.h"

namespace {

// The reading rules written out the simple way: split at LF, a CR right before the LF
// belongs to the break, an entry ends at its first NUL, a last line without LF counts.
std::vector<std::string> ModelLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t lf = bytes.find('\n', start);
        bool ended = lf != std::string::npos;
        std::string line = bytes.substr(start, ended ? lf - start : std::string::npos);
        if (ended && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line.substr(0, line.find('\0')));
        start = ended ? lf + 1 : bytes.size();
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzScratch scratch;
    static const std::string path = scratch.root + "/lines.txt";
    WriteAll(path, data, size);

    LineFile file(path);
    std::vector<std::string> lines = file.ReadLines();
    FUZZ_CHECK(!file.failed && !file.openFailed);
    FUZZ_CHECK(lines == ModelLines(std::string(reinterpret_cast<const char*>(data), size)));
    for (const std::string& line : lines)
        FUZZ_CHECK(line.find('\n') == std::string::npos && line.find('\0') == std::string::npos);
    return 0;
}
