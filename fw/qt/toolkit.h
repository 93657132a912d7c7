// Starting the toolkit, for the program's start and for tests.
#pragma once

#include <QApplication>

#include <memory>

namespace fw::detail {

// Creates the application object of the toolkit, with the framework's style,
// and gives the application object its name.
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv);

}  // namespace fw::detail
