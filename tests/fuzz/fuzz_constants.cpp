// The constants catalogue (*.CON): any text gives sorted non-blank lines; finding by the beginning
// of a name finds a line that begins so, and pasting gives a text without blanks.
#include "fuzz_support.h"
#include "workspace/constants_catalogue.h"

using namespace brelt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = workspace::parseCatalogue(fuzz::text(data, size));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        fuzz::check(!lines[i].trimmed().isEmpty(), "no blank line");
        if (i > 0) fuzz::check(QString::compare(lines[i - 1], lines[i], Qt::CaseInsensitive) <= 0, "sorted");
    }
    if (lines.isEmpty()) return 0;
    const QString prefix = lines.last().left(3);
    const int found = workspace::findConstant(lines, prefix);
    fuzz::check(found >= 0 && lines[found].startsWith(prefix, Qt::CaseInsensitive),
                "the prefix finds its line");
    const QString pasted = workspace::constantPasteText(lines[found]);
    fuzz::check(!pasted.contains(QLatin1Char(' ')), "a pasted value has no blank");
    fuzz::check(!workspace::constantNotFoundText(prefix).isEmpty(), "a not-found text");
    return 0;
}
