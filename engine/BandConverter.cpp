// BAND conversion.
#include "engine/BandConverter.h"

namespace quillon::engine {

void convertBand(std::string& band, BandFormat /*format*/, AdifFragment& fragment)
{
    applyPlainRule(band, "BAND", fragment);
}

} // namespace quillon::engine
