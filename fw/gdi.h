// Drawing: device contexts and fonts.
#pragma once

#include "fw/cstring.h"
#include "fw/types.h"

// A device context over the system's. It deletes the system's context only
// when it owns it (Attach, as a printer's context taken over from the print
// dialog).
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC hDC);
    // Takes the context; it is deleted in DeleteDC or when this is destroyed.
    BOOL Attach(HDC hDC);
    BOOL DeleteDC();

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    COLORREF SetTextColor(COLORREF colour);
    HFONT SelectObject(class CFont* font);
    HFONT SelectObject(HFONT font);
    BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const int* dx);
    BOOL TextOut(int x, int y, const char* text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    CSize GetTextExtent(const char* text, int count);
    BOOL GetTextMetrics(TEXTMETRIC* metrics);
    void DrawFocusRect(const RECT* rect);
    BOOL DrawIcon(int x, int y, HICON icon);
    void FillSolidRect(const RECT* rect, COLORREF colour);
    int GetDeviceCaps(int index) const;
    int StartDoc(DOCINFO* info);
    int StartPage();
    int EndPage();
    int EndDoc();

private:
    bool m_owned = false;
};

// Painting a window while it answers WM_PAINT (BeginPaint and EndPaint).
class CPaintDC : public CDC {
public:
    explicit CPaintDC(class CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd = nullptr;
};

class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont();

    HFONT m_hObject = nullptr;
    operator HFONT() const { return m_hObject; }  // NOLINT

    // nPointSize in tenths of a point, converted with the vertical resolution
    // of `pDC` (the screen when none is given).
    BOOL CreatePointFont(int nPointSize, const char* faceName, CDC* pDC = nullptr);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    BOOL DeleteObject();
};
