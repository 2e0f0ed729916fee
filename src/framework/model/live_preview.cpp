#include "live_preview.h"

#include "platform.h"

namespace ornavo {

namespace {

// The file holds one word.
const char* const kOn = "on\n";
const char* const kOff = "off\n";
constexpr std::size_t kChoiceLimit = 64;

bool readChoice(const std::string& file) {
    if (file.empty())
        return false;
    const Result<std::string, ReadFailure> bytes = readFile(file, kChoiceLimit);
    return bytes && *bytes == kOn;
}

} // namespace

const char* const LivePreview::kCheckBoxText = "实时预览";
const char* const LivePreview::kHandEditNotice = "代码已手动修改，本窗口的实时预览已关闭，勾选可重新开启。";

LivePreview::LivePreview(std::string choiceFile) : file_(std::move(choiceFile)), chosen_(readChoice(file_)) {}

LivePreview::~LivePreview() = default;

bool LivePreview::live() const {
    return followed_ ? followed_->live() : chosen_;
}

std::string LivePreview::notice() const {
    return followed_ && chosen_ && followed_->stopped_ ? kHandEditNotice : "";
}

void LivePreview::setLive(bool on) {
    if (followed_ && on)
        followed_->stopped_ = false;
    if (on != chosen_) {
        chosen_ = on;
        if (!file_.empty()) {
            Status written = makeFolders(folderOf(file_));
            if (written)
                written = writeFile(file_, on ? kOn : kOff);
            failure_ = written ? std::string() : written.failure().reason;
        }
    }
    tellState();
    // Turned on for a window that has generated: the page catches up with its code box at once.
    if (on && followed_ && view_ && !followed_->form_.lastGenerate().empty())
        view_->showLiveCode(followed_->form_.code());
}

void LivePreview::setView(LiveView* view) {
    view_ = view;
    if (!view_)
        followed_ = nullptr;
}

void LivePreview::follow(LiveWindow* window) {
    followed_ = window;
}

void LivePreview::gone(LiveWindow* window) {
    if (followed_ == window)
        followed_ = nullptr;
}

void LivePreview::generated(LiveWindow& window) {
    if (followed_ == &window && view_ && window.live())
        view_->showLiveCode(window.form_.code());
}

void LivePreview::handEdited(LiveWindow& window) {
    if (!window.live())
        return;
    window.stopped_ = true;
    if (followed_ == &window)
        tellState();
}

void LivePreview::tellState() {
    if (view_)
        view_->showLiveState(live(), notice());
}

LiveWindow::LiveWindow(Form& form, LivePreview& live)
    : form_(form), live_(live),
      edits_(form_.addEditListener([this](const std::string& name) { edited(name); })),
      changes_(form_.addChangeListener([this](const std::string& name) { changed(name); })),
      // The preview button: the preview follows this window from now on.
      actions_(form_.addActionListener([this](const Button& button) {
          if (button.action == Action::Preview)
              live_.follow(this);
      })) {}

LiveWindow::~LiveWindow() {
    live_.gone(this);
}

bool LiveWindow::live() const {
    return live_.chosen() && !stopped_;
}

void LiveWindow::edited(const std::string& name) {
    const Control* control = form_.control(name);
    if (!control)
        return;
    if (control->kind == ControlKind::CodeBox) {
        live_.handEdited(*this);
        return;
    }
    const bool setting = control->kind == ControlKind::Field || control->kind == ControlKind::List ||
                         control->kind == ControlKind::Radio;
    if (!setting || live_.followed() != this || !live_.view_ || !live() || form_.lastGenerate().empty() ||
        form_.isClosed())
        return;
    form_.press(form_.lastGenerate());
}

void LiveWindow::changed(const std::string& name) {
    // The page follows the code box: generated code (a generate button, pressed by the user or again
    // here), a clear, settings put back. Only a hand edit does not count.
    if (form_.cause() != ChangeCause::Edit && name == form_.module().codeBox.name)
        live_.generated(*this);
}

} // namespace ornavo
