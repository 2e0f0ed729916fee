// Times every generate button of every registered module with its default texts.

#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <benchmark/benchmark.h>

using namespace ornavo;

namespace {
void generateModule(benchmark::State& state, const ModuleSpec* module, const Button* generate) {
    Unattended quiet;
    WindowVariables vars;
    Form form(*module, vars, quiet, quiet);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string code = generate->generate(form);
        bytes += code.size();
        benchmark::DoNotOptimize(code);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

const bool registered = [] {
    for (const ModuleSpec& m : moduleRegistry().all())
        for (const Button* b : allButtons(m))
            if (b->action == Action::Generate)
                benchmark::RegisterBenchmark(("generate/" + m.key + "/" + b->name).c_str(), generateModule,
                                             &m, b);
    return true;
}();
} // namespace

BENCHMARK_MAIN();
