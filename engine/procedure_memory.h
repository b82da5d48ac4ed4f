#pragma once
// The "Clear All" reset of what the numeric procedures remember from their last call.
namespace brelt::engine {

class Engine;

// Forgets the previous bounds and text of min/max (so the next search starts with one panel again)
// and the standard deviation register.
void ClearProcedureMemory(Engine& engine);

} // namespace brelt::engine
