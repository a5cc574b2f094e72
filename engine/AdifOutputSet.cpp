// Joining the fragments of one record into its line.
#include "engine/AdifOutputSet.h"

namespace quillon::engine {

void AdifOutputSet::buildRecordLine(ByteBuffer& line) const
{
    line.clear();
    for (const auto& fragment : m_fragments) {
        line += fragment;
    }
    line += "<EOR>";
}

void AdifOutputSet::clear()
{
    for (auto& fragment : m_fragments) {
        fragment.clear();
    }
}

} // namespace quillon::engine
