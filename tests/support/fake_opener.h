// A stand-in for the desktop's opener: a directory holding a small
// `xdg-open` script, put alone on the PATH while the object lives. The
// script writes the argument it was given to a file, then ends as told.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace kalvex_test {

class FakeOpener {
public:
    // `ending` is the script's last line, e.g. "exit 0" or "exec /bin/sleep 3";
    // without a script, no opener is found on the PATH at all.
    explicit FakeOpener(std::optional<std::string> ending) {
        char pattern[] = "/tmp/kalvex-opener-XXXXXX";
        m_dir = ::mkdtemp(pattern);
        if (ending) {
            const std::filesystem::path script = m_dir / "xdg-open";
            std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << ArgumentFile().string() << "'\n"
                                  << *ending << "\n";
            ::chmod(script.c_str(), 0755);
        }
        if (const char* path = std::getenv("PATH")) m_previousPath = path;
        ::setenv("PATH", m_dir.c_str(), 1);
    }
    ~FakeOpener() {
        ::setenv("PATH", m_previousPath.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    FakeOpener(const FakeOpener&) = delete;
    FakeOpener& operator=(const FakeOpener&) = delete;

    // What the opener was asked to open; nullopt when it never ran.
    std::optional<std::string> Argument() const {
        std::ifstream in(ArgumentFile());
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path ArgumentFile() const { return m_dir / "argument"; }

    std::filesystem::path m_dir;
    std::string m_previousPath;
};

}  // namespace kalvex_test
