// What a window that has no result box of its own shows after a run.
#include "run/RunHost.h"

#include "run/RunMessages.h"

namespace quillon::run {

void RunHost::showRunResult(const RunResult& result)
{
    if (const auto notes = runNotesMessage(result)) {
        showMessage(*notes);
    }
}

} // namespace quillon::run
