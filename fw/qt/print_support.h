// The toolkit's print support is not part of the program's start: it lives
// in a module of its own (fw/qt/print/), which the framework opens the first
// time the user prints. This is all the two sides share: toolkit types and
// classes with virtual functions only, so that the module needs nothing of
// the program and the program nothing of the toolkit's print library.
#pragma once

#include <QString>

#include <memory>
#include <string>

class QPaintDevice;
class QWidget;

namespace fw::detail {

// Where a document goes: a printer chosen in the print dialog, or a file.
class Printer {
public:
    virtual ~Printer() = default;
    // What to paint on: pixels of the printable area, at the printer's resolution.
    virtual QPaintDevice* device() = 0;
    virtual QString name() const = 0;
    virtual void setDocName(const QString& name) = 0;
    // Ends the page being painted and begins the next one.
    virtual bool newPage() = 0;
    // After painting has ended: whether the document was taken, written out
    // or handed to the print server and accepted there.
    virtual bool taken() = 0;
};

// What the print dialog offers besides the printer.
struct PrintDialogOptions {
    bool selection = false;
    bool pageRange = false;
    bool toFile = false;
};

class PrintSupport {
public:
    // Whether any printer is installed.
    virtual bool hasPrinters() = 0;
    // Runs the toolkit's print dialog over `owner`; the printer chosen, or
    // nullptr when the user cancelled or the printer went away meanwhile.
    virtual std::unique_ptr<Printer> choosePrinter(QWidget* owner, const PrintDialogOptions& options) = 0;

protected:
    ~PrintSupport() = default;  // it lives as long as the module
};

// The module's one entry point, by this name.
using PrintSupportEntry = PrintSupport* (*)();
inline constexpr const char* kPrintSupportEntry = "kalvex_print_support";
// The module's file, beside the program in the build folder, or in its
// installation's library folder (KALVEX_MODULE_DIR, relative to the program's).
inline constexpr const char* kPrintModuleFile = "kalvex-print.so";

// The print support, from the module, which is opened on the first call and
// stays. nullptr when it cannot be opened, and `why` says why.
PrintSupport* LoadPrintSupport(std::string* why);

}  // namespace fw::detail
