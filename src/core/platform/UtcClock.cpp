#include "core/platform/UtcClock.h"

namespace tav {

const SystemUtcClock& SystemUtcClock::Instance() {
    static const SystemUtcClock clock;
    return clock;
}

} // namespace tav
