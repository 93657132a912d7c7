// Files the program writes: CFile writes bytes, CStdioFile buffers text and
// in text mode writes each LF as CR LF.
//
// A file opened with modeCreate | modeWrite is replaced as a whole: an
// existing file keeps its previous content, owner, permissions, ACL and
// other attributes until everything was written and the file closed without
// error; a file that did not exist and could not be written completely is
// removed again. The file is locked against other writers while it is open.
#pragma once

#include <memory>

#include "fw/cstring.h"
#include "fw/file_exception.h"
#include "fw/types.h"

namespace fw::detail {
struct OpenFile;
}

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeAccessMask = 0x0003,  // which of the three
        modeCreate = 0x1000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };

    CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    // A file still open is abandoned as Abort does.
    virtual ~CFile();

    // Only creating a file for writing (modeCreate | modeWrite) is offered.
    // A name that the file dialog chose opens the file it chose, also when
    // its text shows characters as '?'. On failure answers FALSE and, given
    // a record, fills in the cause, the error number and the name as passed.
    virtual BOOL Open(const CString& strFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Throws a CFileException (disk full) when writing fails.
    virtual void Write(const void* lpBuf, UINT nCount);
    // Finishes the file; throws a CFileException (disk full) when that fails,
    // and the file is then abandoned.
    virtual void Close();
    // Abandons the file without a word: nothing of what was written remains.
    virtual void Abort();

    bool IsOpen() const { return m_file != nullptr; }

protected:
    CString m_strFileName;

private:
    std::unique_ptr<fw::detail::OpenFile> m_file;
};

class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    ~CStdioFile() override = default;

    // Text mode unless typeBinary is given.
    BOOL Open(const CString& strFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    void WriteString(const char* lpsz);
    void Write(const void* lpBuf, UINT nCount) override;
    void Close() override;
    void Abort() override;

private:
    void Flush();

    bool m_bTextMode = true;
    std::string m_buffer;
};
