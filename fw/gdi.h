// Drawing: device contexts, fonts and the structures of drawing requests.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "fw/cstring.h"
#include "fw/types.h"

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr UINT ETO_OPAQUE = 0x2;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr UINT ODS_SELECTED = 0x1;
inline constexpr UINT ODS_FOCUS = 0x10;
inline constexpr UINT ODS_COMBOBOXEDIT = 0x1000;
inline constexpr UINT ODA_DRAWENTIRE = 0x1;
inline constexpr UINT ODT_COMBOBOX = 3;
inline constexpr UINT CTLCOLOR_STATIC = 6;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
};

struct DOCINFO {
    int cbSize = sizeof(DOCINFO);
    const char* lpszDocName = nullptr;
    const char* lpszOutput = nullptr;
    const char* lpszDatatype = nullptr;
    DWORD fwType = 0;
};

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    CRect rcItem;
    std::uintptr_t itemData = 0;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

class CDC;

namespace fw::detail {

// What a device context draws on. One implementation paints with the
// toolkit (screen, image, printer); another records every call for tests.
// The drawing state (colours, background mode, font) and its saved copies
// are kept here, once for every kind of device.
class Device {
public:
    // The state a context starts with.
    Device(COLORREF textColour, COLORREF backgroundColour, HFONT font);
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    virtual ~Device();

    // The state. A device that watches its calls overrides these and passes
    // each on to the base.
    virtual int SaveDC();
    virtual BOOL RestoreDC(int nSavedDC);  // a saved number, or -1 for the last
    virtual COLORREF SetBkColor(COLORREF colour);
    virtual int SetBkMode(int mode);
    virtual COLORREF SetTextColor(COLORREF colour);
    virtual HFONT SelectFont(HFONT font);  // answers the font selected before; nullptr selects nothing
    COLORREF GetBkColor() const { return m_state.bkColour; }
    int GetBkMode() const { return m_state.bkMode; }
    COLORREF GetTextColor() const { return m_state.textColour; }
    HFONT GetCurrentFont() const { return m_state.font; }
    int SavedDepth() const { return static_cast<int>(m_saved.size()); }

    // Drawing and measuring.
    virtual BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view text) = 0;
    virtual BOOL TextOut(int x, int y, std::string_view text) = 0;
    virtual CSize GetTextExtent(std::string_view text) = 0;
    virtual BOOL GetTextMetrics(TEXTMETRIC* metrics) = 0;
    virtual BOOL DrawFocusRect(const CRect& rect) = 0;
    virtual BOOL DrawIcon(int x, int y, HICON icon) = 0;
    virtual BOOL FillSolidRect(const CRect& rect, COLORREF colour) = 0;

    // LOGPIXELSX, LOGPIXELSY, HORZRES or VERTRES of the device; 0 for any other index.
    int GetDeviceCaps(int index) const;

    // Printing; a device that does not print answers failure (<= 0).
    virtual int StartDoc(const DOCINFO& info);
    virtual int StartPage();
    virtual int EndPage();
    virtual int EndDoc();

    // The wrapper that CDC::FromHandle answers for this device.
    CDC& Wrapper();

protected:
    // Resolution in dots per inch and size in device units.
    struct Metrics {
        int logPixelsX = 0;
        int logPixelsY = 0;
        int width = 0;
        int height = 0;
    };
    virtual Metrics DeviceMetrics() const = 0;
    // The selected font changed: selected, or brought back by RestoreDC.
    virtual void FontChanged() {}

private:
    struct State {
        COLORREF textColour;
        COLORREF bkColour;
        int bkMode;
        HFONT font;
    };

    State m_state;
    std::vector<State> m_saved;
    std::unique_ptr<CDC> m_wrapper;
};

}  // namespace fw::detail

// A device context. It owns its device only when told so (Attach with
// ownership, or a printer context taken over from the print dialog).
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC hDC);
    // Takes the device; the context deletes it in DeleteDC or when destroyed.
    BOOL Attach(HDC hDC);
    BOOL DeleteDC();

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    COLORREF SetTextColor(COLORREF colour);
    HFONT SelectObject(class CFont* font);
    HFONT SelectObject(HFONT font);
    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text, UINT count, const int* dx);
    BOOL TextOut(int x, int y, const char* text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    CSize GetTextExtent(const char* text, int count);
    BOOL GetTextMetrics(TEXTMETRIC* metrics);
    void DrawFocusRect(const CRect* rect);
    BOOL DrawIcon(int x, int y, HICON icon);
    void FillSolidRect(const CRect* rect, COLORREF colour);
    int GetDeviceCaps(int index) const;
    int StartDoc(DOCINFO* info);
    int StartPage();
    int EndPage();
    int EndDoc();

private:
    bool m_owned = false;
    friend class fw::detail::Device;
};

// Painting a window while it answers WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(class CWnd* wnd);
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

// A font's description (the equivalent of GetObject on a font).
int GetObject(HFONT font, int size, LOGFONT* logFont);
HBRUSH GetStockObject(int index);
