// User variables files (*.USR): every line becomes a record or a skipped line, the message about
// skipped lines stays short, and every record written reads back to exactly the same value.
#include "engine/user_variable_file.h"
#include "fuzz_support.h"

using namespace brelt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::bytes(data, size);
    const engine::UserVariableFileContents contents = engine::parseUserVariableText(input);
    const std::string path = "/home/Brelt.USR";
    fuzz::check(engine::skippedLinesMessage(path, contents.skipped).size() <=
                    path.size() * 2 + fuzz::kMessageLimit,
                "the skipped-lines message stays short");
    for (const engine::UserVariable& record : contents.records) {
        fuzz::check(!record.name.empty() && record.name.size() <= engine::kMaxUserVariableName, "a name");
        fuzz::check(engine::reservedVariableMeaning(record.name).empty(), "no name of the calculator's own");
        std::string name;
        engine::Real value = 0;
        fuzz::check(engine::parseUserVariableLine(engine::userVariableFileLine(record), name, value),
                    "a written line reads back");
        fuzz::check(name == record.name && value == record.value, "exactly the same record");
    }
    return 0;
}
