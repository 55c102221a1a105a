#include "HeldKeys.h"

#include <algorithm>
#include <utility>

HeldKeys::Press HeldKeys::Pressed(std::uint64_t key, std::uint64_t timestamp, bool autoRepeat, bool focusKey)
{
    // Only the key event right after a stray release can be its repeat.
    const std::optional<StrayRelease> strayRelease = std::exchange(strayRelease_, std::nullopt);
    // The toolkit marks a repeat only if it sees the press queued behind the
    // release, which under load it can miss.
    const bool repeat = autoRepeat
        || (strayRelease && strayRelease->key == key && timestamp != 0 && strayRelease->timestamp == timestamp);
    if (!repeat) {
        if (!Holds(key))
            keys_.push_back(key);
    } else if (!Holds(key)) {
        // A held Tab is the exception: it goes on moving the focus from
        // control to control.
        return focusKey ? Press::PassToWidget : Press::Swallow;
    }
    return Press::RaiseKeyDown;
}

bool HeldKeys::Released(std::uint64_t key, std::uint64_t timestamp, bool autoRepeat)
{
    strayRelease_.reset();
    if (autoRepeat)
        return false;
    const auto held = std::find(keys_.begin(), keys_.end(), key);
    if (held == keys_.end()) {
        strayRelease_ = StrayRelease { key, timestamp };
        return false;
    }
    keys_.erase(held);
    return true;
}

void HeldKeys::FocusLost() noexcept
{
    keys_.clear();
    strayRelease_.reset();
}

bool HeldKeys::Holds(std::uint64_t key) const
{
    return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}
