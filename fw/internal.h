// What a backend of the framework provides (fw/qt/ over Qt; fw/win32/ over
// the Windows API). Not for the program's use.
//
// The vocabulary is the backend's (fw/types.h): on Windows the system's own
// headers, elsewhere the framework's declarations of the same names, whose
// functions the backend defines (fw/qt/vocabulary.h). Besides the primitives
// below, a backend defines:
//   CWnd:      SetWindowText, GetWindowText, GetDlgItem, GetStyle, GetParent,
//              IsIconic, IsWindowEnabled, IsWindowVisible, GetClientRect,
//              GetWindowRect, SetFocus, GetFocus
//   CDialog:   MapDialogRect
//   CComboBox: AddString, GetCount, GetCurSel, SetCurSel, ResetContent, GetLBText
//   CWinApp::LoadIcon, LoadCursorImage
//   LiveCursorCount, LiveDeviceContextCount, LiveWindowCount (fw/diagnostics.h)
//   fw::detail::RealDesktop(): message boxes, the file and print dialogs, the
//              opener and the clipboard of the desktop (fw/desktop.h)
//   the operations on files of fw/file_system.h, and the causes of the
//              system's error codes (CFileException::OsErrorToException)
//   AfxWinMain (the entry point, main, is fw/entry.cpp)
// and, for tests, the toolkit-bound part of the test support: the functions
// of fw/testing/{toolkit,modal,input,pictures,real_desktop}.h that fw/testing/
// does not define.
#pragma once

#include <string>
#include <string_view>

#include "fw/types.h"
#include "fw/window_record.h"

class CWnd;
class CDialog;

namespace fw::detail {

// --- written once, over the backend's primitives below ---------------------

// Sends a message to the window's object, or to its default handling.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The same, where the system or the toolkit calls in: an exception that
// escapes a handler is reported here and goes no further.
LRESULT Dispatch(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The object attached to a window; nullptr when none is.
CWnd* AttachedTo(HWND window);
// Makes `object` receive the window's messages (nullptr detaches).
void Attach(HWND window, CWnd* object);
// A wrapper that lives as long as the window, for windows with none attached.
CWnd* TemporaryWrapper(HWND window);
// Destroys the window; a window in a modal run ends the run instead, and the
// run destroys it.
void Destroy(HWND window);
// Creates the dialog's window from its template, runs it modally and destroys
// it; answers the result or -1.
INT_PTR RunModal(CDialog& dialog, UINT templateId, HWND owner);
void EndModal(HWND dialog, int result);
// Tells the modal observer, if one is set, that the dialog's run has begun.
void ModalRunStarted(CDialog& dialog);

// --- the backend's primitives ----------------------------------------------

// The record of a window of this program; nullptr for none.
WindowRecord* RecordOf(HWND window);
// The default handling of every kind of window.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Takes the window away.
void DestroyWindowOf(HWND window);
// The steps of a modal run: the dialog's window created from its template,
// attached and initialised, centred over its owner, not yet shown (nullptr
// without such a template); the owner disabled and enabled again; the window
// shown and run until its record says the run has ended (calling
// ModalRunStarted once it runs); the loop woken when EndModal ended it; the
// window taken away again.
HWND OpenDialogWindow(CDialog& dialog, UINT templateId, HWND owner);
void EnableModalOwner(HWND owner, bool enable);
void RunModalLoop(HWND dialog, CDialog& object);
void WakeModalLoop(HWND dialog);
void CloseDialogWindow(HWND dialog);

// The screen's vertical resolution in dots per inch.
int ScreenLogPixelsY();
// Deletes a device context that the framework made (a printer's) and that
// its owner lets go of.
void DeleteContext(HDC dc);
// Lets go of the wrappers CDC::FromHandle made for contexts nobody attached
// (written once, in fw/gdi.cpp; Dispatch calls it once the outermost message
// is handled).
void FreeTemporaryDCs();

// File names: from the program's Windows-1252 text to the file system's
// bytes, and back (a character without a byte becomes '?').
std::string NativeFileName(std::string_view name);
std::string FromNativeFileName(std::string_view name);

// Part of the program's start: writes to a closed pipe or past the file size
// limit fail with an error instead of ending the process.
void IgnoreWriteSignals();

}  // namespace fw::detail
