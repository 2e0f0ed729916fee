#include "update_check.h"

#include "http_fetch.h"
#include "maker_site.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace ornavo::net {

namespace {

std::string withoutSurroundingBlanks(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

struct Check {
    UpdateCheckHooks hooks;
    std::function<void(UpdateOutcome)> finished;
    QPointer<QObject> context;
    bool hasContext = false;

    bool alive() const { return !hasContext || context; }

    void read(const char* path, UpdateCheckHooks::TextReceiver next) {
        const std::string address = makerFile(path);
        if (hooks.fetchText)
            hooks.fetchText(address, std::move(next));
        else
            fetchText(address, context, std::move(next));
    }

    void end(UpdateOutcome outcome) {
        if (finished)
            finished(outcome);
    }
};

} // namespace

void startUpdateCheck(UpdateCheckHooks hooks, const QObject* context,
                      std::function<void(UpdateOutcome)> finished) {
    auto check = std::make_shared<Check>();
    check->hooks = std::move(hooks);
    check->finished = std::move(finished);
    check->context = const_cast<QObject*>(context);
    check->hasContext = context != nullptr;

    check->read(kVersionPath, [check](const std::string& fetched) {
        if (!check->alive())
            return;
        const std::string version = withoutSurroundingBlanks(fetched);
        // A version that could not be read says nothing about this copy being outdated.
        if (version.empty())
            return check->end(UpdateOutcome::VersionUnknown);
        if (version == programVersion())
            return check->end(UpdateOutcome::UpToDate);
        const bool agreed = check->hooks.askUpdate && check->hooks.askUpdate(kUpdateQuestion);
        if (!check->alive())
            return;
        if (!agreed)
            return check->end(UpdateOutcome::Declined);
        check->read(kDownloadAddressPath, [check](const std::string& fetchedAddress) {
            if (!check->alive())
                return;
            const std::optional<std::string> download = browsableAddress(fetchedAddress);
            if (!download)
                return check->end(UpdateOutcome::NoDownload);
            if (check->hooks.openAddress)
                check->hooks.openAddress(*download);
            check->end(UpdateOutcome::Opened);
        });
    });
}

} // namespace ornavo::net
