// Starting the toolkit, for the program's start and for tests.
#pragma once

#include <QApplication>

#include <functional>
#include <memory>

namespace fw::detail {

// Creates the application object of the toolkit, with the framework's style,
// and gives the application object its name.
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv);

// The modal action queue (fw/testing.h).
void QueueModalAction(std::function<void(class CDialog&)> action);

// A dialog's window created and initialised as its modal run does, and shown,
// but with no run: it stays until CloseWithoutRun (see fw/testing.h).
bool OpenWithoutRun(class CDialog& dialog);
void CloseWithoutRun(class CDialog& dialog);

}  // namespace fw::detail
