#include "sandbox_check.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef __linux__
#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace ornavo::web {

namespace {

std::function<SandboxFacts()> factsSource;

const char* const kRoot = "程序正以 root（系统管理员）身份运行，浏览器组件在这种情况下无法启用安全沙箱。";
const char* const kRootRemedy = "请以普通用户身份运行本程序，预览和颜色表即可在沙箱中打开。";
const char* const kNoNamespaces =
    "系统不允许本程序创建用户命名空间（user namespaces），浏览器组件无法启用安全沙箱。";
const char* const kNoNamespacesRemedy =
    "请系统管理员为普通用户开启用户命名空间，预览和颜色表即可在沙箱中打开。";
const char* const kOpenAnyway = "也可以不使用沙箱现在打开，但网页中的脚本将不受沙箱隔离。是否现在打开？";

#ifdef __linux__
// Only async-signal-safe calls: the child of a process with threads.
bool writeAll(const char* path, const char* text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT && std::strcmp(path, "/proc/self/setgroups") == 0; // older kernels have none
    const std::size_t length = std::strlen(text);
    const bool written = ::write(fd, text, length) == static_cast<ssize_t>(length);
    ::close(fd);
    return written;
}

// What the engine's namespace sandbox does first: a child in new user, PID and network namespaces that
// maps its own user and group into the new user namespace.
bool canMakeNamespaces() {
    char uidMap[48], gidMap[48];
    std::snprintf(uidMap, sizeof uidMap, "%u %u 1\n", unsigned(::geteuid()), unsigned(::geteuid()));
    std::snprintf(gidMap, sizeof gidMap, "%u %u 1\n", unsigned(::getegid()), unsigned(::getegid()));
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWPID | CLONE_NEWNET) != 0)
            ::_exit(1);
        if (!writeAll("/proc/self/setgroups", "deny") || !writeAll("/proc/self/uid_map", uidMap) ||
            !writeAll("/proc/self/gid_map", gidMap))
            ::_exit(2);
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif

SandboxFacts factsOfThisProcess() {
    SandboxFacts facts;
    facts.switchedOff = sandboxSwitchedOff();
#ifdef __linux__
    facts.root = ::geteuid() == 0;
    // Root never gets the sandbox, and a switched-off one needs no namespaces: no child for either.
    facts.userNamespaces = facts.root || facts.switchedOff || canMakeNamespaces();
#endif
    return facts;
}

} // namespace

SandboxFacts sandboxFacts() {
    return factsSource ? factsSource() : factsOfThisProcess();
}

void setSandboxFactsSource(std::function<SandboxFacts()> source) {
    factsSource = std::move(source);
}

bool sandboxSwitchedOff() {
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) // set at all, as the engine reads it
        return true;
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const QByteArray& flag : flags.split(' '))
        if (flag == "--no-sandbox")
            return true;
    return false;
}

std::optional<std::string> sandboxObstacle(const SandboxFacts& facts) {
    if (facts.switchedOff)
        return std::nullopt;
    if (facts.root)
        return std::string(kRoot);
    if (!facts.userNamespaces)
        return std::string(kNoNamespaces);
    return std::nullopt;
}

std::string withoutSandboxQuestion(const std::string& obstacle) {
    const char* remedy = obstacle == kRoot ? kRootRemedy : kNoNamespacesRemedy;
    return obstacle + "\n" + remedy + "\n\n" + kOpenAnyway;
}

void switchSandboxOff() {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace ornavo::web
