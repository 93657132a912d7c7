// What the framework keeps about every window. Plain: it names nothing of
// the system's or the framework's vocabulary, so that any backend file can
// build on it.
#pragma once

class CWnd;

namespace fw::detail {

// What the framework keeps about every window, whatever the backend: the
// object that receives its messages, a wrapper of its own for windows with
// none attached, and its part in modal runs. Letting go of a record
// detaches both objects from the window.
struct WindowRecord {
    WindowRecord() = default;
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;
    virtual ~WindowRecord();

    CWnd* attached = nullptr;
    CWnd* temporary = nullptr;  // owned
    int modalDisabled = 0;      // modal windows open over it
    bool inModalRun = false;
    bool modalEnded = false;  // EndDialog has ended its modal run
    int modalResult = -1;
};

}  // namespace fw::detail
