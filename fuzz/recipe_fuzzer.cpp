// libFuzzer target: any bytes as a recipe, run the way `ornavo-gen run` runs it, with the preview page
// built in memory instead of written. An input that starts with a NUL byte is instead turned into a
// recipe of real module keys, control names, list entries and buttons with odd texts and numbers, so
// that every window's handlers and generators are reached. Besides the sanitizers' findings it stops
// on a broken promise: a recipe that fails prints nothing, and an error message quotes the recipe as
// harmless UTF-8.

#include "framework/model/preview_page.h"
#include "framework/model/recipe.h"
#include "generators/catalogue.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

using namespace ornavo;

namespace {

// Counts what it is given and keeps nothing, so long outputs cost no memory.
class CountingSink : public std::streambuf {
  public:
    std::size_t count = 0;

  protected:
    int overflow(int c) override {
        ++count;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += static_cast<std::size_t>(n);
        return n;
    }
};

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// A text for `set`: a number (plain, full-width, huge, fractional) or any bytes, escaped for the recipe.
std::string fieldText(FuzzedDataProvider& data) {
    std::string text;
    switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0:
        text = std::to_string(data.ConsumeIntegral<std::int64_t>());
        break;
    case 1:
        text = std::to_string(data.ConsumeFloatingPoint<double>());
        break;
    case 2: // full-width digits and sign, after an ideographic space
        text = "\u3000";
        for (const char c : std::to_string(data.ConsumeIntegral<std::int32_t>()))
            text += c == '-' ? std::string("\uFF0D")
                             : std::string("\xEF\xBC") + static_cast<char>(0x90 + (c - '0'));
        break;
    default:
        text = data.ConsumeRandomLengthString(80);
    }
    std::string escaped;
    for (const char c : text)
        escaped += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
    return escaped;
}

std::string structuredRecipe(FuzzedDataProvider& data) {
    const std::vector<ModuleSpec>& modules = moduleRegistry().all();
    std::vector<const Control*> controls;
    std::vector<const Button*> buttons;
    std::string recipe;
    const auto open = [&] {
        const ModuleSpec& module = modules[data.ConsumeIntegralInRange<std::size_t>(0, modules.size() - 1)];
        recipe += "open " + module.key + "\n";
        controls = allControls(module);
        buttons.clear();
        for (const PlacedButton& p : placedButtons(module))
            buttons.push_back(p.button);
    };
    open();
    while (data.remaining_bytes() > 0) {
        const Control& c = *controls[data.ConsumeIntegralInRange<std::size_t>(0, controls.size() - 1)];
        switch (data.ConsumeIntegralInRange(0, 7)) {
        case 0:
        case 1:
            if (c.kind == ControlKind::List && !c.entries.empty())
                recipe += "pick " + c.name + " " +
                          c.entries[data.ConsumeIntegralInRange<std::size_t>(0, c.entries.size() - 1)] + "\n";
            else if (c.kind == ControlKind::Radio)
                recipe += "choose " + c.name + "\n";
            else
                recipe += "set " + c.name + " " + fieldText(data) + "\n";
            break;
        case 2:
        case 3:
            if (!buttons.empty())
                recipe += "press " +
                          buttons[data.ConsumeIntegralInRange<std::size_t>(0, buttons.size() - 1)]->name +
                          "\n";
            break;
        case 4:
            recipe += data.ConsumeBool() ? "answer yes\n" : "answer no\n";
            break;
        case 5:
            recipe += data.ConsumeBool() ? "print\nclipboard\n" : "show " + c.name + "\n";
            break;
        case 6:
            recipe += "close\n";
            break;
        default:
            open();
        }
    }
    return recipe;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] == 0) {
        FuzzedDataProvider provider(data + 1, size - 1);
        text = structuredRecipe(provider);
    }
    std::istringstream recipe(text);
    CountingSink outSink, errSink;
    std::ostream out(&outSink), err(&errSink);
    Session session;
    RecipeRunner runner(moduleRegistry(), session);
    runner.setPreviewWriter(
        [](const std::string& code) { return std::to_string(previewPageBytes(code).value_or("").size()); });
    const int status = runner.run(recipe, out, err);
    require(status == 0 || status == RecipeRunner::kRecipeError, "a status other than 0 or 2");
    require(status == 0 || outSink.count == 0, "output from a recipe that failed");

    const std::string excerpt = recipeExcerpt(text);
    require(isUtf8(excerpt), "an excerpt that is not UTF-8");
    for (const char c : excerpt)
        require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in an excerpt");
    return 0;
}
