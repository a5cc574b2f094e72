// Logs the window tests convert.
#pragma once

#include <string>

namespace quillon::tests {

// Records of band 20 and the ambiguous date 01-02-03, whose meaning depends on the chosen layout.
inline std::string ambiguousLog(int records)
{
    std::string log;
    for (int i = 0; i < records; ++i) {
        log += "N0CALL,20,14.025,SSB,59,57,Bob,nice qso,291,y,n,ma,NA-123,Hampden,5,Springfield,01-02-03,1234\r\n";
    }
    return log;
}

} // namespace quillon::tests
