// libFuzzer target: any bytes as a recipe, run the way `ornavo-gen run` runs it, with the preview page
// built in memory instead of written. Besides the sanitizers' findings it stops on a broken promise:
// a recipe that fails prints nothing, and an error message quotes the recipe as harmless UTF-8.

#include "framework/preview_page.h"
#include "framework/recipe.h"
#include "generators/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream recipe(text);
    CountingSink outSink, errSink;
    std::ostream out(&outSink), err(&errSink);
    Session session;
    RecipeRunner runner(moduleRegistry(), session);
    runner.setPreviewWriter([](const std::string& code) { return std::to_string(previewPageBytes(code).size()); });
    const int status = runner.run(recipe, out, err);
    require(status == 0 || status == RecipeRunner::kRecipeError, "a status other than 0 or 2");
    require(status == 0 || outSink.count == 0, "output from a recipe that failed");

    const std::string excerpt = recipeExcerpt(text);
    require(isUtf8(excerpt), "an excerpt that is not UTF-8");
    for (const char c : excerpt)
        require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in an excerpt");
    return 0;
}
