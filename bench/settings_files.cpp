// Times opening and saving the largest settings file the program accepts (just under 1 MiB) in a
// module window, as a user does it (Ctrl+O, Ctrl+S), against a yardstick measured in the same rounds:
// for opening, bare Qt widgets (two line edits and a plain text box without wrapping) taking the same
// texts; for saving, writing the same bytes to the same disk. The file holds two fields of one long
// word each, the hardest text for the code box to lay out.
//
// Usage: ornavo-settings-bench [ROUNDS] — offscreen unless QT_QPA_PLATFORM says otherwise. Prints the
// medians in milliseconds and the median of the ratios paired within each round.

#include "framework/model/platform.h"
#include "framework/model/settings_writer.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/settings_keeper.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace ornavo;

namespace {

const char* const kModule = "F03";
const char* const kFirst = "编辑框_图片地址";
const char* const kSecond = "编辑框_链接地址";

// Says on stderr what a window would have shown in a box, and counts it: a round that needs a box is
// no clean round.
struct QuietPrompter : Prompter {
    int told = 0;
    void notify(const std::string& message) override {
        ++told;
        std::fprintf(stderr, "message: %s\n", message.c_str());
    }
    Answer ask(const std::string& question) override {
        notify(question);
        return Answer::Yes;
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// The window's settings with both fields as long as the file allows.
std::string largestFile() {
    WindowVariables vars;
    QuietPrompter prompter;
    ui::DesktopHost host;
    const ModuleSpec& module = *moduleRegistry().byKey(kModule);
    Form form(module, vars, prompter, host);
    form.pickEntry("组合框_店铺类型", "集市店铺");
    std::size_t each = kSettingsSizeLimit / 2;
    for (;; each -= 256) {
        form.setText(kFirst, "http://img.example/" + std::string(each, 'a'));
        form.setText(kSecond, "http://shop.example/" + std::string(each, 'b'));
        form.press("按钮_全屏海报一键生成");
        const std::string text = settingsText(form, moduleRegistry());
        if (fitsSettingsFile(text))
            return text;
    }
}

// Until the window has been laid out and painted.
void paint(QWidget* window) {
    QApplication::processEvents();
    window->grab();
    QApplication::processEvents();
}

double timeBareWidgets(const QString& first, const QString& second, const QString& code) {
    QElapsedTimer clock;
    clock.start();
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* a = new QLineEdit(&window);
    auto* b = new QLineEdit(&window);
    auto* box = new QPlainTextEdit(&window);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    column->addWidget(a);
    column->addWidget(b);
    column->addWidget(box);
    window.resize(885, 579);
    window.show();
    a->setText(first);
    b->setText(second);
    box->setPlainText(code);
    paint(&window);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("XDG_STATE_HOME", scratch.path().toUtf8()); // the kept texts of the rounds go here
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    const std::string text = largestFile();
    const std::string file = scratch.path().toStdString() + "/largest.ornavo";
    if (!writeFile(file, text)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }
    std::printf("file_bytes=%zu rounds=%d\n", text.size(), rounds);

    std::vector<double> open, bare, openRatio, save, write, saveRatio;
    for (int round = 0; round < rounds; ++round) {
        WindowVariables vars;
        QuietPrompter prompter;
        ui::DesktopHost host;
        ui::GeneratorWindow window(*moduleRegistry().byKey(kModule), vars, prompter, host);
        ui::SettingsKeeper keeper(window, moduleRegistry());
        window.show();
        paint(&window);

        QElapsedTimer clock;
        clock.start();
        if (!keeper.openFrom(file))
            return 1;
        paint(&window);
        open.push_back(clock.nsecsElapsed() / 1e6);

        const QString code = QString::fromStdString(window.form().code());
        bare.push_back(timeBareWidgets(QString::fromStdString(window.form().text(kFirst)),
                                       QString::fromStdString(window.form().text(kSecond)), code));
        openRatio.push_back(open.back() / bare.back());

        const std::string saved = scratch.path().toStdString() + "/saved.ornavo";
        clock.restart();
        if (!keeper.saveTo(saved))
            return 1;
        save.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        if (!writeFile(scratch.path().toStdString() + "/plain.ornavo", text))
            return 1;
        write.push_back(clock.nsecsElapsed() / 1e6);
        saveRatio.push_back(save.back() / write.back());
        // What is kept of the round stays small (and fits).
        window.form().setText(kFirst, "");
        window.form().setText(kSecond, "");
        window.form().setText(window.form().module().codeBox.name, "");
        window.done(0);
        if (prompter.told)
            return 1;
    }
    std::printf("open_ms=%.1f bare_widgets_ms=%.1f open_ratio=%.2f\n", median(open), median(bare),
                median(openRatio));
    std::printf("save_ms=%.1f plain_write_ms=%.1f save_ratio=%.2f\n", median(save), median(write),
                median(saveRatio));
    return 0;
}
