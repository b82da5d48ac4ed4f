#pragma once
// Starts the calculator's windows and runs the event loop until the main window closes.
namespace brelt::app {
int runGui(int argc, char** argv);
}
