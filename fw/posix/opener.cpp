#include "fw/posix/opener.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

extern char** environ;

namespace fw::detail {
namespace {

bool IsAddress(std::string_view name) {
    // scheme ":" with the scheme a letter, then letters, digits, "+", "-" or ".".
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (!letter(name[0])) return false;
    for (const char c : name.substr(1, colon - 1)) {
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

}  // namespace

std::optional<std::string> OpenerTarget(std::string_view name) {
    if (IsAddress(name)) return std::string(name);
    std::error_code error;
    const std::filesystem::path document(name);
    const std::filesystem::path here = std::filesystem::absolute(document, error);
    if (!error && Exists(here)) return here.lexically_normal().string();
    if (document.is_absolute()) return std::nullopt;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    const std::filesystem::path installed =
        (program.parent_path() / ".." / "share" / program.stem() / document).lexically_normal();
    if (Exists(installed)) return installed.string();
    return std::nullopt;
}

int StartOpener(const std::string& target) {
    char program[] = "xdg-open";
    std::string argument = target;
    char* argv[] = {program, argument.data(), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program, nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    return error == 0 ? pid : -1;
}

OpenerState CheckOpener(int process) {
    int status = 0;
    const pid_t ended = waitpid(process, &status, WNOHANG);
    if (ended == 0) return OpenerState::Running;
    if (ended != process) return OpenerState::Failed;  // not ours, or gone already
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? OpenerState::Opened : OpenerState::Failed;
}

}  // namespace fw::detail
