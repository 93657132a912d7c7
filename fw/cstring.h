// A string of single-byte Windows-1252 characters.
//
// A file name that the file dialog chose may hold characters that have no
// Windows-1252 byte: its text shows them as '?', and the string carries, out
// of the program's sight, the name as the file system spells it (see
// fw::detail::NativeSpelling). Copies keep that spelling; any change to the
// text drops it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class CString;

namespace fw::detail {
// The file system's spelling of a file name, as the backend keeps it
// (opaque bytes), or nullptr when the string carries none.
const std::string* NativeSpelling(const CString& name);
// `shown` as the program sees it, carrying `native` as its spelling.
CString WithNativeSpelling(CString shown, std::string native);
}  // namespace fw::detail

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: converts like the original
    CString(std::string_view text) : m_text(text) {}         // NOLINT
    CString(std::string text) : m_text(std::move(text)) {}   // NOLINT

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() {
        m_text.clear();
        m_native.reset();
    }
    operator const char*() const { return m_text.c_str(); }  // NOLINT
    std::string_view View() const { return m_text; }
    const std::string& Str() const { return m_text; }

    // Position of the first `c` at or after `start`, or -1.
    int Find(char c, int start = 0) const;
    // Characters from `first` on, at most `count` of them.
    CString Mid(int first, int count) const;
    CString Mid(int first) const;
    // Replaces every occurrence of `from`; answers how many were replaced.
    int Replace(std::string_view from, std::string_view to);

    CString& operator+=(const CString& other) { return Append(other.m_text); }
    CString& operator+=(const char* other) { return Append(other); }
    CString& operator+=(char c) { return Append(std::string_view(&c, 1)); }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    friend CString operator+(const char* left, const CString& right) { return CString(left) += right; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == b; }

private:
    friend const std::string* fw::detail::NativeSpelling(const CString& name);
    friend CString fw::detail::WithNativeSpelling(CString shown, std::string native);

    CString& Append(std::string_view more) {
        m_text += more;
        m_native.reset();
        return *this;
    }

    std::string m_text;
    std::optional<std::string> m_native;
};
