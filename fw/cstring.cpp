#include "fw/cstring.h"

#include <algorithm>

int CString::Find(char c, int start) const {
    if (start < 0 || start > GetLength()) return -1;
    const auto at = m_text.find(c, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

int CString::Replace(std::string_view from, std::string_view to) {
    if (from.empty()) return 0;
    int count = 0;
    for (auto at = m_text.find(from); at != std::string::npos; at = m_text.find(from, at + to.size())) {
        m_text.replace(at, from.size(), to);
        ++count;
    }
    if (count > 0) m_native.reset();
    return count;
}

namespace fw::detail {

const std::string* NativeSpelling(const CString& name) { return name.m_native ? &*name.m_native : nullptr; }

CString WithNativeSpelling(CString shown, std::string native) {
    shown.m_native = std::move(native);
    return shown;
}

}  // namespace fw::detail
