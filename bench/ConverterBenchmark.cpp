// The cost of one conversion and of one fuel pick, each with the redraw it
// causes, in the running program: started up as main does, the converter
// window open and active, 43 in MPG-US with the focus there.
//   ConverterBenchmark [Google Benchmark options]   (on a real X display)
#include "app/IktoSI.h"
#include "app/Startup.h"
#include "converter/Window1.h"
#include "support/Widgets.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
using FieldAccessor = TextField* (Window1::*)() const;

// What CalcEff writes from MPG-US.
constexpr std::array<FieldAccessor, 5> kConvertedFields { &Window1::txtMPGUK, &Window1::txtL100km, &Window1::txtkmL,
    &Window1::txtWhkm, &Window1::txtWhMileUS };

std::shared_ptr<class Window1> converter;

bool StartProgram()
{
    RuntimeInit();
    _Initialize();
    _SetApplicationExecutablePath(std::string(IKTO_BUNDLE_DIR) + "/bin/ikto-si");
    _RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    converter = Window1();
    if (!converter || !converter->txtMPGUS() || !Widgets::Activate(*converter))
        return false;
    Widgets::Focus(converter->txtMPGUS());
    Widgets::Type(converter->txtMPGUS(), "43");
    RuntimeProcessEvents();
    App()->CalcEff();
    RuntimeProcessEvents();
    // A run that converts nothing would time nothing.
    return converter->Focus() == converter->txtMPGUS() && !converter->txtMPGUK()->Text().empty();
}

double SecondsFor(void (*work)())
{
    const auto start = Clock::now();
    work();
    // The redraw: the fields' repaints and the flush to the display.
    RuntimeProcessEvents();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void CalcEffWithRedraw(benchmark::State& state)
{
    for (auto _ : state) {
        // Blank results, so that every conversion writes and repaints all five.
        for (FieldAccessor field : kConvertedFields)
            (converter.get()->*field)()->SetText("");
        RuntimeProcessEvents();
        state.SetIterationTime(SecondsFor([] { App()->CalcEff(); }));
    }
}

void FuelChoiceWithRedraw(benchmark::State& state)
{
    PopupMenu* menu = converter->comboMotive();
    // A plain fuel and a gasoline-equivalent one in turn: each pick changes
    // the fuel name, the unit wording, the energy figures and the conversion.
    const std::array<std::string, 2> fuels { "Summer Diesel", "Full Electric" };
    std::array<int, 2> rows {};
    for (std::size_t i = 0; i < fuels.size(); ++i)
        for (int row = 0; row < menu->ListCount(); ++row)
            if (menu->List(row) == fuels[i])
                rows[i] = row;
    std::size_t next = 0;
    for (auto _ : state) {
        menu->SetListIndex(rows[next++ % rows.size()]);
        RuntimeProcessEvents();
        state.SetIterationTime(SecondsFor([] { App()->FuelChoice(); }));
    }
}

BENCHMARK(CalcEffWithRedraw)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(FuelChoiceWithRedraw)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!StartProgram()) {
        std::fprintf(stderr, "The converter window did not open active with 43 in MPG-US converted.\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    converter.reset();
    _Finalize();
    return RuntimeExit();
}
