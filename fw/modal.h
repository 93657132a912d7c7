// Watching modal runs. When a modal window is up and its run has begun, the
// framework tells the observer, if one is set; tests set one to act inside
// the run, as they set a desktop to answer in the user's place.
#pragma once

class CDialog;

namespace fw {

class ModalObserver {
public:
    virtual ~ModalObserver() = default;
    // Called from inside the run, once the window is shown.
    virtual void Running(CDialog& dialog) = 0;
};

// nullptr: none.
void SetModalObserver(ModalObserver* observer);
ModalObserver* CurrentModalObserver();

}  // namespace fw
