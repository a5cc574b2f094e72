// A window stand-in for run tests: records what the run shows and can act between records like a user.
#pragma once

#include "engine/ProgramInfo.h"
#include "run/RunHost.h"

#include <functional>
#include <vector>

namespace quillon::tests {

class FakeRunHost : public run::RunHost
{
public:
    struct ShownMessage {
        run::Message message;
        std::string statusWhenShown;
    };

    explicit FakeRunHost(std::string folder)
        : folder(std::move(folder))
    {
    }

    engine::DateLayout dateLayout() const override { return layout; }
    engine::BandFormat bandFormat() const override { return band; }
    engine::AdifVersion adifVersion() const override { return version; }
    engine::Adif3Options adif3Options() const override { return adif3; }
    std::string caption() const override { return captionText; }
    std::string logFolder() const override { return folder; }
    std::string logFileName() const override { return logName; }
    void setStatusText(std::string_view text) override
    {
        status = text;
        statuses.emplace_back(text);
    }
    void setRecordCount(std::int64_t count) override
    {
        counter = count;
        ++counterUpdates;
    }
    // Runs the scripted user action, if any, with the number of records read so far.
    void processPendingEvents() override
    {
        ++eventRounds;
        if (onEvents) {
            onEvents(counter);
        }
    }
    void showMessage(const run::Message& message) override { messages.push_back({message, status}); }

    std::string folder;
    engine::DateLayout layout = engine::DateLayout::YyMmDd;
    std::string logName; // empty: log.asc
    engine::BandFormat band = engine::BandFormat::Meters;
    engine::AdifVersion version = engine::AdifVersion::Classic;
    engine::Adif3Options adif3;
    std::string captionText = engine::mainCaption();
    std::string status = "    ";
    std::vector<std::string> statuses;
    std::int64_t counter = -1; // -1: never set
    int counterUpdates = 0;
    int eventRounds = 0;
    std::vector<ShownMessage> messages;
    std::function<void(std::int64_t)> onEvents;
};

} // namespace quillon::tests
