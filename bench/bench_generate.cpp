// Times the generate action of every registered module with its default texts.

#include "framework/form.h"
#include "generators/catalogue.h"

#include <benchmark/benchmark.h>

using namespace ornavo;

namespace {
struct Quiet : Prompter, WindowHost {
    void notify(const std::string&) override {}
    Answer ask(const std::string&) override { return Answer::Yes; }
    void putOnClipboard(const std::string&) override {}
    void showPreview(const std::string&) override {}
    void openColourTable() override {}
};

void generateModule(benchmark::State& state, const ModuleSpec* module) {
    Quiet quiet;
    WindowVariables vars;
    Form form(*module, vars, quiet, quiet);
    const Button* generate = nullptr;
    for (const Button& b : module->buttons)
        if (b.action == Action::Generate && !generate)
            generate = &b;
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
        benchmark::RegisterBenchmark(("generate/" + m.key).c_str(), generateModule, &m);
    return true;
}();
} // namespace

BENCHMARK_MAIN();
