// Time per operation of the core: one solve, one number read, one number written, and one
// whole calculation click (read five fields, solve, write six) through a plain field store.
#include "calc/calculation.h"
#include "geometry/scurve.h"
#include "numtext/numtext.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using namespace tremalo;

void SolveSCurve(benchmark::State& state) {
    const auto mode = static_cast<SolveMode>(state.range(0));
    SCurve curve = defaultSCurve();
    for (auto _ : state) {
        benchmark::DoNotOptimize(solveSCurve(curve, mode));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SolveSCurve)->Arg(SolveStraight)->Arg(SolveRadius2);

void ParseNumber(benchmark::State& state) {
    const std::array<std::string, 4> texts = {"50.00", "3005.1599121094", " 7.5abc", "+Infinity"};
    const std::string& text = texts[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(parseNumber(text));
    state.SetLabel(text);
}
BENCHMARK(ParseNumber)->DenseRange(0, 3);

void FormatNumber(benchmark::State& state) {
    const int decimals = static_cast<int>(state.range(0));
    const float value = defaultSCurve().radius2;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatNumber(value, decimals));
    state.SetLabel(decimals == DefaultDecimals ? "default form" : "2 decimals");
}
BENCHMARK(FormatNumber)->Arg(2)->Arg(DefaultDecimals);

class Fields : public FieldAccess {
public:
    std::array<std::string, 6> texts{"50.00", "7.50", "1962.00", "57.50", "3005.16", "705.35"};
    std::string fieldText(Field f) const override { return texts[static_cast<int>(f)]; }
    void setFieldText(Field f, const std::string& t) override { texts[static_cast<int>(f)] = t; }
    void showMessage(const std::string&, const std::string&) override {}
};

void CalculationClick(benchmark::State& state) {
    Fields fields;
    SCurve curve = defaultSCurve();
    for (auto _ : state)
        runCalculation(curve, fields, SolveRadius2);
}
BENCHMARK(CalculationClick);

} // namespace

BENCHMARK_MAIN();
