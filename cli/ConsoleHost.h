// The window services for the command line: messages and progress go to standard error.
#pragma once

#include "cli/CommandLine.h"
#include "run/RunHost.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace quillon::cli {

class ConsoleHost : public run::RunHost
{
public:
    // With `showProgress`, a live "Records processed" line is kept on `errors`.
    ConsoleHost(const ConvertOptions& options, std::FILE* errors, bool showProgress);

    // The choices settled from the log itself, for --date auto and --band auto.
    void setFormats(engine::DateLayout layout, engine::BandFormat band)
    {
        m_options.layout = layout;
        m_options.band = band;
    }
    engine::DateLayout dateLayout() const override { return m_options.layout; }
    engine::BandFormat bandFormat() const override { return m_options.band; }
    engine::AdifVersion adifVersion() const override { return m_options.output.version; }
    engine::Adif3Options adif3Options() const override { return m_options.output.adif3; }
    std::string caption() const override;
    std::string logFolder() const override;
    std::string logFileName() const override { return m_options.logFile; }
    void setStatusText(std::string_view) override {}
    void setRecordCount(std::int64_t count) override;
    // Where a stop signal is seen: `stop` is called once when one has come.
    void processPendingEvents() override;
    void setStopAction(std::function<void()> stop) { m_stop = std::move(stop); }
    // "Title: text detail", the text's line breaks kept. Notes (information messages) are left out: the command prints
    // the run's notes itself, a line each, after the summary.
    void showMessage(const run::Message& message) override;
    // The command prints the summary and the notes itself once the run is over.
    void showRunResult(const run::RunResult&) override {}

    // Leaves the progress line with the final count and a line end.
    void finishProgress();
    static void print(const run::Message& message, std::FILE* to);

private:
    void drawProgress();

    ConvertOptions m_options;
    std::string m_folder;
    std::FILE* m_errors;
    bool m_showProgress;
    bool m_progressShown = false;
    std::int64_t m_count = 0;
    std::chrono::steady_clock::time_point m_lastDrawn;
    std::function<void()> m_stop;
};

} // namespace quillon::cli
