// Which commands reach the application object when a window does not handle them.
#include <gtest/gtest.h>

#include "fw/wnd.h"
#include "tests/fw/test_app.h"

namespace {

class CHandlesOne : public fw::Routed<CHandlesOne, CWnd> {
public:
    static const fw::RoutingTable kRoutes;
    int own = 0;

private:
    void OnOwn() { ++own; }
};

constinit const fw::RoutingTable CHandlesOne::kRoutes = fw::Routes({
    fw::OnCommand<&CHandlesOne::OnOwn>(0xEFFF),
});

// Routes nothing of its own: its base's table answers.
class CHandlesNone : public CHandlesOne {};

// Its own table first, then its base's.
class CHandlesTwo : public fw::Routed<CHandlesTwo, CHandlesOne> {
public:
    static const fw::RoutingTable kRoutes;
    int second = 0;

private:
    void OnSecond() { ++second; }
};

constinit const fw::RoutingTable CHandlesTwo::kRoutes = fw::Routes({
    fw::OnCommand<&CHandlesTwo::OnSecond>(0xEFFE),
});

}  // namespace

TEST(Routing, OnlyMenuCommandsInTheCommandRangeTravelToTheApplication) {
    struct Row {
        const char* name;
        UINT id;
        UINT code;
        const char* ranInApp;  // nullptr: nobody
    };
    const Row rows[] = {
        {"lowest command id", 0x8000, 0, "lowest"},
        {"code -1 travels too", 0x8001, 0xFFFF, "update"},
        {"a control notification stays", 0x8002, EN_CHANGE, nullptr},
        {"below the range", 0x7FFF, 0, nullptr},
        {"above the range", 0xF000, 0, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CHandlesOne window;
        theTestApp.ran.clear();
        const BOOL handled = window.OnCmdMsg(row.id, row.code);
        EXPECT_EQ(handled, row.ranInApp != nullptr ? TRUE : FALSE);
        EXPECT_EQ(theTestApp.ran, row.ranInApp ? std::vector<std::string>{row.ranInApp} : std::vector<std::string>{});
        EXPECT_EQ(window.own, 0);
    }
}

TEST(Routing, TheWindowsOwnTableComesFirst) {
    CHandlesOne window;
    theTestApp.ran.clear();
    EXPECT_TRUE(window.OnCmdMsg(0xEFFF, 0));
    EXPECT_EQ(window.own, 1);
    EXPECT_TRUE(theTestApp.ran.empty());
}

TEST(Routing, AClassWithoutRoutesUsesItsBasesAndADerivedTableChainsToItsBase) {
    theTestApp.ran.clear();
    CHandlesNone none;
    EXPECT_TRUE(none.OnCmdMsg(0xEFFF, 0));
    EXPECT_EQ(none.own, 1);

    CHandlesTwo two;
    EXPECT_TRUE(two.OnCmdMsg(0xEFFE, 0));
    EXPECT_TRUE(two.OnCmdMsg(0xEFFF, 0));
    EXPECT_EQ(two.second, 1);
    EXPECT_EQ(two.own, 1);
    // Past both tables: the application.
    EXPECT_TRUE(two.OnCmdMsg(0x8000, 0));
    EXPECT_EQ(theTestApp.ran, std::vector<std::string>{"lowest"});
}

// A table that answers one notification twice is caught when it compiles
// (fw::Routes refuses it).
constexpr std::array<fw::MessageMapEntry, 2> kRepeated = {fw::Ignore(EN_CHANGE, 7), fw::Ignore(EN_CHANGE, 7)};
constexpr std::array<fw::MessageMapEntry, 2> kDistinct = {fw::Ignore(EN_CHANGE, 7), fw::Ignore(BN_CLICKED, 7)};
static_assert(!fw::NoRepeatedEntries(kRepeated));
static_assert(fw::NoRepeatedEntries(kDistinct));
