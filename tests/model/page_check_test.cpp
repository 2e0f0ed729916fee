// The page's copies and the check: repeated kinds get names of their own, reversibly and the same
// way every time, while a module that appears once (and the first of each kind) keeps its window's
// code; the check finds each kind of clash where it is; weights count what the marketplace stores.

#include "support/page_support.h"

#include "framework/model/constants.h"
#include "framework/model/page_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

std::set<std::string> everyName(const std::string& code) {
    const PageNames n = namesIn(code);
    std::set<std::string> all;
    for (const auto* list : {&n.popupClasses, &n.elementIds, &n.widgetNumbers})
        for (const std::string& name : *list)
            all.insert(name);
    return all;
}

bool disjoint(const std::set<std::string>& a, const std::set<std::string>& b) {
    return std::none_of(a.begin(), a.end(), [&](const std::string& x) { return b.count(x) > 0; });
}

// The findings, as "module severity" with the English text, for messages of failed expectations.
std::string listed(const std::vector<PageFinding>& findings) {
    std::string out;
    for (const PageFinding& f : findings)
        out += std::to_string(f.module) + " " + severityWord(f.severity) + ": " + f.english + "\n";
    return out;
}

} // namespace

// The pop-up kinds are the modules whose triggers the widget library finds by class across the page.
TEST(PageNames, PopupKindsAreTheModulesWithPageWideTriggers) {
    EXPECT_EQ(popupKinds(),
              (std::vector<std::string>{"F01", "F02", "F05", "F15", "F16", "F24", "F31", "F32", "F33"}));
    const std::string f20 = runRecipe(settingsOf("F20")).out;
    const PageNames n = namesIn(f20);
    EXPECT_EQ(n.widgetNumbers, (std::vector<std::string>{"600731806"}));
    EXPECT_TRUE(n.elementIds.empty()) << "shop600731806 goes with its number";
    const PageNames f15 = namesIn(runRecipe(settingsOf("F15")).out);
    EXPECT_EQ(f15.popupClasses.size(), 9u);
    EXPECT_EQ(f15.popupClasses.front(), "zfm01lpmb033923339231");
}

// Two of a kind, for every window: the first keeps its code byte for byte, the second gets names of
// its own wherever it would repeat the first's; undoing the renaming gives the window's code back; a
// third gets names different from both; the same page renames the same way every time.
TEST(PageRenaming, RepeatedKindsGetNamesOfTheirOwnReversibly) {
    for (const ModuleSpec& module : registry().all()) {
        SCOPED_TRACE(module.key);
        if (areasFor(module.key).front() == PageArea::Navigation)
            continue; // style sheets: no markup names
        const Page page = pageOf({module.key, module.key, module.key});
        const std::vector<RenderedModule> modules = render(page);
        ASSERT_EQ(modules.size(), 3u);
        EXPECT_EQ(modules[0].pageCode, modules[0].windowCode);
        EXPECT_TRUE(modules[0].renaming.empty());
        const std::set<std::string> names = everyName(modules[0].windowCode);
        if (names.empty()) {
            EXPECT_EQ(modules[1].pageCode, modules[1].windowCode);
            continue;
        }
        for (std::size_t k = 1; k < 3; ++k) {
            EXPECT_EQ(modules[k].renaming.size(), names.size());
            EXPECT_NE(modules[k].pageCode, modules[k].windowCode);
            EXPECT_EQ(revertRenaming(modules[k].pageCode, modules[k].renaming), modules[k].windowCode);
            EXPECT_TRUE(disjoint(everyName(modules[k].pageCode), names));
            EXPECT_EQ(
                modules[k].pageCode.size(), modules[k].windowCode.size() +
                                                [&] {
                                                    std::size_t grown = 0;
                                                    for (const Rename& r : modules[k].renaming)
                                                        grown += (r.to.size() - r.from.size()) *
                                                                 (countOf(modules[k].pageCode, r.to) -
                                                                  countOf(modules[k].windowCode, r.to));
                                                    return grown;
                                                }())
                << "only the names changed";
        }
        EXPECT_TRUE(disjoint(everyName(modules[1].pageCode), everyName(modules[2].pageCode)));
        const std::vector<RenderedModule> again = render(page);
        EXPECT_EQ(again[1].pageCode, modules[1].pageCode);
        EXPECT_EQ(again[2].renaming, modules[2].renaming);
    }
}

// A page of one module of every kind renames nothing; nor does a kind whose earlier copy is hidden;
// different kinds that repeat each other's numbers keep them (the check names them instead).
TEST(PageRenaming, ModulesThatAppearOnceKeepTheirWindowsCode) {
    std::vector<std::string> keys;
    for (const ModuleSpec& module : registry().all())
        keys.push_back(module.key);
    const Page page = pageOf(keys);
    const std::vector<RenderedModule> modules = render(page);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        EXPECT_EQ(modules[i].pageCode, modules[i].windowCode) << keys[i];
        EXPECT_TRUE(modules[i].renaming.empty()) << keys[i];
    }

    Page hiddenFirst = pageOf({"F15", "F15"});
    ASSERT_TRUE(setModuleHidden(hiddenFirst, 0, true));
    EXPECT_TRUE(render(hiddenFirst)[1].renaming.empty());

    // F01's classes follow its width: two posters of different widths do not clash at all.
    Page widths;
    ASSERT_TRUE(insertModule(widths, 0, embeddedModule(description("F01"), settingsOf("F01"))));
    ASSERT_TRUE(insertModule(widths, 1, embeddedModule(description("F01"), settingsOf("F01", [](Form& f) {
                                                           f.setText("编辑框_大图尺寸宽", "1440");
                                                       }))));
    const std::vector<RenderedModule> twoWidths = render(widths);
    ASSERT_EQ(namesIn(twoWidths[1].windowCode).popupClasses, (std::vector<std::string>{"ux1440"}));
    const std::vector<Rename> renamed = twoWidths[1].renaming;
    EXPECT_TRUE(std::none_of(renamed.begin(), renamed.end(),
                             [](const Rename& r) { return r.kind == NameKind::PopupClass; }));
}

// Renaming reaches every place a name stands and nothing else: class lists, selectors in widget
// configurations and style sheets (not addresses), ids and links to them, module numbers.
TEST(PageRenaming, ReachesEveryPlaceANameStandsAndNothingElse) {
    const std::string markup =
        "<div class=\"a pop b\" id=\"box\" data-widgetid=\"123\" data-spm=\"110.0.5003-123\" "
        "microscope-data='5003-123' data-id=123><!-- cacheKey=i-123-8 -->"
        "<style>.pop{background:url(http://img.pop.com/x.pop.png)} #box .pop{}</style>"
        "<a href=\"#box\" title=\"pop box 123\">pop</a><img src=\"http://x/pop.jpg\">"
        "<div class=\"J_TWidget\" data-widget-type=\"Popup\" data-widget-config=\"{'trigger':'.pop', "
        "'align':{'node':'#box', 'offset':[0,0]}}\"></div><span id=\"shop123\"></span></div>";
    const PageNames names = namesIn(markup);
    EXPECT_EQ(names.popupClasses, (std::vector<std::string>{"pop"}));
    EXPECT_EQ(names.elementIds, (std::vector<std::string>{"box"}));
    EXPECT_EQ(names.widgetNumbers, (std::vector<std::string>{"123"}));
    const Renaming renaming = {{NameKind::PopupClass, "pop", "pop-2"},
                               {NameKind::ElementId, "box", "box-2"},
                               {NameKind::WidgetNumber, "123", "1232"}};
    const std::string renamed = applyRenaming(markup, renaming);
    EXPECT_EQ(renamed,
              "<div class=\"a pop-2 b\" id=\"box-2\" data-widgetid=\"1232\" data-spm=\"110.0.5003-1232\" "
              "microscope-data='5003-1232' data-id=1232><!-- cacheKey=i-1232-8 -->"
              "<style>.pop-2{background:url(http://img.pop.com/x.pop.png)} #box-2 .pop-2{}</style>"
              "<a href=\"#box-2\" title=\"pop box 123\">pop</a><img src=\"http://x/pop.jpg\">"
              "<div class=\"J_TWidget\" data-widget-type=\"Popup\" data-widget-config=\"{'trigger':'.pop-2', "
              "'align':{'node':'#box-2', 'offset':[0,0]}}\"></div><span id=\"shop1232\"></span></div>");
    EXPECT_EQ(revertRenaming(renamed, renaming), markup);
}

// Each kind of clash, found on the module it concerns, with its severity; pages without one have no
// error.
TEST(PageCheck, FindsEachClashWhereItIs) {
    const std::string unfinished = "open F06\npress 按钮_F06一键生成\nprint\n";
    const std::string finished = "open F06\nchoose 单选框_平铺\npress 按钮_F06一键生成\nprint\n";
    const std::string empty = "open F03\nprint\n";
    struct Expect {
        int module;
        Severity severity;
        std::string english;
    };
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> modules; // key and settings ("" for defaults)
        PageEdition edition;
        std::vector<Expect> findings;
    };
    const std::string basicF19 = "open F19\npress 按钮_F19基础版代码\nprint\n";
    const Case cases[] = {
        {"an unfinished background before a navigation style",
         {{"F06", unfinished}, {"F07", ""}},
         PageEdition::Professional,
         {{0, Severity::Error,
           "the navigation style is unfinished (1 \"(\", 1 \"{\" still open at its end): it "
           "swallows module 2"},
          {1, Severity::Warning, "it restyles the module frame"}}},
        {"an unfinished background last",
         {{"F06", unfinished}},
         PageEdition::Professional,
         {{0, Severity::Warning, "any style pasted after it is swallowed"}}},
        {"a finished background", {{"F06", finished}, {"F06", finished}}, PageEdition::Professional, {}},
        {"two navigation bar styles",
         {{"F08", ""}, {"F03", ""}, {"F07", ""}},
         PageEdition::Professional,
         {{0, Severity::Warning, "restyles the module frame"},
          {2, Severity::Error, "restyles the navigation bar as module 1 (F08"},
          {2, Severity::Warning, "restyles the module frame"}}},
        {"two of a pop-up kind",
         {{"F15", ""}, {"F15", ""}},
         PageEdition::Professional,
         {{1, Severity::Note,
           "its code on this page uses names of its own (9: zfm01lpmb033923339231 → "
           "zfm01lpmb033923339231-2"}}},
        {"two kinds with the same module numbers",
         {{"F28", ""}, {"F29", ""}},
         PageEdition::Professional,
         {{0, Severity::Warning, "4 </div> more closed than opened"},
          {1, Severity::Warning,
           "uses the same module numbers as module 1 (F28 广告图轮播-圆点导航轮播) (503353748, "
           "658350553): the page finds the first one only"},
          {1, Severity::Warning, "4 </div> more closed than opened"}}},
        {"markup that does not close what it opens",
         {{"F30", ""}, {"F10", ""}},
         PageEdition::Professional,
         {{0, Severity::Warning, "(3 <li> more opened than closed, 1 </td> more closed than opened)"},
          {1, Severity::Warning,
           "(1 <div> more opened than closed, 1 <table> more opened than closed, 1 <tbody> "
           "more opened than closed, 1 <tr> more opened than closed)"}}},
        {"two shop signs",
         {{"F09", ""}, {"F09", ""}},
         PageEdition::Professional,
         {{1, Severity::Error, "a shop has one sign, and module 1"}}},
        {"a hidden module is not on the page",
         {{"F06", unfinished}, {"F07", ""}},
         PageEdition::Professional,
         {{1, Severity::Warning, "restyles the module frame"}}},
        {"a module without code",
         {{"F03", empty}},
         PageEdition::Professional,
         {{0, Severity::Warning, "no code"}}},
        {"editions",
         {{"F03", ""}, {"F19", ""}, {"F15", ""}},
         PageEdition::Basic,
         {{0, Severity::Warning, "the basic-edition catalogue does not offer this module"},
          {1, Severity::Warning, "this is professional-edition code"}}},
        {"basic code on a professional page",
         {{"F19", basicF19}},
         PageEdition::Professional,
         {{0, Severity::Warning, "this is basic-edition code"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Page page;
        page.edition = c.edition;
        for (const auto& [key, settings] : c.modules)
            ASSERT_TRUE(insertModule(
                page, page.modules.size(),
                embeddedModule(description(key), settings.empty() ? settingsOf(key) : settings)));
        if (std::string(c.what).find("hidden") != std::string::npos) {
            ASSERT_TRUE(setModuleHidden(page, 0, true));
        }
        const std::vector<PageFinding> findings = checkPage(page, render(page));
        ASSERT_EQ(findings.size(), c.findings.size()) << listed(findings);
        for (std::size_t k = 0; k < findings.size(); ++k) {
            EXPECT_EQ(findings[k].module, c.findings[k].module) << listed(findings);
            EXPECT_EQ(findings[k].severity, c.findings[k].severity) << listed(findings);
            EXPECT_NE(findings[k].english.find(c.findings[k].english), std::string::npos) << listed(findings);
            EXPECT_FALSE(findings[k].chinese.empty());
        }
        const bool errors = std::any_of(c.findings.begin(), c.findings.end(),
                                        [](const Expect& e) { return e.severity == Severity::Error; });
        EXPECT_EQ(hasErrors(findings), errors);
    }
}

// A finding read from a file names the page line of its module.
TEST(PageCheck, FindingsNameTheModulesLine) {
    const Page built = pageOf({"F03", "F24"});
    PageResult<Page> page = parsePage(pageText(built), registry());
    ASSERT_TRUE(page);
    const std::vector<PageFinding> findings = checkPage(*page, render(*page));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].line, page->modules[1].line);
    EXPECT_EQ(findings[0].chinese.rfind(
                  "模块 2（F24 宝贝特效展示-四格放大镜）：标记没有闭合好（</div> 多关了 1 个）", 0),
              0u)
        << findings[0].chinese;
}

// Style sheets: what stays open at the end, and which rules style every module's frame.
TEST(PageCheck, StyleSheetsEndsAndFrames) {
    EXPECT_FALSE(styleEnd("a{b:url(x)}c{d:'}'}").unfinished());
    EXPECT_EQ(styleEnd("body{background-image:url(x.jpg").parentheses, 1);
    EXPECT_EQ(styleEnd("body{background-image:url(x.jpg").blocks, 1);
    EXPECT_TRUE(styleEnd("a{} /* left open").comment);
    EXPECT_TRUE(styleEnd("a{content:'x").string);
    EXPECT_FALSE(styleEnd("a{content:'x'}/* (}{ */").unfinished());
    EXPECT_TRUE(restylesModuleFrames(".skin-box-bd{background:red}"));
    EXPECT_TRUE(restylesModuleFrames(".menu a, #hd .tb-module{x:y}"));
    EXPECT_FALSE(restylesModuleFrames(".skin-box-bd .menu-list{x:y}.all-cats .link{}"));
    EXPECT_FALSE(restylesModuleFrames("/* .skin-box-bd{} */ .menu{}"));
    EXPECT_FALSE(restylesModuleFrames(runRecipe(settingsOf("F06")).out));
}

// Weight: bytes as GBK stores them (a character GBK lacks as its numeric reference), distinct picture
// addresses without the placeholder, widgets.
TEST(PageWeight, CountsWhatTheMarketplaceStores) {
    const std::string code = "<div class=\"J_TWidget\" style=\"background:url(a.png) no-repeat\">中"
                             "<img src=\"" +
                             placeholderGif() +
                             "\" data-ks-lazyload=\"b.jpg\"><img src=\"b.jpg\">"
                             "<div class=\"x J_TWidget\">😀</div><div class=\"J_TWidgetx\"></div></div>";
    const PageWeight w = weighCode(code);
    EXPECT_EQ(w.widgets, 2u);
    EXPECT_EQ(w.pictures, 2u);
    EXPECT_EQ(w.bytes, code.size() - 3 + 2 - 4 + std::string("&#128512;").size());
    EXPECT_EQ(weighCode("body{background-image:url(c.jpg);}").pictures, 1u);

    const Page page = pageOf({"F15", "F15", "F07"});
    const std::vector<RenderedModule> modules = render(page);
    const PageWeight f15 = weighCode(modules[0].pageCode);
    EXPECT_EQ(f15.pictures, 18u);
    EXPECT_EQ(f15.widgets, 11u);
    PageWeight sum = f15;
    sum += weighCode(modules[1].pageCode);
    sum += weighCode(modules[2].pageCode);
    const PageWeight total = weighPage(page, modules);
    EXPECT_EQ(total.bytes, sum.bytes);
    EXPECT_EQ(total.widgets, 22u);
    EXPECT_EQ(total.pictures, sum.pictures);
}
