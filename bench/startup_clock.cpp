// Preloaded into a program by bench/startup_phases (LD_PRELOAD): notes when
// each step of its start-up ends, up to the request that maps its first
// window, from calls that every Qt Widgets program makes on the way:
//
//   loaded    the dynamic linker has loaded and bound the libraries
//             (this library's constructor)
//   main      the program's static initialisers have run (main is called)
//   toolkit   QApplication's constructor has returned
//   built     the window is built and its lists are filled (QDialog::exec)
//   mapped    the window's map request is made (xcb_map_window)
//
// and how much of each step went on fonts (inside fontconfig and FreeType)
// and on filling lists (QComboBox::insertItem and setCurrentIndex).
//
// Environment:
//   STARTUP_T0_NS       when the process was started (CLOCK_MONOTONIC, ns),
//                       set by bench/map_watch; without it, times count from
//                       this library's constructor
//   STARTUP_CLOCK_OUT   file the line is appended to (standard error if unset):
//                       for each step its end, fonts and lists in ms, then
//                       the resident and peak memory at the map in KiB
//   STARTUP_CLOCK_MAPS  file that gets /proc/self/smaps (what is mapped, and how
//                       much of it is resident) at the map request
//   STARTUP_CLOCK_EXIT  when set, the process ends at the map request
//
// Under callgrind each step's instructions are dumped on their own (the
// dump is named after the step), so bench/startup_phases can count them.
#include <dlfcn.h>
#include <time.h>
#include <unistd.h>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

enum Step { kLoaded, kMain, kToolkit, kBuilt, kMapped, kSteps };
const char* const kStepNames[kSteps] = {"loaded", "main", "toolkit", "built", "mapped"};

struct Mark {
    double at = -1;  // ms since the start
    double fonts = 0;
    double lists = 0;
};

long long g_t0 = 0;
Mark g_marks[kSteps];
// Time spent so far in calls of one kind; calls made inside such a call
// (fontconfig calling itself through its interface) count once.
struct Spent {
    double ms = 0;
    int depth = 0;
};
Spent g_fonts;
Spent g_lists;

long long NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

double SinceStart(long long ns) { return static_cast<double>(ns - g_t0) / 1e6; }

void Reach(Step step) {
    if (g_marks[step].at >= 0) return;
    g_marks[step] = {SinceStart(NowNs()), g_fonts.ms, g_lists.ms};
    CALLGRIND_DUMP_STATS_AT(kStepNames[step]);
}

long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
            return std::strtol(line.c_str() + length + 1, nullptr, 10);
        }
    }
    return -1;
}

void Report() {
    if (const char* maps = std::getenv("STARTUP_CLOCK_MAPS")) {
        std::ifstream in("/proc/self/smaps");
        std::ofstream out(maps);
        out << in.rdbuf();
    }
    FILE* out = stderr;
    if (const char* path = std::getenv("STARTUP_CLOCK_OUT")) {
        if (FILE* file = std::fopen(path, "a")) out = file;
    }
    for (const Mark& mark : g_marks) std::fprintf(out, "%.2f %.2f %.2f ", mark.at, mark.fonts, mark.lists);
    std::fprintf(out, "%ld %ld\n", StatusKiB("VmRSS"), StatusKiB("VmHWM"));
    if (out != stderr) std::fclose(out);
}

template <typename Function>
Function Next(const char* name) {
    void* found = dlsym(RTLD_NEXT, name);
    if (found == nullptr) {
        std::fprintf(stderr, "startup_clock: %s not found\n", name);
        std::abort();
    }
    return reinterpret_cast<Function>(found);
}

// Runs `call` and adds its time to `spent`.
template <typename Call>
auto Timed(Spent& spent, Call call) {
    const bool outermost = spent.depth++ == 0;
    struct Leave {
        Spent& spent;
        bool outermost;
        long long start;
        ~Leave() {
            --spent.depth;
            if (outermost) spent.ms += static_cast<double>(NowNs() - start) / 1e6;
        }
    } leave{spent, outermost, outermost ? NowNs() : 0};
    return call();
}

__attribute__((constructor)) void Loaded() {
    const long long now = NowNs();
    const char* t0 = std::getenv("STARTUP_T0_NS");
    g_t0 = t0 != nullptr ? std::atoll(t0) : now;
    Reach(kLoaded);
}

using Main = int (*)(int, char**, char**);
Main g_main = nullptr;

int TimedMain(int argc, char** argv, char** env) {
    Reach(kMain);
    return g_main(argc, argv, env);
}

}  // namespace

// The opaque types of the C libraries, as pointers.
using Opaque = void*;

extern "C" {

int __libc_start_main(Main main, int argc, char** argv, void (*init)(), void (*fini)(), void (*rtldFini)(),
                      void* stackEnd) {
    g_main = main;
    using Start = int (*)(Main, int, char**, void (*)(), void (*)(), void (*)(), void*);
    return Next<Start>("__libc_start_main")(TimedMain, argc, argv, init, fini, rtldFini, stackEnd);
}

// QApplication::QApplication(int&, char**, int)
void _ZN12QApplicationC1ERiPPci(Opaque self, int& argc, char** argv, int flags) {
    using Constructor = void (*)(Opaque, int&, char**, int);
    Next<Constructor>("_ZN12QApplicationC1ERiPPci")(self, argc, argv, flags);
    Reach(kToolkit);
}

// QDialog::exec()
int _ZN7QDialog4execEv(Opaque self) {
    Reach(kBuilt);
    return Next<int (*)(Opaque)>("_ZN7QDialog4execEv")(self);
}

// QComboBox::insertItem(int, const QIcon&, const QString&, const QVariant&)
void _ZN9QComboBox10insertItemEiRK5QIconRK7QStringRK8QVariant(Opaque self, int index, Opaque icon, Opaque text,
                                                              Opaque data) {
    using Insert = void (*)(Opaque, int, Opaque, Opaque, Opaque);
    static const auto next = Next<Insert>("_ZN9QComboBox10insertItemEiRK5QIconRK7QStringRK8QVariant");
    Timed(g_lists, [&] { next(self, index, icon, text, data); });
}

// QComboBox::setCurrentIndex(int)
void _ZN9QComboBox15setCurrentIndexEi(Opaque self, int index) {
    static const auto next = Next<void (*)(Opaque, int)>("_ZN9QComboBox15setCurrentIndexEi");
    Timed(g_lists, [&] { next(self, index); });
}

struct MapCookie {
    unsigned int sequence;
};

MapCookie xcb_map_window(Opaque connection, unsigned int window) {
    static const auto next = Next<MapCookie (*)(Opaque, unsigned int)>("xcb_map_window");
    const MapCookie cookie = next(connection, window);
    if (g_marks[kMapped].at < 0) {
        Reach(kMapped);
        Report();
        if (std::getenv("STARTUP_CLOCK_EXIT") != nullptr) _exit(0);
    }
    return cookie;
}

// Fonts: what the toolkit asks fontconfig (the font list, matching,
// substitution) and FreeType (opening faces, sizes, glyphs).
#define TIMED_FONT_CALL(Result, name, Parameters, Arguments)   \
    Result name Parameters {                                   \
        using Call = Result(*) Parameters;                     \
        static const auto next = Next<Call>(#name);            \
        return Timed(g_fonts, [&] { return next Arguments; }); \
    }

TIMED_FONT_CALL(int, FcInit, (), ())
TIMED_FONT_CALL(Opaque, FcInitLoadConfigAndFonts, (), ())
TIMED_FONT_CALL(Opaque, FcConfigGetCurrent, (), ())
TIMED_FONT_CALL(Opaque, FcFontList, (Opaque config, Opaque pattern, Opaque objects), (config, pattern, objects))
TIMED_FONT_CALL(Opaque, FcFontMatch, (Opaque config, Opaque pattern, Opaque result), (config, pattern, result))
TIMED_FONT_CALL(Opaque, FcFontSort, (Opaque config, Opaque pattern, int trim, Opaque charset, Opaque result),
                (config, pattern, trim, charset, result))
TIMED_FONT_CALL(int, FcConfigSubstitute, (Opaque config, Opaque pattern, int kind), (config, pattern, kind))
TIMED_FONT_CALL(void, FcDefaultSubstitute, (Opaque pattern), (pattern))
TIMED_FONT_CALL(Opaque, FcFontRenderPrepare, (Opaque config, Opaque pattern, Opaque font), (config, pattern, font))
TIMED_FONT_CALL(int, FT_Init_FreeType, (Opaque library), (library))
TIMED_FONT_CALL(int, FT_New_Face, (Opaque library, const char* path, long index, Opaque face),
                (library, path, index, face))
TIMED_FONT_CALL(int, FT_New_Memory_Face,
                (Opaque library, const unsigned char* data, long size, long index, Opaque face),
                (library, data, size, index, face))
TIMED_FONT_CALL(int, FT_Open_Face, (Opaque library, const Opaque args, long index, Opaque face),
                (library, args, index, face))
TIMED_FONT_CALL(int, FT_Set_Char_Size, (Opaque face, long width, long height, unsigned int x, unsigned int y),
                (face, width, height, x, y))
TIMED_FONT_CALL(int, FT_Load_Glyph, (Opaque face, unsigned int glyph, int flags), (face, glyph, flags))
TIMED_FONT_CALL(int, FT_Render_Glyph, (Opaque slot, int mode), (slot, mode))

}  // extern "C"
