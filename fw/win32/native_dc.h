// The system's device contexts, over plain values. Plain header: no Windows
// header, no framework header. Text is the program's Windows-1252; colours
// are COLORREF values (0x00BBGGRR).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct HDC__;
struct HFONT__;
struct HICON__;
struct HWND__;

namespace fw::win32 {

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What a context draws with now.
struct DcState {
    std::uint32_t textColour = 0;
    std::uint32_t bkColour = 0;
    int bkMode = 0;
    HFONT__* font = nullptr;
};
DcState StateOf(HDC__* dc);
void ApplyTextColour(HDC__* dc, std::uint32_t colour);
void ApplyBkColour(HDC__* dc, std::uint32_t colour);
void ApplyBkMode(HDC__* dc, int mode);
void ApplyFont(HDC__* dc, HFONT__* font);

bool TextAt(HDC__* dc, int x, int y, std::string_view text);
// ExtTextOut with the options' ETO_OPAQUE and ETO_CLIPPED meaning theirs.
bool TextInBox(HDC__* dc, int x, int y, unsigned options, const Box* box, std::string_view text);
// Width and height of the text in the selected font.
bool MeasureText(HDC__* dc, std::string_view text, int* width, int* height);

struct FontMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    bool fixedPitch = false;
};
bool MeasureFont(HDC__* dc, FontMetrics* metrics);

bool DrawFocusBox(HDC__* dc, const Box& box);
bool DrawIconAt(HDC__* dc, int x, int y, HICON__* icon);
// A solid fill that leaves the context's background colour as it was.
bool FillBox(HDC__* dc, const Box& box, std::uint32_t colour);

struct Caps {
    int logPixelsX = 0;
    int logPixelsY = 0;
    int horzRes = 0;
    int vertRes = 0;
};
Caps CapsOf(HDC__* dc);

// Printing on a printer's context; each answers what the system answered.
int StartDocument(HDC__* dc, std::string_view name);
int StartDocumentPage(HDC__* dc);
int EndDocumentPage(HDC__* dc);
int EndDocument(HDC__* dc);
void DeleteContext(HDC__* dc);

// Painting a window while it answers WM_PAINT: BeginPaint, and EndPaint
// with what BeginPaint filled in.
class WindowPaint {
public:
    explicit WindowPaint(HWND__* window);
    ~WindowPaint();
    WindowPaint(const WindowPaint&) = delete;
    WindowPaint& operator=(const WindowPaint&) = delete;
    HDC__* Context() const { return m_dc; }
    static constexpr std::size_t kPaintSize = 72;

private:
    HWND__* m_window;
    HDC__* m_dc = nullptr;
    alignas(8) unsigned char m_paint[kPaintSize];  // the PAINTSTRUCT
};

// A picture of width x height in memory (a 32-bit DIB section) with a
// context to draw on it, filled with `background` to begin with.
class MemoryPicture {
public:
    MemoryPicture(int width, int height, std::uint32_t background);
    ~MemoryPicture();
    MemoryPicture(const MemoryPicture&) = delete;
    MemoryPicture& operator=(const MemoryPicture&) = delete;

    // nullptr when the system could not make it.
    HDC__* Context() const { return m_dc; }
    // The pixels as COLORREF values, row after row from the top.
    std::vector<std::uint32_t> Pixels() const;

private:
    int m_width;
    int m_height;
    HDC__* m_dc = nullptr;
    void* m_bitmap = nullptr;
    void* m_previous = nullptr;
    const std::uint32_t* m_bits = nullptr;
};

}  // namespace fw::win32
