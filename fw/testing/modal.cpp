// Actions run inside modal windows, in the order their windows come up.
#include "fw/testing/modal.h"

#include <deque>
#include <utility>

#include "fw/dialog.h"
#include "fw/modal.h"
#include "fw/testing/input.h"
#include "fw/testing/toolkit.h"

namespace fw::testing {
namespace {

class Actions : public ModalObserver {
public:
    std::deque<std::function<void(CDialog&)>> waiting;

    void Running(CDialog& dialog) override {
        if (waiting.empty()) return;
        const auto action = std::move(waiting.front());
        waiting.pop_front();
        action(dialog);
    }
};

Actions& TheActions() {
    static Actions actions;
    return actions;
}

}  // namespace

void WhenModal(std::function<void(CDialog&)> action) {
    SetModalObserver(&TheActions());
    TheActions().waiting.push_back([action = std::move(action)](CDialog& dialog) {
        Activate(dialog.m_hWnd);
        ProcessEvents();
        action(dialog);
        // A window the action ended keeps its result: the first one stands.
        dialog.EndDialog(kEndedByTest);
    });
}

}  // namespace fw::testing
