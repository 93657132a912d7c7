#include "fw/win32/printer_device.h"

#include "fw/win32/native_dc.h"

namespace fw::detail {

int PrinterDevice::StartDoc(const DOCINFO& info) {
    return win32::StartDocument(NativeContext(), info.lpszDocName != nullptr ? info.lpszDocName : "");
}

int PrinterDevice::StartPage() { return win32::StartDocumentPage(NativeContext()); }
int PrinterDevice::EndPage() { return win32::EndDocumentPage(NativeContext()); }
int PrinterDevice::EndDoc() { return win32::EndDocument(NativeContext()); }

}  // namespace fw::detail
