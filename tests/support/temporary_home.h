// A home folder of the test program's own, empty, for its whole run: HOME
// and the XDG folders point into it (the runtime folder beside it), so that
// nothing of the user's is read or changed; on Windows the profile and the
// application data folders. What was written into it is listed at the end:
// the program and the toolkit keep no state, so it must stay empty.
#pragma once

#include <stdlib.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace kalvex_test {

class TemporaryHome {
public:
#ifdef _WIN32
    TemporaryHome() {
        std::random_device random;
        do {
            m_root = std::filesystem::temp_directory_path() / ("kalvex-home-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(m_root));
        m_home = m_root / "home";
        std::filesystem::create_directory(m_home);
        for (const char* name : {"USERPROFILE", "HOME", "APPDATA", "LOCALAPPDATA"}) {
            _putenv_s(name, m_home.string().c_str());
        }
    }
#else
    TemporaryHome() {
        char pattern[] = "/tmp/kalvex-home-XXXXXX";
        m_root = ::mkdtemp(pattern);
        m_home = m_root / "home";
        std::filesystem::create_directory(m_home);
        std::filesystem::create_directory(m_root / "runtime");
        std::filesystem::permissions(m_root / "runtime", std::filesystem::perms::owner_all);
        ::setenv("HOME", m_home.c_str(), 1);
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
            ::unsetenv(name);  // their defaults lie in the home folder
        }
        ::setenv("XDG_RUNTIME_DIR", (m_root / "runtime").c_str(), 1);
    }
#endif
    ~TemporaryHome() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    // Every file and folder in the home folder now.
    std::vector<std::string> Written() const {
        std::vector<std::string> written;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_home)) {
            written.push_back(entry.path().string());
        }
        return written;
    }

private:
    std::filesystem::path m_root;
    std::filesystem::path m_home;
};

}  // namespace kalvex_test
