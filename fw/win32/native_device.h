// A device context over one of the system's: the framework's drawing state
// is applied to the native context as it changes, and drawing and measuring
// are the system's own calls.
#pragma once

#include "fw/gdi.h"
#include "fw/win32/native_dc.h"

struct HDC__;

namespace fw::detail {

class NativeDevice : public Device {
public:
    // Starts from the state the native context has now. An owned context is
    // deleted with the device; otherwise it stays the system's (or its
    // maker's) and keeps whatever state the drawing left in it. The context's
    // font is the device's first font; without `withFont` the device starts
    // with none, and a state without a font draws in the context's first font.
    NativeDevice(HDC__* dc, bool owned, bool withFont = true);
    ~NativeDevice() override;

    BOOL RestoreDC(int nSavedDC) override;
    COLORREF SetBkColor(COLORREF colour) override;
    int SetBkMode(int mode) override;
    COLORREF SetTextColor(COLORREF colour) override;

    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view text) override;
    BOOL TextOut(int x, int y, std::string_view text) override;
    CSize GetTextExtent(std::string_view text) override;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) override;
    BOOL DrawFocusRect(const CRect& rect) override;
    BOOL DrawIcon(int x, int y, HICON icon) override;
    BOOL FillSolidRect(const CRect& rect, COLORREF colour) override;

    HDC__* NativeContext() const { return m_dc; }

protected:
    Metrics DeviceMetrics() const override;
    void FontChanged() override;

private:
    // The context's own font gets an object too (a system font one that owns
    // nothing), so that selecting it back brings that font back.
    NativeDevice(HDC__* dc, bool owned, bool withFont, const win32::DcState& state);
    // The whole state, after RestoreDC.
    void ApplyState();

    HDC__* m_dc;
    bool m_owned;
    HFONT__* m_firstFont;
};

}  // namespace fw::detail
