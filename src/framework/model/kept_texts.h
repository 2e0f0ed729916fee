#pragma once
// Keeps what the user types in a module window, as the window's settings in a file of the user's
// state folder (one per window), so that nothing is lost when the window is closed or the program
// ends or dies. Writes are whole-file replacements, at most one per kInterval, and none when nothing
// changed. The owner tells of changes and calls poll() when due(); the clock can be set for tests.
//
// The file belongs to one running copy of the program at a time (a lock beside it, which the system
// drops when the copy ends, however it ends): a second copy with the same window open keeps its texts
// under a name of its own (KEY-2.ornavo, …), so that neither overwrites what the other's user typed.
// The files are the program's own: a link or anything else that is not a regular file found under
// their name is never read or written through.

#include "platform.h"
#include "settings_reader.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace ornavo {

class KeptTexts {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // The least time between two writes: what was typed reaches the disk within about this long.
    static constexpr std::chrono::milliseconds kInterval{1000};
    // Copies of the program that may keep the same window at once, each under a name of its own.
    static constexpr int kMostCopies = 16;

    // Keeps the window's texts in folder/KEY.ornavo, or under the first name of its own that no other
    // running copy keeps (the folder is made when missing).
    KeptTexts(const Form& form, const Registry& registry, std::string folder, Clock clock = {});

    const std::string& path() const { return path_; }
    // True when another running copy keeps this window's texts under the usual name, so that these go
    // under a name of their own (path()).
    bool besideAnotherCopy() const { return besideAnotherCopy_; }

    // What was kept for the window before; read when the window opens, before any change.
    struct Earlier {
        // Kept texts that show something other than the window does now (its defaults).
        std::optional<LoadedSettings> settings;
        // A damaged file (or no regular file): why, and the name it was set aside under ("" when it
        // could not be moved).
        std::optional<SettingsProblem> problem;
        std::string setAside;
    };
    Earlier readEarlier();

    // The window changed now.
    void changed();
    // How long until the next write is due; nothing when nothing waits.
    std::optional<std::chrono::milliseconds> due() const;
    // Writes when a write is due; the failure says why a write failed.
    Status poll();
    // Writes what changed at once.
    Status flush();
    // The window closes: writes what changed, then lets the file go to whichever copy opens the
    // window next; nothing is written after this.
    Status finish();
    // Forgets what was kept: the file goes, and only a later change keeps texts again.
    Status discard();

  private:
    Status write();

    const Form& form_;
    const Registry& registry_;
    std::string folder_;
    std::string path_;
    std::optional<FileLock> lock_;
    bool besideAnotherCopy_ = false;
    bool finished_ = false;
    Clock clock_;
    std::string kept_; // what the file holds, as far as this window knows
    bool dirty_ = false;
    std::chrono::steady_clock::time_point dirtySince_;
    std::optional<std::chrono::steady_clock::time_point> lastWrite_;
};

} // namespace ornavo
