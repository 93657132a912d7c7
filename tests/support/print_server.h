// A print server of the test's own: a CUPS scheduler started in a temporary
// folder, with one queue that prints to /dev/null, listening on a socket in
// that folder only. While the object lives, the print client (the toolkit's
// print support through libcups) talks to it; the machine's own printers,
// if any, are out of sight. Needs cupsd (package cups-daemon); runs as root
// or as a normal user.
#pragma once

#include <cups/cups.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

extern char** environ;

namespace kalvex_test {

class PrintServer {
public:
    static constexpr const char* kQueue = "Kalvex_Test";

    PrintServer() {
        namespace fs = std::filesystem;
        const char* candidates[] = {"/usr/sbin/cupsd", "/sbin/cupsd", "/usr/local/sbin/cupsd"};
        std::string cupsd;
        for (const char* each : candidates) {
            if (::access(each, X_OK) == 0) cupsd = each;
        }
        if (cupsd.empty()) {
            m_error = "cupsd is not installed (package cups-daemon; ./scripts/setup installs it)";
            return;
        }
        char pattern[] = "/tmp/kalvex-cups-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            m_error = "cannot make a temporary folder";
            return;
        }
        m_dir = pattern;
        ::chmod(m_dir.c_str(), 0755);
        for (const char* sub : {"spool/tmp", "log", "cache"}) fs::create_directories(m_dir / sub);
        m_socket = (m_dir / "cups.sock").string();

        std::ofstream files(m_dir / "cups-files.conf");
        files << "ServerRoot " << m_dir.string() << "\nStateDir " << m_dir.string() << "\nCacheDir "
              << (m_dir / "cache").string() << "\nRequestRoot " << (m_dir / "spool").string() << "\nTempDir "
              << (m_dir / "spool/tmp").string() << "\nErrorLog " << (m_dir / "log/error_log").string() << "\nAccessLog "
              << (m_dir / "log/access_log").string() << "\nPageLog " << (m_dir / "log/page_log").string()
              << "\nFileDevice Yes\nSandboxing Relaxed\n";
        if (::getuid() != 0) {
            // A scheduler started by a normal user runs its jobs as that user.
            const passwd* user = ::getpwuid(::getuid());
            const group* grp = ::getgrgid(::getgid());
            if (user != nullptr) files << "User " << user->pw_name << "\n";
            if (grp != nullptr) files << "Group " << grp->gr_name << "\n";
        }
        files.close();
        std::ofstream(m_dir / "cupsd.conf") << "Listen " << m_socket
                                            << "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                               "DefaultAuthType None\n<Location />\nOrder allow,deny\nAllow all\n"
                                               "</Location>\n";
        std::ofstream(m_dir / "printers.conf") << "<DefaultPrinter " << kQueue
                                               << ">\nInfo A queue for the tests\nDeviceURI file:///dev/null\n"
                                                  "State Idle\nAccepting Yes\n</DefaultPrinter>\n";

        const std::string config = (m_dir / "cupsd.conf").string();
        const std::string filesConfig = (m_dir / "cups-files.conf").string();
        const std::string output = (m_dir / "log/cupsd.out").string();
        std::string args[] = {cupsd, "-f", "-c", config, "-s", filesConfig};
        char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(),
                        args[4].data(), args[5].data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const int error = posix_spawn(&m_pid, cupsd.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) {
            m_pid = 0;
            m_error = std::string("cannot start cupsd: ") + std::strerror(error);
            return;
        }
        if (!WaitUntilListening()) {
            std::ifstream log(m_dir / "log/error_log");
            m_error = "cupsd did not start listening: " + std::string(std::istreambuf_iterator<char>(log), {});
            return;
        }
        if (const char* previous = std::getenv("CUPS_SERVER")) m_previousServer = previous;
        ::setenv("CUPS_SERVER", m_socket.c_str(), 1);
        cupsSetServer(m_socket.c_str());  // the client may have read the old one already
    }

    ~PrintServer() {
        if (!m_error.empty() || m_pid == 0) {
            Stop();
            return;
        }
        if (m_previousServer.empty()) {
            ::unsetenv("CUPS_SERVER");
            cupsSetServer(nullptr);
        } else {
            ::setenv("CUPS_SERVER", m_previousServer.c_str(), 1);
            cupsSetServer(m_previousServer.c_str());
        }
        Stop();
    }
    PrintServer(const PrintServer&) = delete;
    PrintServer& operator=(const PrintServer&) = delete;

    // Empty when the server runs; otherwise why it does not.
    const std::string& Error() const { return m_error; }

private:
    bool WaitUntilListening() const {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_socket.c_str(), sizeof address.sun_path - 1);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < deadline) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
            ::close(fd);
            if (connected) return true;
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) return false;  // it gave up
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    void Stop() {
        namespace fs = std::filesystem;
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            for (int i = 0; i < 100 && ::waitpid(m_pid, &status, WNOHANG) == 0; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            if (::waitpid(m_pid, &status, WNOHANG) == 0) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, &status, 0);
            }
        }
        if (m_dir.empty()) return;
        // The scheduler makes some of its folders read-only.
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir, ignored)) {
            if (entry.is_directory(ignored))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(m_dir, ignored);
    }

    std::filesystem::path m_dir;
    std::string m_socket;
    std::string m_previousServer;
    pid_t m_pid = 0;
    std::string m_error;
};

}  // namespace kalvex_test
