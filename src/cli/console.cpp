#include "console.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace ornavo::cli {

#ifdef _WIN32

namespace {

std::string utf8Of(const wchar_t* text) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.pop_back(); // the terminating zero
    return out;
}

UINT consoleCodePage = 0;

void restoreConsoleCodePage() {
    ::SetConsoleOutputCP(consoleCodePage);
}

} // namespace

std::vector<std::string> commandArguments(int, char**) {
    // The arguments the C library gives main went through the ANSI code page, which loses every
    // character it lacks: they are taken from the wide command line instead.
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(utf8Of(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

void prepareStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // A console reads what it is given in its own code page; for the run it reads UTF-8.
    DWORD mode = 0;
    if (::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) ||
        ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode)) {
        consoleCodePage = ::GetConsoleOutputCP();
        if (consoleCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
            std::atexit(restoreConsoleCodePage);
    }
}

bool closeStandardOutput() {
    return _close(_fileno(stdout)) == 0 || errno == EBADF;
}

#else

std::vector<std::string> commandArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void prepareStandardStreams() {}

bool closeStandardOutput() {
    return ::close(STDOUT_FILENO) == 0 || errno == EBADF;
}

#endif

bool openRecipeFile(const std::string& path, std::ifstream& file) {
    // The name is UTF-8; the stream takes it as the system's own (UTF-16 on Windows).
    const std::filesystem::path name = std::filesystem::u8path(path);
    file.open(name, std::ios::binary);
    if (file)
        return true;
    int error = errno;
    std::error_code ignored;
    if (std::filesystem::is_directory(name, ignored))
        error = EISDIR; // what Windows refuses to open at all, named as POSIX systems name it
    std::cerr << "ornavo-gen: cannot read " << path << ": " << std::strerror(error) << "\n";
    return false;
}

} // namespace ornavo::cli
