// The converter window's toolkit-free rules.
#include "ui/shared/ConverterState.h"

#include "engine/ProgramInfo.h"

#include <utility>

namespace quillon::forms {

ConverterState::ConverterState(Pacing pacing)
    : m_pacer(pacing)
{
}

void ConverterState::setRecordCount(std::int64_t count)
{
    m_count = count;
    m_countPending = true;
}

ConverterState::Stop ConverterState::stop()
{
    if (!m_pacer.eventsDue()) {
        return {};
    }
    return {true, m_pacer.counterDue()};
}

std::optional<std::int64_t> ConverterState::takePendingCount()
{
    if (!m_countPending) {
        return std::nullopt;
    }
    m_countPending = false;
    return m_count;
}

run::Message titled(run::Message message)
{
    if (message.title.empty()) {
        message.title = engine::kApplicationTitle;
    }
    return message;
}

} // namespace quillon::forms
