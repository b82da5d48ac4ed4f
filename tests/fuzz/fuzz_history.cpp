// The history file "Brelt.HST": counts and entries in any state of damage read into two lists of
// entries of at most 255 characters, and what is written from them reads back the same.
#include "fuzz_support.h"
#include "workspace/history_file.h"

using namespace brelt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const workspace::CalcHistory history = workspace::parseHistory(fuzz::text(data, size));
    for (const QStringList* list : {&history.formulas, &history.results})
        for (const QString& entry : *list)
            fuzz::check(entry.size() <= workspace::kHistoryEntryLimit, "entries are cut to 255 characters");
    const workspace::CalcHistory back = workspace::parseHistory(workspace::historyToText(history));
    fuzz::check(back.formulas == history.formulas && back.results == history.results,
                "a written history reads back the same");
    return 0;
}
