#pragma once
// The engine's host when there is no window. Nothing prompts: a variable without a value is a
// cancelled request ("User break"), a new user variable is added as the window would add it, and
// Ctrl+C (SIGINT) requests a break that is confirmed at once, so a runaway computation ends with
// "User break" instead of killing the program. A second Ctrl+C ends the program the usual way.
#include "engine/host.h"

#include <ostream>

namespace brelt::app {

class CliHost : public engine::EngineHost {
public:
    explicit CliHost(std::ostream& messages) : m_messages(messages) {}
    // The engine whose break flag a Ctrl+C raises.
    void attach(engine::Engine& engine) { m_engine = &engine; }

    int addUserVariable(engine::Engine& engine, const std::string& name, engine::Real value) override;
    void processMessages() override;
    bool confirmBreak(const std::string& question) override;
    void showMessage(const std::string& text) override;

private:
    std::ostream& m_messages;
    engine::Engine* m_engine = nullptr;
};

// Installs the SIGINT handler that requests a break (once; later calls do nothing).
void installInterruptHandler();
// True when Ctrl+C was pressed and not yet taken.
bool interruptPending();
// Forgets a pending Ctrl+C. Tests call requestInterrupt() to act as if one was pressed.
void clearInterrupt();
void requestInterrupt();

} // namespace brelt::app
