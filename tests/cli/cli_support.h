#pragma once
// Running ornavo-gen as a user runs it, from the tests of the command line.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace ornavo::testing {

struct GenRun {
    int status = -1;
    std::string out;
};

// Runs ornavo-gen with the arguments (a shell fragment), stdout captured, stderr into `errFile`;
// `environment` is put before the command ("NAME=value ").
inline GenRun gen(const std::string& args, const std::string& errFile = "/dev/null",
                  const std::string& environment = "") {
    const std::string command = environment + ORNAVO_GEN + " " + args + " 2>" + errFile;
    GenRun r;
    FILE* p = popen(command.c_str(), "r");
    if (!p)
        return r;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

inline std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline std::string tempPath(const std::string& name) {
    return ::testing::TempDir() + "ornavo-cli-" + name;
}

} // namespace ornavo::testing
