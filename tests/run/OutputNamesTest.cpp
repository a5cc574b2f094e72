// The output names that follow from the log's name.
#include "run/OutputNames.h"

#include <gtest/gtest.h>

namespace quillon::run {
namespace {

TEST(OutputNamesTest, NamedLogsHaveOutputsOfTheirOwn)
{
    struct Case {
        std::string log;
        OutputNames names;
    };
    const OutputNames usual = {"log.adi", "bad.adi", "LOG.ADI", "BAD.ADI", "LOG.ASC"};
    const Case cases[] = {
        {"", usual},
        {"log.asc", usual},
        {"LOG.ASC", usual},
        {"Log.Asc", usual},
        {"contest98.asc",
         {"contest98.adi", "contest98-bad.adi", "contest98.adi", "contest98-bad.adi", "contest98.asc"}},
        {"CONTEST98.ASC",
         {"CONTEST98.adi", "CONTEST98-bad.adi", "CONTEST98.adi", "CONTEST98-bad.adi", "CONTEST98.ASC"}},
        {"my log.1998.txt",
         {"my log.1998.adi", "my log.1998-bad.adi", "my log.1998.adi", "my log.1998-bad.adi", "my log.1998.txt"}},
        {"contest98", {"contest98.adi", "contest98-bad.adi", "contest98.adi", "contest98-bad.adi", "contest98"}},
        // A log that is itself named .adi is never an output of its own conversion.
        {"notes.ADI", {"notes.ADI.adi", "notes.ADI-bad.adi", "notes.ADI.adi", "notes.ADI-bad.adi", "notes.ADI"}},
        {"log.asc.bak", {"log.asc.adi", "log.asc-bad.adi", "log.asc.adi", "log.asc-bad.adi", "log.asc.bak"}},
        {"Z\xc3\xbcrich.asc",
         {"Z\xc3\xbcrich.adi", "Z\xc3\xbcrich-bad.adi", "Z\xc3\xbcrich.adi", "Z\xc3\xbcrich-bad.adi",
          "Z\xc3\xbcrich.asc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.log);
        const OutputNames names = outputNamesFor(c.log);
        EXPECT_EQ(names.log, c.names.log);
        EXPECT_EQ(names.bad, c.names.bad);
        EXPECT_EQ(names.logShown, c.names.logShown);
        EXPECT_EQ(names.badShown, c.names.badShown);
        EXPECT_EQ(names.input, c.names.input);
        EXPECT_EQ(&names.name(OutputKind::Bad), &names.bad);
        EXPECT_EQ(&names.shown(OutputKind::Log), &names.logShown);
    }
}

} // namespace
} // namespace quillon::run
