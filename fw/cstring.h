// A string of single-byte Windows-1252 characters.
#pragma once

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: converts like the original
    CString(std::string_view text) : m_text(text) {}          // NOLINT
    CString(std::string text) : m_text(std::move(text)) {}    // NOLINT

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
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

    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char* other) { m_text += other; return *this; }
    CString& operator+=(char c) { m_text += c; return *this; }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    friend CString operator+(const char* left, const CString& right) { return CString(left) += right; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == b; }

private:
    std::string m_text;
};
