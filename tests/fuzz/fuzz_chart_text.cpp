// Chart text files: any text loads into layers (a damaged block is reported and skipped), the
// layers draw, and what was loaded saves to a text that loads again without a message and to the
// same text.
#include "chart/data/chart_loader.h"
#include "chart/data/chart_text.h"
#include "chart/data/test_graph.h"
#include "fuzz_support.h"

#include <QGuiApplication>

using namespace brelt;

namespace {

QString saved(const std::vector<std::unique_ptr<chart::TLayer>>& layers) {
    std::vector<const chart::TLayer*> pointers;
    for (const auto& layer : layers)
        pointers.push_back(layer.get());
    chart::ChartTextWriter writer;
    chart::SaveLayersToText(pointers, writer);
    return writer.text();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Drawing needs fonts, which need an application (without a display).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Both charts of the same size: a bar series takes its marker size from the bars' pixel width.
    chart::test::TestGraph graph({200, 150}, {20, 10, 160, 120});
    chart::ChartTextReader reader(fuzz::text(data, size));
    auto layers = chart::LoadLayersFromText(graph, reader);
    for (const QString& error : graph.errors)
        fuzz::check(error.size() <= static_cast<qsizetype>(fuzz::kMessageLimit),
                    "a load message stays short");
    const QString text = saved(layers);
    for (auto& layer : layers)
        graph.m_layers.push_back(std::move(layer));
    graph.drawAll();

    // A chart saved from an undamaged file reloads to the same text. A damaged block leaves a layer
    // read in part, whose derived values its next load settles: from then on the text is stable.
    chart::test::TestGraph again({200, 150}, {20, 10, 160, 120});
    chart::ChartTextReader second(text);
    const auto reloaded = chart::LoadLayersFromText(again, second);
    const QString textAgain = saved(reloaded);
    chart::test::TestGraph third({200, 150}, {20, 10, 160, 120});
    chart::ChartTextReader thirdReader(textAgain);
    const QString textThird = saved(chart::LoadLayersFromText(third, thirdReader));
    const bool stable = graph.errors.isEmpty() ? textAgain == text : textThird == textAgain;
    if (!again.errors.isEmpty() || !stable)
        std::fprintf(stderr, "saved:\n%s\nreloaded and saved again:\n%s\nmessages: %s\n", qPrintable(text),
                     qPrintable(textAgain), qPrintable(again.errors.join(QLatin1Char('|'))));
    fuzz::check(again.errors.isEmpty(), "a saved chart loads without a message");
    fuzz::check(stable, "a saved chart reloads to the same text");
    return 0;
}
