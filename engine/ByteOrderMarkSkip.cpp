// Holding back the first three bytes until they are known not to be a byte-order mark.
#include "engine/ByteOrderMarkSkip.h"

#include <algorithm>
#include <string_view>

namespace quillon::engine {

long ByteOrderMarkSkip::read(char* into, std::size_t room)
{
    if (!m_headRead) {
        m_headRead = true;
        while (m_headSize < sizeof m_head) {
            const long count = m_source.read(m_head + m_headSize, sizeof m_head - m_headSize);
            if (count < 0) {
                return count;
            }
            if (count == 0) {
                break;
            }
            m_headSize += static_cast<std::size_t>(count);
        }
        if (m_headSize == sizeof m_head && std::string_view(m_head, 3) == "\xEF\xBB\xBF") {
            m_headTaken = m_headSize;
        }
    }
    if (m_headTaken < m_headSize) {
        const std::size_t count = std::min(room, m_headSize - m_headTaken);
        std::copy_n(m_head + m_headTaken, count, into);
        m_headTaken += count;
        return static_cast<long>(count);
    }
    return m_source.read(into, room);
}

} // namespace quillon::engine
