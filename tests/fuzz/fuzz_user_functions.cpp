// User functions files (*.FNC): any text loads into declarations up to the first refused line, the
// refusal is one short message, and every function loaded is one a call can reach (its name is
// no name the calculator reads as its own) with a body that substitutes its arguments.
#include "engine/user_functions.h"
#include "fuzz_support.h"

using namespace brelt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::TUserFunctions functions;
    int messages = 0;
    functions.setMessageSink([&messages](const std::string& text) {
        ++messages;
        fuzz::check(text.size() <= fuzz::kMessageLimit, "a refusal stays short");
    });
    functions.LoadFromText("fuzz.FNC", fuzz::bytes(data, size));
    fuzz::check(messages <= 1, "the first refusal ends the loading");
    for (int i = 0; i < functions.Count(); ++i) {
        engine::TUserFunc& function = functions.Items(i);
        fuzz::check(function.Valid(), "only valid declarations are kept");
        if (function.IsComment()) continue;
        fuzz::check(function.NameClash().empty() && !function.BadName(), "a name a call reaches");
        fuzz::check(functions.Find(function.Name().substr(0, 21)) >= 0, "found by its name");
        function.Prepare();
        fuzz::check(function.Valid(), "preparing again keeps it valid");
        std::vector<std::string> arguments;
        for (int k = 0; k < function.ParameterCount(); ++k)
            arguments.push_back("(" + std::to_string(k) + ")");
        const std::string body = function.Substitute(arguments);
        for (const char c : body)
            fuzz::check(static_cast<unsigned char>(c) >= 0x20, "no placeholder left in a substituted body");
    }
    return 0;
}
