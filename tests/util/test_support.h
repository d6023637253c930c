// Helpers shared by the file and leaderboard tests: scratch folders, raw file bytes and
// (natively) temporary environment variables.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace testsupport {

// A name no other test process on the machine uses now: the running test's name and the
// process id (ctest runs tests in parallel, and Windows test runs share one Wine prefix).
inline std::string UniqueName(const std::string& prefix) {
#ifdef _WIN32
    int pid = _getpid();
#else
    int pid = static_cast<int>(getpid());
#endif
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string test = info ? std::string(info->test_suite_name()) + "-" + info->name() : "x";
    for (char& c : test)
        if (c == '/')
            c = '-'; // parameterised test names hold slashes
    return prefix + "-" + test + "-" + std::to_string(pid);
}

// A fresh, empty folder under the system's temp folder, removed with everything in it.
class ScratchDir {
  public:
    ScratchDir() {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        std::string name = UniqueName("vorbin");
        for (int i = 0;; ++i) {
            std::filesystem::path p = base / (name + "-" + std::to_string(i));
            if (std::filesystem::create_directory(p)) {
                root = p;
                break;
            }
        }
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The path of `name` inside the folder, as the 8-bit text the program's functions take.
    std::string Path(const std::string& name = "") const {
        return name.empty() ? root.string() : (root / name).string();
    }

  private:
    std::filesystem::path root;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

#ifndef _WIN32
// Sets (or with nullopt unsets) an environment variable until the end of the scope.
class EnvOverride {
  public:
    EnvOverride(const char* name, std::optional<std::string> value) : name(name) {
        if (const char* old = std::getenv(name))
            saved = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~EnvOverride() {
        if (saved)
            ::setenv(name, saved->c_str(), 1);
        else
            ::unsetenv(name);
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

  private:
    const char* name;
    std::optional<std::string> saved;
};
#endif

} // namespace testsupport
