// Routing tables: which member runs for which message, notification or
// command. A table is constant data; every handler's signature is checked
// by the compiler when the entry is made.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <type_traits>

#include "fw/types.h"

class CCmdTarget;
class CWnd;
class CDC;

namespace fw {

using Thunk = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;  // WM_COMMAND for commands and notifications
    UINT code;     // notification code (0 for menu commands)
    UINT id;       // control or command id
    Thunk thunk;
};

struct MessageMap {
    const MessageMap* base;  // the base class's table, or nullptr
    std::span<const MessageMapEntry> entries;
};

namespace detail {
template <class T>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};
template <auto F>
using ClassOf = typename MemberOf<decltype(F)>::Class;
}  // namespace detail

// A command (menu item) or a control notification, handled by a member
// `void F()` or by a free function `void F()`.
template <auto F>
constexpr MessageMapEntry OnNotify(UINT code, UINT id) {
    if constexpr (std::is_pointer_v<decltype(F)>) {
        static_assert(std::is_same_v<decltype(F), void (*)()>, "command handler must be void()");
        return {WM_COMMAND, code, id, [](CCmdTarget&, WPARAM, LPARAM) -> LRESULT {
                    F();
                    return 0;
                }};
    } else {
        using C = detail::ClassOf<F>;
        static_assert(std::is_same_v<decltype(F), void (C::*)()>, "command handler must be void()");
        return {WM_COMMAND, code, id, [](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
                    (static_cast<C&>(t).*F)();
                    return 0;
                }};
    }
}

template <auto F>
constexpr MessageMapEntry OnCommand(UINT id) {
    return OnNotify<F>(0, id);
}

// A notification that is received and deliberately does nothing.
constexpr MessageMapEntry Ignore(UINT code, UINT id) {
    return {WM_COMMAND, code, id, [](CCmdTarget&, WPARAM, LPARAM) -> LRESULT { return 0; }};
}

// void OnSysCommand(UINT nID, LPARAM lParam)
template <auto F>
constexpr MessageMapEntry OnSysCommand() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), void (C::*)(UINT, LPARAM)>, "void OnSysCommand(UINT, LPARAM)");
    return {WM_SYSCOMMAND, 0, 0, [](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
                (static_cast<C&>(t).*F)(static_cast<UINT>(w), l);
                return 0;
            }};
}

// void OnPaint()
template <auto F>
constexpr MessageMapEntry OnPaint() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), void (C::*)()>, "void OnPaint()");
    return {WM_PAINT, 0, 0, [](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
                (static_cast<C&>(t).*F)();
                return 0;
            }};
}

// HCURSOR OnQueryDragIcon()
template <auto F>
constexpr MessageMapEntry OnQueryDragIcon() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), HCURSOR (C::*)()>, "HCURSOR OnQueryDragIcon()");
    return {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
                return reinterpret_cast<LRESULT>((static_cast<C&>(t).*F)());
            }};
}

// BOOL OnHelpInfo(HELPINFO*)
template <auto F>
constexpr MessageMapEntry OnHelpInfo() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), BOOL (C::*)(HELPINFO*)>, "BOOL OnHelpInfo(HELPINFO*)");
    return {WM_HELP, 0, 0, [](CCmdTarget& t, WPARAM, LPARAM l) -> LRESULT {
                return (static_cast<C&>(t).*F)(reinterpret_cast<HELPINFO*>(l));
            }};
}

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): a static control's colour
// request, handed back to the control by its parent. No brush: the parent's
// usual colours.
LRESULT CallCtlColor(CCmdTarget& target, WPARAM hdc, LPARAM kind, HBRUSH (*call)(CCmdTarget&, CDC*, UINT));
template <auto F>
constexpr MessageMapEntry OnCtlColorReflect() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), HBRUSH (C::*)(CDC*, UINT)>, "HBRUSH CtlColor(CDC*, UINT)");
    return {WM_REFLECT_BASE + WM_CTLCOLORSTATIC, 0, 0, [](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
                return CallCtlColor(t, w, l, [](CCmdTarget& target, CDC* dc, UINT kind) {
                    return (static_cast<C&>(target).*F)(dc, kind);
                });
            }};
}

// LRESULT OnNcHitTest(CPoint screenPoint)
template <auto F>
constexpr MessageMapEntry OnNcHitTest() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), LRESULT (C::*)(CPoint)>, "LRESULT OnNcHitTest(CPoint)");
    return {WM_NCHITTEST, 0, 0, [](CCmdTarget& t, WPARAM, LPARAM l) -> LRESULT {
                const CPoint point{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
                return (static_cast<C&>(t).*F)(point);
            }};
}

// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
LRESULT CallSetCursor(CCmdTarget& target, WPARAM hwnd, LPARAM codes, BOOL (*call)(CCmdTarget&, CWnd*, UINT, UINT));
template <auto F>
constexpr MessageMapEntry OnSetCursor() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), BOOL (C::*)(CWnd*, UINT, UINT)>, "BOOL OnSetCursor(CWnd*, UINT, UINT)");
    return {WM_SETCURSOR, 0, 0, [](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
                return CallSetCursor(t, w, l, [](CCmdTarget& target, CWnd* wnd, UINT hit, UINT message) {
                    return (static_cast<C&>(target).*F)(wnd, hit, message);
                });
            }};
}

// void OnLButtonDown(UINT nFlags, CPoint clientPoint)
template <auto F>
constexpr MessageMapEntry OnLButtonDown() {
    using C = detail::ClassOf<F>;
    static_assert(std::is_same_v<decltype(F), void (C::*)(UINT, CPoint)>, "void OnLButtonDown(UINT, CPoint)");
    return {WM_LBUTTONDOWN, 0, 0, [](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
                const CPoint point{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
                (static_cast<C&>(t).*F)(static_cast<UINT>(w), point);
                return 0;
            }};
}

// True when no two entries answer the same message, code and id.
constexpr bool NoRepeatedEntries(std::span<const MessageMapEntry> entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            if (entries[i].message == entries[j].message && entries[i].code == entries[j].code &&
                entries[i].id == entries[j].id) {
                return false;
            }
        }
    }
    return true;
}

// A class's own routing table: constant entries, checked when compiled.
struct RoutingTable {
    static constexpr std::size_t kCapacity = 24;
    std::array<MessageMapEntry, kCapacity> items{};
    std::size_t count = 0;
    constexpr std::span<const MessageMapEntry> entries() const { return {items.data(), count}; }
};

// Makes a routing table from its entries, written in place:
//     const fw::RoutingTable CMyDialog::kRoutes = fw::Routes({ fw::OnCommand<...>(...), ... });
// Two entries for the same message, code and id, or more than a table
// holds, do not compile.
template <std::size_t N>
consteval RoutingTable Routes(const MessageMapEntry (&entries)[N]) {
    if (N > RoutingTable::kCapacity) throw "more routing entries than a table holds";
    if (!NoRepeatedEntries(entries)) throw "two routing entries answer the same message, code and id";
    RoutingTable table;
    for (std::size_t i = 0; i < N; ++i) table.items[i] = entries[i];
    table.count = N;
    return table;
}

// The base of a class that routes messages of its own: `Self` declares
//     static const fw::RoutingTable kRoutes;
// and defines it with fw::Routes; its table is searched before its base's.
// A class without routes of its own derives from its base directly.
template <class Self, class Base>
class Routed : public Base {
public:
    using Base::Base;

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMap map{Base::GetMessageMap(), Self::kRoutes.entries()};
        return &map;
    }
};

}  // namespace fw
