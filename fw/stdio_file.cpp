#include <cstring>

#include "fw/file.h"
#include "fw/file_system.h"

namespace {
constexpr std::size_t kBufferSize = 4096;
}

BOOL CStdioFile::Open(const CString& strFileName, UINT nOpenFlags, CFileException* pError) {
    m_buffer.clear();
    m_bTextMode = (nOpenFlags & typeBinary) == 0;
    return CFile::Open(strFileName, nOpenFlags, pError);
}

void CStdioFile::WriteString(const char* lpsz) { Write(lpsz, static_cast<UINT>(std::strlen(lpsz))); }

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    if (!IsOpen()) {
        AfxThrowFileException(CFileException::invalidFile, fw::detail::files::InvalidHandleError(), m_strFileName);
    }
    const auto* bytes = static_cast<const char*>(lpBuf);
    for (UINT i = 0; i < nCount; ++i) {
        if (m_bTextMode && bytes[i] == '\n') m_buffer += '\r';
        m_buffer += bytes[i];
    }
    if (m_buffer.size() >= kBufferSize) Flush();
}

void CStdioFile::Close() {
    if (IsOpen()) Flush();
    m_buffer.clear();
    CFile::Close();
}

void CStdioFile::Abort() {
    m_buffer.clear();
    CFile::Abort();
}

void CStdioFile::Flush() {
    std::string pending;
    pending.swap(m_buffer);
    if (!pending.empty()) CFile::Write(pending.data(), static_cast<UINT>(pending.size()));
}
