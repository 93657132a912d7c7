#include "fw/file_exception.h"

#include <array>

namespace {

// One text per cause, in the order of the causes.
constexpr std::array<const char*, 15> kTexts = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};
static_assert(kTexts.size() == CFileException::endOfFile + 1);

}  // namespace

BOOL CFileException::GetErrorMessage(CString& message) const {
    if (m_cause < none || m_cause > endOfFile) return FALSE;
    message = kTexts[static_cast<std::size_t>(m_cause)];
    message.Replace("%1", m_strFileName.View());
    return TRUE;
}

void AfxThrowFileException(int cause, LONG lOsError, const char* lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}
