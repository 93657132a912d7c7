// The application object and resources of the framework's own test program.
#include "tests/fw/test_app.h"

#include <array>

#include "fw/resources.h"

const fw::MessageMap* CTestApp::GetThisMessageMap() {
    static constexpr auto kEntries = std::to_array<fw::MessageMapEntry>({
        fw::OnCommand<&CTestApp::OnLowest>(0x8000),
        fw::OnCommand<&CTestApp::OnHighest>(0xEFFF),
        fw::OnCommand<&CTestApp::OnBelow>(0x7FFF),
        fw::OnCommand<&CTestApp::OnAbove>(0xF000),
        fw::OnNotify<&CTestApp::OnUpdate>(0xFFFF, 0x8001),
        fw::OnNotify<&CTestApp::OnChange>(EN_CHANGE, 0x8002),
    });
    static_assert(fw::NoRepeatedEntries(kEntries));
    static constexpr fw::MessageMap kMap{&CWinApp::GetThisMessageMap, kEntries};
    return &kMap;
}

CTestApp theTestApp;

const fw::ResourceTable& fw::ProgramResources() {
    static constexpr ResourceTable kTable{};
    return kTable;
}
