#include "frame/GameProfile.h"

const TimeItem* GameProfile::timeItem(int seconds) const {
    for (const TimeItem& t : timeItems)
        if (t.seconds == seconds) return &t;
    return nullptr;
}

int GameProfile::designIndexOf(int number) const {
    for (int i = 0; i < 4; ++i)
        if (designNumbers[size_t(i)] == number) return i;
    return -1;
}
