#pragma once
// Keeps what the user types in a module window, as the window's settings in a file of the user's
// state folder (one per window), so that nothing is lost when the window is closed or the program
// ends or dies. Writes are whole-file replacements, at most one per kInterval, and none when nothing
// changed. The owner tells of changes and calls poll() when due(); the clock can be set for tests.

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

    // Keeps the window's texts in folder/KEY.ornavo.
    KeptTexts(const Form& form, const Registry& registry, std::string folder, Clock clock = {});

    const std::string& path() const { return path_; }

    // What was kept for the window before; read when the window opens, before any change.
    struct Earlier {
        // Kept texts that show something other than the window does now (its defaults).
        std::optional<LoadedSettings> settings;
        // A damaged file: why, and the name it was set aside under ("" when it could not be moved).
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
    // Writes what changed at once (the window closes).
    Status flush();
    // Forgets what was kept: the file goes, and only a later change keeps texts again.
    Status discard();

  private:
    Status write();

    const Form& form_;
    const Registry& registry_;
    std::string folder_;
    std::string path_;
    Clock clock_;
    std::string kept_; // what the file holds, as far as this window knows
    bool dirty_ = false;
    std::chrono::steady_clock::time_point dirtySince_;
    std::optional<std::chrono::steady_clock::time_point> lastWrite_;
};

} // namespace ornavo
