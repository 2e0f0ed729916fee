#pragma once
// Runs a program as a user's shell would, on POSIX systems and on Windows alike: arguments in UTF-8,
// standard input from nothing, a file or a pipe, standard output captured or sent to a file, standard
// error captured, variables set or removed in its environment only.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <thread>
#else
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace ornavo::testing {

struct Launch {
    std::vector<std::string> args;
    enum class Input { Nothing, File, Pipe } input = Input::Nothing;
    std::string inputFile;  // Input::File: opened as standard input, as `< FILE` does
    std::string inputBytes; // Input::Pipe: written into a pipe, as `cat FILE |` does
    std::string outputFile; // when set, standard output goes there (`> FILE`) instead of `out`
    std::vector<std::pair<std::string, std::optional<std::string>>> environment; // nullopt: removed
};

struct Finished {
    int status = -1; // the exit status; -1 when it could not be started or did not end normally
    std::string out, err;
    long pid = 0; // the process's number while it ran
};

using Environment = std::vector<std::pair<std::string, std::optional<std::string>>>;

// The variables that name the temporary folder ornavo-gen keeps its preview page (in "ornavo" there)
// and a piped recipe in, all pointed at one folder.
inline Environment temporaryFolderIs(const std::string& folder) {
#ifdef _WIN32
    return {{"TMP", folder}, {"TEMP", folder}};
#else
    return {{"XDG_RUNTIME_DIR", folder}, {"TMPDIR", folder}};
#endif
}

#ifdef _WIN32

namespace detail {

inline std::wstring wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

// One argument as the C library's command-line parser reads it back.
inline std::wstring quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return arg;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// The environment block of this process with the launch's changes.
inline std::wstring environmentBlock(const Launch& launch) {
    std::vector<std::wstring> entries;
    if (wchar_t* block = ::GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += std::wcslen(p) + 1)
            entries.emplace_back(p);
        ::FreeEnvironmentStringsW(block);
    }
    for (const auto& [name, value] : launch.environment) {
        const std::wstring prefix = wide(name) + L"=";
        std::vector<std::wstring> kept;
        for (std::wstring& e : entries)
            if (::CompareStringOrdinal(e.c_str(), static_cast<int>(std::min(e.size(), prefix.size())),
                                       prefix.c_str(), static_cast<int>(prefix.size()), TRUE) != CSTR_EQUAL)
                kept.push_back(std::move(e));
        entries = std::move(kept);
        if (value)
            entries.push_back(prefix + wide(*value));
    }
    std::wstring out;
    for (const std::wstring& e : entries)
        out += e + L'\0';
    return out + L'\0';
}

inline void drain(HANDLE from, std::string* into) {
    char buffer[65536];
    DWORD n = 0;
    while (::ReadFile(from, buffer, sizeof buffer, &n, nullptr) && n > 0)
        into->append(buffer, n);
}

} // namespace detail

inline Finished runProgram(const std::string& program, const Launch& launch) {
    Finished done;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    HANDLE inRead = nullptr, inWrite = nullptr;
    ::CreatePipe(&errRead, &errWrite, &inherit, 0);
    ::SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    if (launch.outputFile.empty()) {
        ::CreatePipe(&outRead, &outWrite, &inherit, 0);
        ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    } else {
        outWrite = ::CreateFileW(detail::wide(launch.outputFile).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                 &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    switch (launch.input) {
    case Launch::Input::Nothing:
        inRead = ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               OPEN_EXISTING, 0, nullptr);
        break;
    case Launch::Input::File:
        inRead = ::CreateFileW(detail::wide(launch.inputFile).c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        break;
    case Launch::Input::Pipe:
        ::CreatePipe(&inRead, &inWrite, &inherit, 0);
        ::SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
        break;
    }
    std::wstring command = detail::quoted(detail::wide(program));
    for (const std::string& arg : launch.args)
        command += L" " + detail::quoted(detail::wide(arg));
    std::wstring environment = detail::environmentBlock(launch);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                                          CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, environment.data(),
                                          nullptr, &startup, &process);
    for (HANDLE h : {inRead, outWrite, errWrite})
        if (h && h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
    std::thread feeder, outReader;
    if (started && inWrite)
        feeder = std::thread([&] {
            DWORD n = 0;
            ::WriteFile(inWrite, launch.inputBytes.data(), static_cast<DWORD>(launch.inputBytes.size()), &n,
                        nullptr);
            ::CloseHandle(inWrite);
        });
    else if (inWrite)
        ::CloseHandle(inWrite);
    if (outRead)
        outReader = std::thread(detail::drain, outRead, &done.out);
    if (started)
        detail::drain(errRead, &done.err);
    ::CloseHandle(errRead);
    if (outReader.joinable())
        outReader.join();
    if (outRead)
        ::CloseHandle(outRead);
    if (feeder.joinable())
        feeder.join();
    if (!started)
        return done;
    done.pid = static_cast<long>(process.dwProcessId);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (::GetExitCodeProcess(process.hProcess, &code))
        done.status = static_cast<int>(code);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return done;
}

#else

inline Finished runProgram(const std::string& program, const Launch& launch) {
    Finished done;
    ::signal(SIGPIPE, SIG_IGN); // a child that stops reading its input must not end the test
    int out[2] = {-1, -1}, err[2] = {-1, -1}, in[2] = {-1, -1};
    if (::pipe(err) != 0 || (launch.outputFile.empty() && ::pipe(out) != 0) ||
        (launch.input == Launch::Input::Pipe && ::pipe(in) != 0))
        return done;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    switch (launch.input) {
    case Launch::Input::Nothing:
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        break;
    case Launch::Input::File:
        posix_spawn_file_actions_addopen(&actions, 0, launch.inputFile.c_str(), O_RDONLY, 0);
        break;
    case Launch::Input::Pipe:
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        break;
    }
    if (launch.outputFile.empty()) {
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, launch.outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    }
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addclose(&actions, err[0]);

    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool changed = false;
        for (const auto& change : launch.environment)
            changed = changed || entry.compare(0, change.first.size() + 1, change.first + "=") == 0;
        if (!changed)
            environment.push_back(entry);
    }
    for (const auto& [name, value] : launch.environment)
        if (value)
            environment.push_back(name + "=" + *value);
    std::vector<char*> envp, argv;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{program};
    args.insert(args.end(), launch.args.begin(), launch.args.end());
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t child = -1;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    for (int fd : {out[1], err[1], in[0]})
        if (fd >= 0)
            ::close(fd);
    // Feeds standard input and reads both outputs at once, so that no pipe fills up and stalls.
    std::size_t fed = 0;
    if (in[1] >= 0 && (spawned != 0 || launch.inputBytes.empty())) {
        ::close(in[1]);
        in[1] = -1;
    }
    if (in[1] >= 0)
        ::fcntl(in[1], F_SETFL, O_NONBLOCK);
    while (out[0] >= 0 || err[0] >= 0 || in[1] >= 0) {
        pollfd fds[3];
        int n = 0;
        for (int fd : {out[0], err[0]})
            if (fd >= 0)
                fds[n++] = {fd, POLLIN, 0};
        if (in[1] >= 0)
            fds[n++] = {in[1], POLLOUT, 0};
        if (::poll(fds, static_cast<nfds_t>(n), -1) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < n; ++i) {
            if (!fds[i].revents)
                continue;
            if (fds[i].fd == in[1]) {
                const ssize_t w =
                    ::write(in[1], launch.inputBytes.data() + fed, launch.inputBytes.size() - fed);
                if (w > 0)
                    fed += static_cast<std::size_t>(w);
                if ((w < 0 && errno != EAGAIN) || fed == launch.inputBytes.size()) {
                    ::close(in[1]);
                    in[1] = -1;
                }
                continue;
            }
            char buffer[65536];
            const ssize_t r = ::read(fds[i].fd, buffer, sizeof buffer);
            int& fd = fds[i].fd == out[0] ? out[0] : err[0];
            std::string& into = fds[i].fd == out[0] ? done.out : done.err;
            if (r > 0) {
                into.append(buffer, static_cast<std::size_t>(r));
            } else if (r == 0 || errno != EINTR) {
                ::close(fd);
                fd = -1;
            }
        }
    }
    int raw = 0;
    done.pid = spawned == 0 ? static_cast<long>(child) : 0;
    if (spawned == 0 && ::waitpid(child, &raw, 0) == child && WIFEXITED(raw))
        done.status = WEXITSTATUS(raw);
    return done;
}

#endif

} // namespace ornavo::testing
