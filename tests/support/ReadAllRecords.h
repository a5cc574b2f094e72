// Every record a LogReader gives from a source, field by field, and how the reading ended.
#pragma once

#include "engine/LogReader.h"

#include <string>
#include <vector>

namespace quillon::tests {

struct ReadOutcome {
    std::vector<std::vector<std::string>> records;
    engine::ReadResult last = engine::ReadResult::Complete; // Complete: the end of the input ended the reading

    bool operator==(const ReadOutcome&) const = default;
};

inline ReadOutcome readAllRecords(engine::ByteSource& source, std::size_t bufferSize)
{
    engine::LogReader reader(source, bufferSize);
    ReadOutcome outcome;
    engine::ContactRecord record;
    while (!reader.atEnd()) {
        outcome.last = reader.readRecord(record);
        if (outcome.last != engine::ReadResult::Complete) {
            return outcome;
        }
        auto& fields = outcome.records.emplace_back();
        for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
            fields.emplace_back(record.atInputPosition(i).view());
        }
    }
    return outcome;
}

} // namespace quillon::tests
