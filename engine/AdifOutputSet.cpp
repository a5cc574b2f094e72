// Joining the fragments of one record into its line.
#include "engine/AdifOutputSet.h"

#include <string_view>

namespace quillon::engine {

// The line is sized once; each fragment then goes in as one block move, its overrun covered by the buffer's spare
// room and overwritten by the next fragment.
void AdifOutputSet::appendRecordLine(ByteBuffer& out, std::string_view more) const
{
    constexpr std::string_view kEndOfRecord = "<EOR>";
    std::size_t size = kEndOfRecord.size() + more.size();
    for (const auto& fragment : m_fragments) {
        size += fragment.size();
    }
    detail::PaddedCursor at = out.extendPadded(size);
    for (const auto& fragment : m_fragments) {
        at.put(fragment.padded());
    }
    at.put(more);
    at.put(kEndOfRecord);
}

void AdifOutputSet::clear()
{
    for (auto& fragment : m_fragments) {
        fragment.clear();
    }
}

} // namespace quillon::engine
