// The access ACL is the attribute "system.posix_acl_access", copied raw like
// the others: it moves together with the permission bits, whose group bits
// are then the ACL's mask.
#include "fw/posix/attributes.h"

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "fw/posix/system_calls.h"

namespace fw::detail {
namespace {

// The attributes' names; answers 0 or the error number (ENOTSUP on a file
// system that keeps none).
int List(int fd, std::vector<std::string>* names) {
    std::string list;
    while (true) {
        const ssize_t size = Calls().flistxattr(fd, nullptr, 0);
        if (size < 0) return errno;
        if (size == 0) return 0;
        list.resize(static_cast<std::size_t>(size));
        const ssize_t got = Calls().flistxattr(fd, list.data(), list.size());
        if (got >= 0) {
            list.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE) return errno;  // ERANGE: grew meanwhile, again
    }
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = list.find('\0', at);
        if (end == std::string::npos) break;
        if (end > at) names->push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return 0;
}

std::optional<std::string> Value(int fd, const std::string& name) {
    std::string value;
    while (true) {
        const ssize_t size = Calls().fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0) return std::nullopt;
        if (size == 0) return value;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = Calls().fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return value;
        }
        if (errno != ERANGE) return std::nullopt;
    }
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& each : names) {
        if (each == name) return true;
    }
    return false;
}

}  // namespace

bool CarryExtendedAttributes(int from, int to) {
    std::vector<std::string> wanted;
    std::vector<std::string> present;
    const int fromError = List(from, &wanted);
    const int toError = List(to, &present);
    // Both files live in the same folder: only when neither can have any is
    // there nothing to carry.
    if (fromError == ENOTSUP && toError == ENOTSUP) return true;
    if (fromError != 0 || toError != 0) return false;
    for (const std::string& name : present) {
        if (!Contains(wanted, name) && Calls().fremovexattr(to, name.c_str()) != 0) return false;
    }
    for (const std::string& name : wanted) {
        const auto value = Value(from, name);
        if (!value || Calls().fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0) return false;
    }
    return true;
}

}  // namespace fw::detail
