#include "fw/modal.h"

namespace fw {
namespace {
ModalObserver* g_observer = nullptr;
}

void SetModalObserver(ModalObserver* observer) { g_observer = observer; }
ModalObserver* CurrentModalObserver() { return g_observer; }

}  // namespace fw
