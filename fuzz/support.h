// What the fuzz targets share: printing an input legibly and stopping the
// run when a check fails.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace fuzz {

// The bytes as a C string literal would write them: printable ASCII as it
// is, everything else escaped; a long text only its start and its length.
inline std::string Escaped(std::string_view bytes) {
    constexpr std::size_t kShown = 300;
    std::string text = "\"";
    for (const char c : bytes.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            text += '\\';
            text += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            text += escape;
        }
    }
    text += '"';
    if (bytes.size() > kShown) text += "... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

// Reports a failed check and stops the process, so that libFuzzer keeps the
// input as a crash.
[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "\n==== fuzz check failed ====\n%s\n", what.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

}  // namespace fuzz
