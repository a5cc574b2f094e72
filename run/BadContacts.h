// The contacts of a log that go to bad.adi, read back with their lines, fields and the reason of each failed
// field, and the lines that hold other than 18 fields: what the user is to correct.
#pragma once

#include "engine/DateLayout.h"
#include "engine/FieldReasons.h"
#include "run/FileSystem.h"
#include "run/LogMending.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon::run {

struct BadContact {
    std::int64_t line = 0; // counted from 1, as the run's messages count them
    std::string text;      // the line as written, without its line end
    // True when the line is one contact of 18 fields; false for a line to be mended as one text: one with
    // other than 18 fields, or one whose fields are read together with those of other lines.
    bool wholeContact = true;
    std::size_t fieldCount = 0;
    engine::ContactFields fields; // the values as the reader takes them (a whole contact only)
    // The failed fields with their reasons; for a line mended as one text, one problem about the line.
    std::vector<engine::FieldProblem> problems;
};

struct BadContactList {
    std::string logPath;
    LogSnapshot snapshot; // of the log as it was read here
    std::vector<BadContact> contacts;
    engine::CodePage textPage = engine::CodePage::Windows1252; // what the log's text is written in
    std::string failure;                                       // why the log could not be read; empty when it was
};

// Reads the log, converts every contact as a run with these choices does, and lists, in the order of the log,
// each line that holds one contact that goes to bad.adi, every line that holds other than 18 fields, and (in the
// classic output, which reads the fields as one stream) every line of a contact that goes to bad.adi with fields
// of other lines. ADIF 3 reads line by line, so there a line of other than 18 fields shifts nothing.
BadContactList findBadContacts(FileSystem& files, const std::string& logPath, const engine::CheckChoices& choices);

// What is wrong with a line mended as one text: its field count when it is not 18, else the problems of its
// fields, with the field's label in front of each reason.
std::vector<engine::FieldProblem> lineProblems(std::string_view text, std::int64_t line,
                                               const engine::CheckChoices& choices);

// The line of a whole contact with its fields set to `values`: a field the user left as it was keeps its text as
// written (blanks, quotes), as do empty fields after the 18th, and a changed one is written so that the reader
// takes it back unchanged. None when a value
// cannot be written (a line end, a quote in a value that holds a comma); `unwritable` then names that field.
std::optional<std::string> mendedLine(const BadContact& contact, const engine::ContactFields& values,
                                      engine::Field& unwritable);

// The values of a line's fields, as the reader takes them; the line must hold 18.
engine::ContactFields contactFieldsOf(std::string_view text);

} // namespace quillon::run
