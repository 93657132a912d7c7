// The seam between the file code and the system: the calls that a
// platform's file code makes are a table of function pointers (its
// SystemCalls, fw/posix/system_calls.h or fw/win32/system_calls.h), the real
// calls unless a test or a fuzz target replaced some of them to make them
// fail or to watch them. A platform's header includes this one after its
// table. Not for the program's use.
#pragma once

namespace fw::detail {

// The real calls.
const SystemCalls& RealCalls();

// The calls in use.
inline SystemCalls& Calls() {
    static SystemCalls calls = RealCalls();
    return calls;
}

// Replaces calls for the life of this object; the ones in use before come
// back at its end.
class ScopedSystemCalls {
public:
    explicit ScopedSystemCalls(const SystemCalls& calls) : m_previous(Calls()) { Calls() = calls; }
    ~ScopedSystemCalls() { Calls() = m_previous; }
    ScopedSystemCalls(const ScopedSystemCalls&) = delete;
    ScopedSystemCalls& operator=(const ScopedSystemCalls&) = delete;

private:
    SystemCalls m_previous;
};

}  // namespace fw::detail
