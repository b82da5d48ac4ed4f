#include "app/cli/cli_host.h"

#include "engine/engine.h"

#include <csignal>

namespace brelt::app {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;
bool g_handlerInstalled = false;

extern "C" void onInterrupt(int) {
    g_interrupted = 1;
    // The next Ctrl+C is not caught: a computation that never looks at the flag can still be ended.
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

void installInterruptHandler() {
    if (g_handlerInstalled) return;
    g_handlerInstalled = true;
    std::signal(SIGINT, onInterrupt);
}

bool interruptPending() {
    return g_interrupted != 0;
}

void clearInterrupt() {
    g_interrupted = 0;
}

void requestInterrupt() {
    g_interrupted = 1;
}

int CliHost::addUserVariable(engine::Engine& engine, const std::string& name, engine::Real value) {
    return engine.addUserVariableRecord(name, value);
}

void CliHost::processMessages() {
    if (g_interrupted != 0 && m_engine != nullptr) m_engine->BreakRequested = true;
}

bool CliHost::confirmBreak(const std::string&) {
    return true;
}

void CliHost::showMessage(const std::string& text) {
    m_messages << "brelt: " << text << '\n';
}

} // namespace brelt::app
