// The program's entry point: everything else is the framework's business.
#include "fw/app.h"

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
