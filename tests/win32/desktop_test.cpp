// The system's own desktop behind the framework's seam: message boxes, the
// file and print dialogs, the shell and the clipboard, as the user meets
// them under Windows (here: Wine).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "fw/app.h"
#include "fw/file.h"
#include "fw/file_dialog.h"
#include "fw/gdi.h"
#include "fw/internal.h"
#include "fw/print_dialog.h"
#include "fw/testing.h"
#include "tests/support/temporary_folder.h"
#include "tests/win32/native_files.h"

#include <winspool.h>  // after the Windows headers

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

constexpr char kFilter[] = "Text file (*.txt)|*.txt|All files (*.*)|*.*||";

using Folder = kalvex_test::TemporaryFolder;

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs the current folder elsewhere for the life of this object.
class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& path) : m_previous(fs::current_path()) { fs::current_path(path); }
    ~CurrentFolder() { fs::current_path(m_previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    fs::path m_previous;
};

}  // namespace

TEST(SystemMessageBox, ShowsTheTextInTheProgramsCharactersWithOkAndTheIcon) {
    struct Case {
        UINT type;
        LPCTSTR icon;  // the system's, or none
    };
    for (const Case& c : {Case{MB_ICONINFORMATION, IDI_ASTERISK}, Case{MB_ICONSTOP, IDI_HAND},
                          Case{MB_ICONEXCLAMATION, IDI_EXCLAMATION}, Case{MB_OK, nullptr}}) {
        SCOPED_TRACE(c.type);
        fw::testing::ShownMessageBox shown;
        fw::testing::AnswerNextMessageBox(&shown);
        const int answer = fw::testing::RealDesktop().MessageBox(
            nullptr, "Salvato in\n\nC:\\Capacit\xE0 \xB5H \x80.TXT", "Kalvex", c.type);
        EXPECT_EQ(answer, IDOK);
        EXPECT_TRUE(shown.shown);
        EXPECT_EQ(shown.text, "Salvato in\n\nC:\\Capacit\xC3\xA0 \xC2\xB5H \xE2\x82\xAC.TXT");
        EXPECT_EQ(shown.buttons, Strings{"OK"});
        if (c.icon == nullptr) {
            EXPECT_EQ(shown.icon.width, 0);
            continue;
        }
        const fw::testing::Image icon =
            fw::testing::PaintImage(shown.icon.width, shown.icon.height, nullptr,
                                    [&](CDC& dc) { DrawIcon(dc.m_hDC, 0, 0, LoadIcon(nullptr, c.icon)); });
        EXPECT_GT(shown.icon.width, 0);
        EXPECT_EQ(shown.icon.pixels, icon.pixels);
    }
}

TEST(SystemClipboard, HoldsTheBytesOfTheTextAsPlainText) {
    fw::Desktop& desktop = fw::testing::RealDesktop();
    ASSERT_TRUE(desktop.OpenClipboard(nullptr));
    ASSERT_TRUE(desktop.EmptyClipboard());
    EXPECT_TRUE(desktop.SetClipboardText("earlier content"));
    ASSERT_TRUE(desktop.CloseClipboard());

    const std::string link = "mailto:autore@example.org?subject=Capacit\xE0 \x80";
    ASSERT_TRUE(desktop.OpenClipboard(nullptr));
    ASSERT_TRUE(desktop.EmptyClipboard());
    EXPECT_TRUE(desktop.SetClipboardText(link.c_str()));
    ASSERT_TRUE(desktop.CloseClipboard());
    EXPECT_EQ(fw::testing::ClipboardText(), link);
}

// Another program keeps the clipboard open: opening it fails, as the system
// says, and what it held stays.
TEST(SystemClipboard, HeldByAnotherProgramItCannotBeOpened) {
    fw::Desktop& desktop = fw::testing::RealDesktop();
    ASSERT_TRUE(desktop.OpenClipboard(nullptr));
    ASSERT_TRUE(desktop.EmptyClipboard());
    EXPECT_TRUE(desktop.SetClipboardText("kept"));
    ASSERT_TRUE(desktop.CloseClipboard());
    // A window of a thread of its own keeps it open until released.
    std::promise<bool> holding;
    std::promise<void> release;
    std::thread other([&] {
        HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        const bool held = window != nullptr && desktop.OpenClipboard(window);
        holding.set_value(held);
        release.get_future().wait();
        if (held) desktop.CloseClipboard();
        if (window != nullptr) DestroyWindow(window);
    });
    EXPECT_TRUE(holding.get_future().get());
    EXPECT_FALSE(desktop.OpenClipboard(nullptr));
    release.set_value();
    other.join();
    EXPECT_EQ(fw::testing::ClipboardText(), "kept");
}

// A relative name is looked up by the shell in the current folder; the
// shell's answer is passed on.
TEST(SystemShell, AnswersAsTheShellDoes) {
    Folder folder;
    CurrentFolder current(folder.Path());
    std::ofstream(folder.Path() / "KALVEX.kalvex-unknown") << "no program opens this";
    struct Case {
        const char* file;
        INT_PTR answer;
    };
    const Case cases[] = {
        {"KALVEX.kalvex-unknown", SE_ERR_NOASSOC},  // found in the current folder
        {"MISSING.kalvex-unknown", SE_ERR_FNF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", c.file, nullptr, nullptr, SW_SHOWNORMAL)),
                  c.answer);
    }
}

// The help, KALVEX.HLP in the current folder: where the shell would give it
// to WinHelp (Windows 10 and 11 have only a stub that says the format is no
// longer supported) or to nothing, the HTML copy beside it is opened, in the
// web browser; a viewer of .HLP files that is not WinHelp gets the file
// itself. Without KALVEX.HLP in the current folder nothing opens, even with
// one beside the program (where Wine's shell would also look).
TEST(SystemShell, OpensTheHelpWhereWinHelpWouldNot) {
    Folder folder;
    CurrentFolder current(folder.Path());
    const fs::path opened = folder.Path() / "opened.txt";
    // Programs that note what they were given to open.
    const auto noting = [&](const std::wstring& who) {
        return L"C:\\windows\\system32\\cmd.exe /c echo " + who + L" %1>> \"" + opened.wstring() + L"\"";
    };
    kalvex_test::ScopedFileType browser(L".htm", noting(L"browser"));
    const std::wstring winHelp = L"\"C:\\windows\\system32\\winhlp32.exe\" \"%1\"";
    struct Case {
        const char* name;
        std::wstring helpViewer;  // the program for .HLP files, none if empty
        bool help;                // KALVEX.HLP there
        bool page;                // KALVEX.HTM there
        bool besideProgram;       // KALVEX.HLP beside the test program
        INT_PTR answer;           // above 32: opened
        std::string noted;        // what was opened, by whom
    };
    const Case cases[] = {
        {"as Windows 10 has it", winHelp, true, true, false, 33, "browser " + Utf8(folder.Path() / "KALVEX.HTM")},
        {"no program for .HLP", L"", true, true, false, 33, "browser " + Utf8(folder.Path() / "KALVEX.HTM")},
        {"a viewer for .HLP", noting(L"viewer"), true, true, false, 33, "viewer " + Utf8(folder.Path() / "KALVEX.HLP")},
        {"no KALVEX.HLP", winHelp, false, true, false, SE_ERR_FNF, ""},
        {"KALVEX.HLP only beside the program", winHelp, false, false, true, SE_ERR_FNF, ""},
        {"no HTML copy", L"", true, false, false, SE_ERR_NOASSOC, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kalvex_test::ScopedFileType help(L".hlp", c.helpViewer);
        fs::remove(folder.Path() / "KALVEX.HLP");
        fs::remove(folder.Path() / "KALVEX.HTM");
        if (c.help) std::ofstream(folder.Path() / "KALVEX.HLP") << "<!DOCTYPE html>";
        if (c.page) std::ofstream(folder.Path() / "KALVEX.HTM") << "<!DOCTYPE html>";
        const fs::path besideProgram = kalvex_test::ProgramFolder() / "KALVEX.HLP";
        if (c.besideProgram) std::ofstream(besideProgram) << "<!DOCTYPE html>";
        const auto answer =
            reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", "KALVEX.HLP", nullptr, nullptr, SW_SHOW));
        if (c.answer > 32) {
            EXPECT_GT(answer, 32);
        } else {
            EXPECT_EQ(answer, c.answer);
        }
        // The program runs on its own: wait for its note (or, where nothing
        // should open, a while).
        std::string noted;
        for (int wait = 0; wait < (c.noted.empty() ? 10 : 100) && noted.empty(); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            noted = Read(opened);
        }
        while (!noted.empty() && (noted.back() == '\n' || noted.back() == '\r' || noted.back() == ' '))
            noted.pop_back();
        EXPECT_EQ(noted, c.noted);
        // A WinHelp started by mistake would stay up, and keep the test's
        // output open.
        if (noted != c.noted) std::system("taskkill /IM winhlp32.exe >NUL 2>&1");
        fs::remove(opened);
        fs::remove(besideProgram);
    }
}

// With no printer installed the user is told so, and nothing is printed.
TEST(SystemPrintDialog, WithoutPrintersSaysSoAndGivesNoPrinter) {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed > 0) GTEST_SKIP() << "a printer is installed here";
    fw::testing::FakeDesktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    HDC printer = nullptr;
    CString name;
    const INT_PTR result = fw::testing::RealDesktop().PrintDialog(
        nullptr, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE | PD_RETURNDC,
        &printer, &name);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(printer, nullptr);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Nessuna stampante installata.");
    EXPECT_EQ(desktop.boxes[0].caption, AfxGetAppName());
    EXPECT_NE(desktop.boxes[0].caption, "");
    EXPECT_EQ(desktop.boxes[0].type, MB_OK | MB_ICONSTOP);
}

TEST(SystemFileDialog, ShowsTheRequestAndAddsTheDefaultExtension) {
    Folder folder;
    const std::string typed = Utf8(folder.Path() / "kalvex-dialog-report");
    fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& dialog) {
        EXPECT_TRUE(dialog.IsSaveDialog());
        EXPECT_TRUE(dialog.ConfirmsOverwrite());
        EXPECT_EQ(dialog.Filters(), (Strings{"Text file (*.txt)", "All files (*.*)"}));
        EXPECT_EQ(dialog.SelectedFilter(), "Text file (*.txt)");
        EXPECT_EQ(dialog.ListedPatterns(), Strings{"*.txt"});
        EXPECT_EQ(dialog.FileName(), "Kalvex");
        EXPECT_EQ(dialog.DefaultSuffix(), "TXT");
        dialog.NextFilter();
        EXPECT_EQ(dialog.SelectedFilter(), "All files (*.*)");
        EXPECT_EQ(dialog.ListedPatterns(), Strings{"*.*"});
        dialog.Accept(typed);
    });
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    // With all files chosen, the name takes the default extension.
    EXPECT_EQ(dialog.GetPathName(), (folder.Path() / "kalvex-dialog-report.TXT").string());
}

// With a filter of one extension chosen, the system completes a name with
// that filter's extension: its business, not the program's.
TEST(SystemFileDialog, CompletesANameWithTheChosenFiltersExtension) {
    Folder folder;
    fw::testing::WhenFileDialog(
        [&](fw::testing::FileDialogControl& dialog) { dialog.Accept(Utf8(folder.Path() / "kalvex-dialog-report")); });
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    const std::string chosen = dialog.GetPathName().Str();
    EXPECT_TRUE(chosen == (folder.Path() / "kalvex-dialog-report.txt").string() ||
                chosen == (folder.Path() / "kalvex-dialog-report.TXT").string())
        << chosen;
}

TEST(SystemFileDialog, CancelAnswersNothing) {
    fw::testing::WhenFileDialog([](fw::testing::FileDialogControl&) {});
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "");
}

// The dialog asks before a file is replaced; once the user agrees, the name
// is answered.
TEST(SystemFileDialog, AsksBeforeAFileIsReplaced) {
    Folder folder;
    const fs::path existing = folder.Path() / "old.TXT";
    std::ofstream(existing) << "old";
    fw::testing::ShownMessageBox question;
    fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& dialog) {
        fw::testing::AnswerNextMessageBox(&question);
        dialog.Accept(Utf8(existing));
    });
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(question.shown);
    EXPECT_FALSE(question.text.empty());
    EXPECT_EQ(dialog.GetPathName(), existing.string());
}

// A folder and a name in Greek: the program shows them as '?' (which no
// Windows name can hold), the file chosen is the one written.
TEST(SystemFileDialog, ChoosesANameOutsideTheCodePageAsItIs) {
    Folder base;
    const fs::path greek = fs::path(u"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1");
    const fs::path folder = base.Path() / greek;
    fs::create_directory(folder);

    fw::testing::WhenFileDialog(
        [&](fw::testing::FileDialogControl& dialog) { dialog.Accept(Utf8(folder / (greek.u16string() + u".txt"))); });
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), (base.Path() / "??????" / "??????.txt").string());

    CStdioFile file;
    ASSERT_TRUE(file.Open(dialog.GetPathName(), CFile::modeCreate | CFile::modeWrite));
    file.WriteString("report\n");
    file.Close();
    EXPECT_EQ(Read(folder / (greek.u16string() + u".txt")), "report\r\n");
    std::vector<fs::path> written;
    for (const auto& entry : fs::recursive_directory_iterator(base.Path())) written.push_back(entry.path());
    EXPECT_EQ(written.size(), 2u);  // the folder and the report
}
