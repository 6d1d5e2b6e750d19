#include "services/SharedState.h"

#include "platform/MessageBox.h"

#include <algorithm>
#include <limits>

SharedState& Shared() {
    static SharedState state;
    // Boxes that name no title carry the open game's; installed with the state it reads, so
    // no box can ask before it is there.
    static const bool titled = [] {
        platform::SetDefaultTitleSource([] { return state.GameTitle; });
        return true;
    }();
    (void)titled;
    return state;
}

int32_t AddScore(int32_t score, int64_t add) {
    const int64_t sum = int64_t(score) + add;
    return int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}
