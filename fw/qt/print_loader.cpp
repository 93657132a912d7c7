// Opening the print module on demand.
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <string>

#include "fw/qt/print_support.h"

namespace fw::detail {

PrintSupport* LoadPrintSupport(std::string* why) {
    static PrintSupport* loaded = nullptr;
    if (loaded != nullptr) return loaded;

    char program[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", program, sizeof program);
    if (length <= 0 || length == static_cast<ssize_t>(sizeof program)) {
        *why = "cannot find the program's folder";
        return nullptr;
    }
    const std::string path(program, static_cast<std::size_t>(length));
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    const std::string candidates[] = {
        folder + kPrintModuleFile,
        folder + KALVEX_MODULE_DIR + "/" + kPrintModuleFile,
    };
    *why = "cannot find " + candidates[1];
    for (const std::string& candidate : candidates) {
        if (::access(candidate.c_str(), F_OK) != 0) continue;
        void* module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* message = ::dlerror();
            *why = message != nullptr ? message : "cannot open " + candidate;
            return nullptr;
        }
        const auto entry = reinterpret_cast<PrintSupportEntry>(::dlsym(module, kPrintSupportEntry));
        if (entry == nullptr) {
            *why = candidate + " has no " + kPrintSupportEntry;
            ::dlclose(module);
            return nullptr;
        }
        loaded = entry();  // the module stays open: its objects live until the end
        return loaded;
    }
    return nullptr;
}

}  // namespace fw::detail
