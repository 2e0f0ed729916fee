#pragma once
// Helpers for tests that drive module windows without a screen.

#include "framework/model/form.h"
#include "framework/model/recipe.h"
#include "generators/catalogue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <process.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ornavo::testing {

// A fresh folder of its own for one test, in the temporary folder ("" when none could be made). Its
// path is UTF-8, on Windows too.
inline std::string scratchFolder(const std::string& name) {
    namespace fs = std::filesystem;
    static std::atomic<unsigned> counter{0};
    std::error_code error;
    const fs::path base = fs::u8path(::testing::TempDir());
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = "ornavo-" + name + "-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(stamp % 1000000) + "-" + std::to_string(++counter);
        if (fs::create_directory(base / fs::u8path(leaf), error))
            return (base / fs::u8path(leaf)).u8string();
    }
    return {};
}

// The file's number on its disk (its inode): a file written anew under the same name has another one;
// 0 when there is no file.
inline std::uint64_t fileNumber(const std::string& path) {
#ifdef _WIN32
    const HANDLE file = ::CreateFileW(std::filesystem::u8path(path).wstring().c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    return known ? (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow : 0;
#else
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_ino) : 0;
#endif
}

// Sets (or with nullopt removes) a variable in this process's environment; returns what it was.
inline std::optional<std::string> setEnvironment(const std::string& name,
                                                 const std::optional<std::string>& value) {
    const char* before = std::getenv(name.c_str());
    std::optional<std::string> was = before ? std::optional<std::string>(before) : std::nullopt;
#ifdef _WIN32
    // Wide, so that a value in any script arrives as it is (an empty value removes the variable).
    const auto wide = [](const std::string& utf8) { return std::filesystem::u8path(utf8).wstring(); };
    ::_wputenv_s(wide(name).c_str(), value ? wide(*value).c_str() : L"");
#else
    value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
#endif
    return was;
}

#ifndef _WIN32
// A named pipe that nobody writes to, for tests of code that must never wait on one (POSIX: named pipes
// live among files there). Should a reader
// still be stuck on it when the time limit has passed, a writer comes and goes, so that the reader goes
// on and the test can say that it waited instead of hanging for good.
class NamedPipe {
  public:
    explicit NamedPipe(std::string path, std::chrono::milliseconds limit = std::chrono::seconds(5))
        : path_(std::move(path)) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        watchdog_ = std::thread([this, limit] {
            std::unique_lock<std::mutex> lock(mutex_);
            if (stop_.wait_for(lock, limit, [this] { return stopping_; }))
                return;
            while (!stopping_) {
                const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) { // a reader is there: it gets an empty pipe
                    rescued_ = true;
                    ::close(fd);
                }
                stop_.wait_for(lock, std::chrono::milliseconds(50), [this] { return stopping_; });
            }
        });
    }
    ~NamedPipe() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        stop_.notify_all();
        watchdog_.join();
        ::unlink(path_.c_str());
    }
    const std::string& path() const { return path_; }
    bool made() const { return made_; }
    // Whether a reader had to be set free.
    bool rescued() const { return rescued_; }

  private:
    std::string path_;
    bool made_ = false;
    std::atomic<bool> rescued_{false};
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread watchdog_;
};
#endif

// Answers questions from a script (Yes when the script is empty) and records every message.
struct ScriptedPrompter : Prompter {
    std::deque<Answer> answers;
    std::vector<std::string> messages;
    void notify(const std::string& message) override { messages.push_back(message); }
    Answer ask(const std::string& question) override {
        messages.push_back(question);
        if (answers.empty())
            return Answer::Yes;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

struct RecordingHost : WindowHost {
    std::string clipboard = "(untouched)";
    std::vector<std::string> previews;
    int colourTables = 0;
    void putOnClipboard(const std::string& text) override { clipboard = text; }
    void showPreview(const std::string& code) override { previews.push_back(code); }
    void openColourTable() override { ++colourTables; }
};

// A module window opened with its defaults. Pass the variables of an earlier window to reopen it.
class OpenWindow {
  public:
    explicit OpenWindow(const std::string& key, WindowVariables* variables = nullptr)
        : vars_(variables ? variables : &ownVars_) {
        const ModuleSpec* module = moduleRegistry().byKey(key);
        if (!module)
            throw std::invalid_argument("no module " + key);
        form_ = std::make_unique<Form>(*module, *vars_, prompter, host);
    }
    Form& form() { return *form_; }
    WindowVariables& variables() { return *vars_; }
    // Presses the button and returns the code box afterwards.
    const std::string& press(const std::string& button) {
        form_->press(button);
        return form_->code();
    }

    ScriptedPrompter prompter;
    RecordingHost host;

  private:
    WindowVariables ownVars_;
    WindowVariables* vars_;
    std::unique_ptr<Form> form_;
};

struct RecipeResult {
    int status = 0;
    std::string out;
    std::string err;
};

inline RecipeResult runRecipe(const std::string& recipe) {
    Session session;
    RecipeRunner runner(moduleRegistry(), session);
    std::istringstream in(recipe);
    std::ostringstream out, err;
    RecipeResult r;
    r.status = runner.run(in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// Gives every field a text of its own (with blanks at its ends, backslashes that look like escapes, a
// TAB and a line break in it, or empty for every seventh), picks the last entry of every list and chooses
// radio buttons in order (the last of each group stays on), top to bottom as a user fills the window in.
inline void fillDistinct(Form& form) {
    int k = 0;
    for (const Control* c : allControls(form.module())) {
        ++k;
        if (c->kind == ControlKind::Field)
            form.setText(c->name,
                         k % 7 == 0 ? "" : " 值" + std::to_string(k) + "\\t\\\\x\t<a href=\"#\">\r\n# ");
        else if (c->kind == ControlKind::List && !c->entries.empty())
            form.pick(c->name, static_cast<int>(c->entries.size()) - 1);
        else if (c->kind == ControlKind::Radio)
            form.choose(c->name);
    }
}

// The names of the window's generate buttons.
inline std::vector<std::string> generateButtons(const ModuleSpec& module) {
    std::vector<std::string> names;
    for (const Button* b : allButtons(module))
        if (b->action == Action::Generate)
            names.push_back(b->name);
    return names;
}

// Number of non-overlapping occurrences of needle in text.
inline std::size_t countOf(const std::string& text, const std::string& needle) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(needle); pos != std::string::npos;
         pos = text.find(needle, pos + needle.size()))
        ++n;
    return n;
}

} // namespace ornavo::testing
