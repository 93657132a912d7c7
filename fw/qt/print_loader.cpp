// Opening the print module on demand.
#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "fw/qt/print_support.h"

namespace fw::detail {

PrintSupport* LoadPrintSupport(std::string* why) {
    static PrintSupport* loaded = nullptr;
    if (loaded != nullptr) return loaded;

    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        *why = "cannot find the program's folder: " + error.message();
        return nullptr;
    }
    const std::filesystem::path folder = program.parent_path();
    const std::filesystem::path candidates[] = {
        folder / kPrintModuleFile,
        (folder / KALVEX_MODULE_DIR / kPrintModuleFile).lexically_normal(),
    };
    *why = "cannot find " + candidates[1].string();
    for (const std::filesystem::path& candidate : candidates) {
        if (::access(candidate.c_str(), F_OK) != 0) continue;
        void* module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* message = ::dlerror();
            *why = message != nullptr ? message : "cannot open " + candidate.string();
            return nullptr;
        }
        const auto entry = reinterpret_cast<PrintSupportEntry>(::dlsym(module, kPrintSupportEntry));
        if (entry == nullptr) {
            *why = candidate.string() + " has no " + kPrintSupportEntry;
            ::dlclose(module);
            return nullptr;
        }
        loaded = entry();  // the module stays open: its objects live until the end
        return loaded;
    }
    return nullptr;
}

}  // namespace fw::detail
