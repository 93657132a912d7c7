// How long the program takes the first time the user prints, saves and opens
// the About box, the user's time in the dialogs left out: every toolkit
// dialog and message box is answered as soon as it is shown, and the time
// from its showing to the answer is taken off. Each command runs once, from
// the main window's menu, with the real desktop: the toolkit's file and print
// dialogs, its message boxes, and the print module opened on demand (this
// program does not link it, and sits beside it, as the program does). It
// prints on a print server of its own (cupsd).
//
//   first_use_timing      (bench/first_use builds and runs it on an Xvfb)
//
// Prints one line per command: its time in milliseconds, the time spent
// waiting for the answers taken off, and what was shown on the way.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fw/testing.h"
#include "tests/support/print_server.h"
#include "tests/ui/main_window.h"
#include "ui/resource_ids.h"

namespace {

// Answers every toolkit dialog and message box the moment it is shown, and
// notes how long each waited for its answer.
class Answerer : public QObject {
public:
    QElapsedTimer clock;
    double answering = 0;  // ms between a dialog's showing and its answer
    std::vector<std::string> shown;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || dialog == nullptr || !dialog->isWindow()) return false;
        if (!dialog->inherits("QFileDialog") && !dialog->inherits("QPrintDialog") && !dialog->inherits("QMessageBox")) {
            return false;
        }
        std::string what = dialog->metaObject()->className();
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            what += " \"" + box->text().simplified().toStdString() + "\"";
        shown.push_back(what);
        const qint64 at = clock.nsecsElapsed();
        QTimer::singleShot(0, dialog, [this, dialog, at] {
            answering += static_cast<double>(clock.nsecsElapsed() - at) / 1e6;
            dialog->accept();
        });
        return false;
    }
};

struct Timing {
    const char* what;
    double ms;
    double answering;
    std::string shown;
};

}  // namespace

int main(int argc, char** argv) {
    const kalvex_test::PrintServer server;
    if (!server.Error().empty()) {
        std::fprintf(stderr, "first_use_timing: no print server: %s\n", server.Error().c_str());
        return 1;
    }
    // The report is saved where the program proposes it, in the working folder.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kalvex-first-use-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);

    fw::testing::StartToolkit(argc, argv);
    Answerer answerer;
    qApp->installEventFilter(&answerer);
    answerer.clock.start();

    std::vector<Timing> timings;
    const auto time = [&](const char* what, CCoilDialog& dialog, UINT command) {
        answerer.answering = 0;
        answerer.shown.clear();
        const qint64 start = answerer.clock.nsecsElapsed();
        fw::testing::ChooseMenuItem(dialog.m_hWnd, command);
        const double ms = static_cast<double>(answerer.clock.nsecsElapsed() - start) / 1e6;
        std::string shown;
        for (const std::string& each : answerer.shown) shown += (shown.empty() ? "" : ", ") + each;
        timings.push_back({what, ms - answerer.answering, answerer.answering, shown});
    };

    kalvex_test::RunMainWindow([&](CCoilDialog& dialog) {
        dialog.SetDlgItemText(IDC_TURNS, "17");
        // The About box is the framework's own dialog: timed until it is up
        // and painted, then closed.
        qint64 start = 0;
        double aboutMs = 0;
        fw::testing::WhenModal(
            [&](CDialog&) { aboutMs = static_cast<double>(answerer.clock.nsecsElapsed() - start) / 1e6; });
        start = answerer.clock.nsecsElapsed();
        fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_APP_ABOUT);
        timings.push_back({"About box, until shown", aboutMs, 0, "CAboutDialog"});

        time("save", dialog, ID_FILE_SAVE);
        time("print", dialog, ID_FILE_PRINT);
    });
    qApp->removeEventFilter(&answerer);
    fw::testing::StopToolkit();

    bool saved = std::filesystem::exists(folder / "Kalvex.TXT");
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder);

    std::printf("%-24s %9s %16s  %s\n", "first", "ms", "answering, ms", "shown");
    for (const Timing& t : timings) std::printf("%-24s %9.1f %16.1f  %s\n", t.what, t.ms, t.answering, t.shown.c_str());
    if (!saved) {
        std::fprintf(stderr, "first_use_timing: the report was not saved\n");
        return 1;
    }
    return 0;
}
