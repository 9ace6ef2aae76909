// Scanning and reading speed of data files the size of a large level.
#include "formats/settings.h"
#include "xml/load_xml_file.h"

#include <benchmark/benchmark.h>

namespace {

// A level-like file: a few hundred elements with attributes and text.
std::string levelLikeText()
{
    std::string text = "<?xml version=\"1.0\"?>\n<Level>\n  <LevelImage>data/levels/level1.png</LevelImage>\n";
    for (int i = 0; i < 200; ++i) {
        text += "  <Message text=\"Shred &quot;them&quot; all\" x=\"" + std::to_string(i) +
                "\" y=\"40\" frames=\"12\">\n    <Rect x=\"1\" y=\"2\" w=\"30\" h=\"40\"/>\n  </Message>\n";
    }
    return text + "</Level>\n";
}

void scanLevelSizedFile(benchmark::State &state)
{
    const std::string text = levelLikeText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(scanXmlText(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(scanLevelSizedFile);

// A hostile tag: one long word followed by many ` ="1"`, the kind of input
// that makes a careless scanner rescan the word on every attribute. The
// reported complexity must stay linear.
void scanHostileTag(benchmark::State &state)
{
    const auto rounds = static_cast<std::size_t>(state.range(0));
    std::string text = "<" + std::string(rounds, 'w');
    for (std::size_t i = 0; i < rounds; ++i) {
        text += " =\"1\"";
    }
    text += ">";
    for (auto _ : state) {
        benchmark::DoNotOptimize(scanXmlText(text));
    }
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}
BENCHMARK(scanHostileTag)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

void readSettingsFile(benchmark::State &state)
{
    const std::string text = "<?xml version=\"1.0\"?>\n<GorlakSettings>\n  <Fullscreen>0</Fullscreen>\n"
                             "  <Width>256</Width>\n  <Height>192</Height>\n  <PixelSize>4</PixelSize>\n"
                             "</GorlakSettings>\n";
    for (auto _ : state) {
        Settings settings;
        benchmark::DoNotOptimize(loadXmlText(settings, text, "GorlakSettings"));
    }
}
BENCHMARK(readSettingsFile);

}  // namespace
