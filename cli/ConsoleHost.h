// The window services for the command line: messages and progress go to standard error.
#pragma once

#include "cli/CommandLine.h"
#include "run/RunHost.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace quillon::cli {

class ConsoleHost : public run::RunHost
{
public:
    // With `showProgress`, a live "Records processed" line is kept on `errors`.
    ConsoleHost(const ConvertOptions& options, std::FILE* errors, bool showProgress);

    engine::DateLayout dateLayout() const override { return m_options.layout; }
    engine::BandFormat bandFormat() const override { return m_options.band; }
    std::string caption() const override;
    std::string programFolder() const override;
    std::string logFileName() const override { return m_options.logFile; }
    void setStatusText(std::string_view) override {}
    void setRecordCount(std::int64_t count) override;
    void processPendingEvents() override {}
    // "Title: text", the text's line breaks kept. Notes (information messages) wait for printNotes(), so they
    // follow the summary.
    void showMessage(const run::Message& message) override;

    // Leaves the progress line with the final count and a line end.
    void finishProgress();
    void printNotes();

private:
    void drawProgress();
    void print(const run::Message& message);

    ConvertOptions m_options;
    std::string m_folder;
    std::FILE* m_errors;
    bool m_showProgress;
    bool m_progressShown = false;
    std::int64_t m_count = 0;
    std::chrono::steady_clock::time_point m_lastDrawn;
    std::vector<run::Message> m_notes;
};

} // namespace quillon::cli
