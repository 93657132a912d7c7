#include "fw/win32/native_dc.h"

#include <windows.h>

#include <cstring>

#include "fw/win32/dialog_template.h"

namespace fw::win32 {
namespace {

RECT ToRect(const Box& box) { return RECT{box.left, box.top, box.right, box.bottom}; }

// The program's text as the system's wide characters, byte for character.
std::wstring Wide(std::string_view text) {
    const std::u16string wide = Utf16FromWindows1252(text);
    return std::wstring(wide.begin(), wide.end());
}

}  // namespace

DcState StateOf(HDC dc) {
    return {GetTextColor(dc), GetBkColor(dc), GetBkMode(dc), static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT))};
}

void ApplyTextColour(HDC dc, std::uint32_t colour) { SetTextColor(dc, colour); }
void ApplyBkColour(HDC dc, std::uint32_t colour) { SetBkColor(dc, colour); }
void ApplyBkMode(HDC dc, int mode) { SetBkMode(dc, mode); }
void ApplyFont(HDC dc, HFONT font) {
    if (font != nullptr) SelectObject(dc, font);
}

bool TextAt(HDC dc, int x, int y, std::string_view text) {
    const std::wstring wide = Wide(text);
    return TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size())) != 0;
}

bool TextInBox(HDC dc, int x, int y, unsigned options, const Box* box, std::string_view text) {
    const std::wstring wide = Wide(text);
    RECT rect{};
    if (box != nullptr) rect = ToRect(*box);
    return ExtTextOutW(dc, x, y, options, box != nullptr ? &rect : nullptr, wide.c_str(),
                       static_cast<UINT>(wide.size()), nullptr) != 0;
}

bool MeasureText(HDC dc, std::string_view text, int* width, int* height) {
    const std::wstring wide = Wide(text);
    SIZE size{};
    if (GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size) == 0) return false;
    *width = size.cx;
    *height = size.cy;
    return true;
}

bool MeasureFont(HDC dc, FontMetrics* metrics) {
    TEXTMETRICW tm{};
    if (GetTextMetricsW(dc, &tm) == 0) return false;
    metrics->height = tm.tmHeight;
    metrics->ascent = tm.tmAscent;
    metrics->descent = tm.tmDescent;
    metrics->internalLeading = tm.tmInternalLeading;
    metrics->externalLeading = tm.tmExternalLeading;
    metrics->aveCharWidth = tm.tmAveCharWidth;
    metrics->maxCharWidth = tm.tmMaxCharWidth;
    // The bit's name says the opposite of what it means.
    metrics->fixedPitch = (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
    return true;
}

bool DrawFocusBox(HDC dc, const Box& box) {
    const RECT rect = ToRect(box);
    return DrawFocusRect(dc, &rect) != 0;
}

bool DrawIconAt(HDC dc, int x, int y, HICON icon) { return icon != nullptr && DrawIcon(dc, x, y, icon) != 0; }

bool FillBox(HDC dc, const Box& box, std::uint32_t colour) {
    const RECT rect = ToRect(box);
    const COLORREF previous = SetBkColor(dc, colour);
    const bool filled = ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr) != 0;
    SetBkColor(dc, previous);
    return filled;
}

Caps CapsOf(HDC dc) {
    return {GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, HORZRES),
            GetDeviceCaps(dc, VERTRES)};
}

int StartDocument(HDC dc, std::string_view name) {
    const std::wstring wide = Wide(name);
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = wide.c_str();
    return StartDocW(dc, &info);
}

int StartDocumentPage(HDC dc) { return StartPage(dc); }
int EndDocumentPage(HDC dc) { return EndPage(dc); }
int EndDocument(HDC dc) { return EndDoc(dc); }
void DeleteContext(HDC dc) {
    if (dc != nullptr) DeleteDC(dc);
}

static_assert(sizeof(PAINTSTRUCT) <= WindowPaint::kPaintSize);

WindowPaint::WindowPaint(HWND window) : m_window(window) {
    if (window != nullptr) m_dc = BeginPaint(window, reinterpret_cast<PAINTSTRUCT*>(m_paint));
}

WindowPaint::~WindowPaint() {
    if (m_dc != nullptr) EndPaint(m_window, reinterpret_cast<PAINTSTRUCT*>(m_paint));
}

MemoryPicture::MemoryPicture(int width, int height, std::uint32_t background) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        DeleteObject(bitmap);
        return;
    }
    m_previous = SelectObject(dc, bitmap);
    m_bitmap = bitmap;
    m_bits = static_cast<const std::uint32_t*>(bits);
    m_dc = dc;
    FillBox(dc, Box{0, 0, width, height}, background);
}

MemoryPicture::~MemoryPicture() {
    if (m_dc == nullptr) return;
    SelectObject(m_dc, static_cast<HGDIOBJ>(m_previous));
    DeleteDC(m_dc);
    DeleteObject(static_cast<HGDIOBJ>(m_bitmap));
}

std::vector<std::uint32_t> MemoryPicture::Pixels() const {
    std::vector<std::uint32_t> pixels;
    if (m_bits == nullptr) return pixels;
    GdiFlush();
    pixels.reserve(static_cast<std::size_t>(m_width) * m_height);
    // The DIB holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_width) * m_height; ++i) {
        const std::uint32_t p = m_bits[i];
        pixels.push_back(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
    }
    return pixels;
}

}  // namespace fw::win32
