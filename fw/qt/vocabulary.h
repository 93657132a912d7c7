// The system's vocabulary where there is no Windows: the types, messages,
// structures, constants and the few functions of the Windows API that the
// framework and the program use, declared by the framework itself (fw/qt/
// and fw/posix/ implement the functions). No toolkit type appears here.
// Only fw/types.h includes it.
#pragma once

#include <cstdint>

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using INT_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) { return r | (g << 8) | (static_cast<COLORREF>(b) << 16); }
constexpr BYTE GetRValue(COLORREF c) { return c & 0xFF; }
constexpr BYTE GetGValue(COLORREF c) { return (c >> 8) & 0xFF; }
constexpr BYTE GetBValue(COLORREF c) { return (c >> 16) & 0xFF; }
constexpr BYTE LOBYTE(std::uintptr_t v) { return v & 0xFF; }
constexpr WORD LOWORD(std::uintptr_t v) { return v & 0xFFFF; }
constexpr WORD HIWORD(std::uintptr_t v) { return (v >> 16) & 0xFFFF; }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return low | (static_cast<WPARAM>(high) << 16); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) { return static_cast<LPARAM>(low | (static_cast<DWORD>(high) << 16)); }

// Opaque handles. What they point to is the framework's business.
namespace fw::detail {
struct Window;
class Device;
struct FontObject;
struct IconObject;
struct CursorObject;
struct BrushObject;
struct InstanceObject;
}  // namespace fw::detail
using HWND = fw::detail::Window*;
using HDC = fw::detail::Device*;
using HFONT = fw::detail::FontObject*;
using HICON = fw::detail::IconObject*;
using HCURSOR = fw::detail::CursorObject*;
using HBRUSH = fw::detail::BrushObject*;
using HINSTANCE = fw::detail::InstanceObject*;
using HGDIOBJ = void*;

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

// Window messages.
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_GETFONT = 0x0031;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_SETCURSOR = 0x0020;
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_HELP = 0x0053;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_NCHITTEST = 0x0084;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;

// Notification codes.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT EN_CHANGE = 0x0300;
inline constexpr UINT CBN_SELENDOK = 9;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// System commands.
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_RESTORE = 0xF120;

// Window styles.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;  // on a top-level window
inline constexpr DWORD DS_SETFONT = 0x40;
inline constexpr DWORD DS_MODALFRAME = 0x80;
inline constexpr DWORD WS_EX_STATICEDGE = 0x00020000;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

// Control styles.
inline constexpr DWORD SS_LEFT = 0x0;
inline constexpr DWORD SS_CENTER = 0x1;
inline constexpr DWORD SS_RIGHT = 0x2;
inline constexpr DWORD SS_ICON = 0x3;
inline constexpr DWORD SS_ETCHEDHORZ = 0x10;
inline constexpr DWORD SS_TYPEMASK = 0x1F;
inline constexpr DWORD SS_NOTIFY = 0x100;
inline constexpr DWORD SS_CENTERIMAGE = 0x200;
inline constexpr DWORD ES_AUTOHSCROLL = 0x80;
inline constexpr DWORD ES_READONLY = 0x800;
inline constexpr DWORD BS_PUSHBUTTON = 0x0;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
inline constexpr DWORD BS_TYPEMASK = 0xF;
inline constexpr DWORD BS_MULTILINE = 0x2000;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x3;
inline constexpr DWORD CBS_OWNERDRAWFIXED = 0x10;
inline constexpr DWORD CBS_HASSTRINGS = 0x200;

inline constexpr int CB_ERR = -1;

// Mouse message flags: which buttons are down.
inline constexpr WPARAM MK_LBUTTON = 0x0001;

// Hit-test answers.
inline constexpr LRESULT HTTRANSPARENT = -1;
inline constexpr LRESULT HTCLIENT = 1;

// Message boxes.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_ICONSTOP = 0x10;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONMASK = 0xF0;

// Show commands.
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// Keys.
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;

// System metrics.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;

// Drawing.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr UINT ETO_OPAQUE = 0x2;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE DEFAULT_PITCH = 0;
inline constexpr BYTE FIXED_PITCH = 1;
inline constexpr BYTE FF_MODERN = 0x30;
inline constexpr UINT ODS_SELECTED = 0x1;
inline constexpr UINT ODS_FOCUS = 0x10;
inline constexpr UINT ODS_COMBOBOXEDIT = 0x1000;
inline constexpr UINT ODA_DRAWENTIRE = 0x1;
inline constexpr UINT ODT_COMBOBOX = 3;
inline constexpr UINT CTLCOLOR_STATIC = 6;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTA;

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
};
using TEXTMETRIC = TEXTMETRICA;

struct DOCINFOA {
    int cbSize;
    const char* lpszDocName;
    const char* lpszOutput;
    const char* lpszDatatype;
    DWORD fwType;
};
using DOCINFO = DOCINFOA;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    std::uintptr_t itemData;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

inline constexpr int HELPINFO_WINDOW = 1;
inline constexpr int HELPINFO_MENUITEM = 2;
struct HELPINFO {
    UINT cbSize;
    int iContextType;
    int iCtrlId;
    HWND hItemHandle;
    DWORD dwContextId;
    POINT MousePos;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

// The common dialogs.
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD PD_NOSELECTION = 0x4;
inline constexpr DWORD PD_NOPAGENUMS = 0x8;
inline constexpr DWORD PD_RETURNDC = 0x100;
inline constexpr DWORD PD_USEDEVMODECOPIESANDCOLLATE = 0x40000;
inline constexpr DWORD PD_HIDEPRINTTOFILE = 0x100000;
struct PRINTDLGA {
    DWORD lStructSize;
    HWND hwndOwner;
    HDC hDC;
    DWORD Flags;
};
using PRINTDLG = PRINTDLGA;

// The shell's failures; an answer above 32 means the document was opened.
inline constexpr INT_PTR SE_ERR_FNF = 2;       // no such file
inline constexpr INT_PTR SE_ERR_NOASSOC = 31;  // nothing opens it

// The functions. Drawing goes to the context's device (fw/qt/device.h).
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int saved);
COLORREF SetBkColor(HDC dc, COLORREF colour);
int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF colour);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);  // fonts only
inline constexpr UINT OBJ_FONT = 6;
HGDIOBJ GetCurrentObject(HDC dc, UINT type);  // the font only
COLORREF GetTextColor(HDC dc);
int GetBkMode(HDC dc);
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const int* dx);
BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
int DrawFocusRect(HDC dc, const RECT* rect);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
int GetDeviceCaps(HDC dc, int index);
int StartDocA(HDC dc, const DOCINFOA* info);
int StartPage(HDC dc);
int EndPage(HDC dc);
int EndDoc(HDC dc);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

HFONT CreateFontIndirectA(const LOGFONTA* logFont);
BOOL DeleteObject(HGDIOBJ object);  // fonts only
// A font's description; only fonts are described.
int GetObject(HGDIOBJ object, int size, void* description);
// Only the hollow brush (NULL_BRUSH) is offered: it paints no background.
HGDIOBJ GetStockObject(int index);

// The state of a key while the current input is handled: negative when down.
short GetKeyState(int virtualKey);
int GetSystemMetrics(int index);
BOOL DestroyCursor(HCURSOR cursor);
// Sets the cursor of the window that is answering WM_SETCURSOR.
HCURSOR SetCursor(HCURSOR cursor);

// The shell and the clipboard, through the framework's desktop (fw/desktop.h).
// Only the verb "open" is known; other verbs fail with SE_ERR_NOASSOC.
HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCommand);
BOOL OpenClipboard(HWND owner);
BOOL EmptyClipboard();
BOOL CloseClipboard();
