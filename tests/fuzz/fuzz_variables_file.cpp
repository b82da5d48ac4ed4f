// The predefined variables file (*.VAR): twenty lines or a refusal; what was read, written again,
// reads back to the same slots.
#include "engine/user_variable_file.h"
#include "fuzz_support.h"
#include "workspace/variables_logic.h"

using namespace brelt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    for (const std::string_view line : engine::splitLines(fuzz::bytes(data, size)))
        lines.emplace_back(line);
    std::array<engine::VariableSlot, workspace::kCalculatorVariables> loaded;
    if (!workspace::parseVariablesFile(lines, loaded)) return 0;
    engine::Engine engine;
    for (std::size_t i = 0; i < loaded.size(); ++i)
        engine.VariableSlots[i] = loaded[i];
    std::array<engine::VariableSlot, workspace::kCalculatorVariables> back;
    fuzz::check(workspace::parseVariablesFile(workspace::variablesFileLines(engine), back),
                "written file reads");
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        fuzz::check(back[i].formula == loaded[i].formula, "the same formula");
        fuzz::check(back[i].value == loaded[i].value, "the same value");
    }
    return 0;
}
