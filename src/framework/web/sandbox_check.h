#pragma once
// Whether the web engine can start here with its sandbox, found out before it starts: an engine that
// finds it cannot (run by root, or a system that lets no process make its own namespaces) ends the
// whole program. The sandbox stays on wherever it can run; elsewhere the user is asked first.

#include <functional>
#include <optional>
#include <string>

namespace ornavo::web {

struct SandboxFacts {
    bool root = false;          // the effective user is root: the engine refuses its sandbox there
    bool userNamespaces = true; // a process may make its own user, PID and network namespaces
    bool switchedOff = false;   // QTWEBENGINE_DISABLE_SANDBOX, or --no-sandbox in QTWEBENGINE_CHROMIUM_FLAGS
};

// The facts of this process (a short-lived child process tries the namespaces), or what a test put in
// their place.
SandboxFacts sandboxFacts();
void setSandboxFactsSource(std::function<SandboxFacts()> source); // nullptr: this process's again
// Whether the environment switches the sandbox off.
bool sandboxSwitchedOff();

// Why the engine cannot start with its sandbox (a sentence for the user), or nothing when it can
// start as it is: the sandbox can run, or it has been switched off already.
std::optional<std::string> sandboxObstacle(const SandboxFacts& facts);
// The question asked before the engine starts without its sandbox: the reason, what to do for a
// sandbox, and whether to open without it now.
std::string withoutSandboxQuestion(const std::string& obstacle);

// Switches the sandbox off for the web engine this process starts from now on.
void switchSandboxOff();

} // namespace ornavo::web
