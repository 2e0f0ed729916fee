#pragma once
// Live preview: while it is on, the preview follows the module window whose code it shows. Each edit
// of a field, a list or a radio button there runs the window's last generate button again, and the new
// code goes to the preview window, which shows it once the user pauses (kPause). Nothing happens in a
// window before its first generate. An edit of the code box by hand turns live preview off for that
// window, so that what the user typed there is never overwritten, and the preview window says so.
// Whether live preview is on is the user's choice, remembered in a small file of the state folder.
//
// The preview window reaches this through LiveSwitch and is reached through LiveView; both are plain
// interfaces, so the window may live in a library of its own.

#include "form.h"

#include <chrono>
#include <memory>
#include <string>

namespace ornavo {

// The preview window, as live preview reaches it.
class LiveView {
  public:
    virtual ~LiveView() = default;
    // New code of the window the preview follows, for the page once the user pauses.
    virtual void showLiveCode(const std::string& code) = 0;
    // The check box and the line beside it: whether live preview is on for the window the preview
    // follows, and why it went off ("" when there is nothing to say).
    virtual void showLiveState(bool on, const std::string& notice) = 0;
};

// Live preview, as the preview window reaches it.
class LiveSwitch {
  public:
    virtual ~LiveSwitch() = default;
    // Whether live preview is on for the window the preview follows (the user's choice when it follows
    // none), and the notice that goes with it.
    virtual bool live() const = 0;
    virtual std::string notice() const = 0;
    // The user ticked or cleared "实时预览": remembered, and for the followed window also when a hand
    // edit had turned it off there.
    virtual void setLive(bool on) = 0;
    // The preview window that shows the followed window's code, or nullptr once it has closed (it
    // then follows no window until a preview button is pressed again).
    virtual void setView(LiveView* view) = 0;
};

class LiveWindow;

// The one live preview of a run of the program.
class LivePreview : public LiveSwitch {
  public:
    // How long the user pauses before the page shows what they typed.
    static constexpr std::chrono::milliseconds kPause{250};
    static const char* const kCheckBoxText;   // "实时预览"
    static const char* const kHandEditNotice; // the line shown once a hand edit turned it off

    // Remembers the choice in that file ("" remembers nothing). A missing or unreadable file: off.
    explicit LivePreview(std::string choiceFile);
    ~LivePreview() override;
    LivePreview(const LivePreview&) = delete;
    LivePreview& operator=(const LivePreview&) = delete;

    // The user's choice, as remembered.
    bool chosen() const { return chosen_; }
    // The window the preview follows, or nullptr.
    LiveWindow* followed() const { return followed_; }
    // Why the choice could not be written last time ("" when it was).
    const std::string& failure() const { return failure_; }

    // The preview follows this window from now on, as after a press of its preview button.
    void followWindow(LiveWindow* window) { follow(window); }

    bool live() const override;
    std::string notice() const override;
    void setLive(bool on) override;
    void setView(LiveView* view) override;

  private:
    friend class LiveWindow;
    void follow(LiveWindow* window);
    void gone(LiveWindow* window);
    void generated(LiveWindow& window);
    void handEdited(LiveWindow& window);
    void tellState();

    std::string file_;
    bool chosen_ = false;
    std::string failure_;
    LiveView* view_ = nullptr;
    LiveWindow* followed_ = nullptr;
};

// One module window's part in live preview: made with the window's form, and gone before it.
class LiveWindow {
  public:
    LiveWindow(Form& form, LivePreview& live);
    ~LiveWindow();
    LiveWindow(const LiveWindow&) = delete;
    LiveWindow& operator=(const LiveWindow&) = delete;

    Form& form() const { return form_; }
    // Whether live preview is on for this window: the user's choice, unless a hand edit of the code box
    // turned it off here.
    bool live() const;
    bool stoppedByHandEdit() const { return stopped_; }

  private:
    friend class LivePreview;
    void edited(const std::string& name);
    void changed(const std::string& name);

    Form& form_;
    LivePreview& live_;
    bool stopped_ = false;
    // The form's listeners, which end with this window.
    Subscription edits_, changes_, actions_;
};

} // namespace ornavo
