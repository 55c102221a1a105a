#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Which key events belong to a control, by three rules:
// - The control holds the keys pressed in it since it took the focus: their
//   repeats raise its KeyDown and their releases its KeyUp. It forgets them
//   all when the focus leaves it.
// - A press that meets the stray release of the same key at one moment is a
//   repeat: a held key repeats as a release and a press with one timestamp,
//   which the toolkit fails to mark as such under load.
// - Repeats and releases of keys pressed elsewhere (in a list or a menu that
//   has closed since, in another control or another window) raise nothing
//   and type nothing, except Tab and Shift+Tab: a held one goes on moving
//   the focus.
//
// A key is known by an identity the caller gives (the same for the press,
// the repeats and the release of one key), and the events' timestamps,
// 0 where there is none.
class HeldKeys {
public:
    // What a control does with a key press.
    enum class Press {
        // The control's: it raises KeyDown, and the widget gets the key
        // unless a handler keeps it.
        RaiseKeyDown,
        // Not the control's, yet the widget gets it, with no KeyDown.
        PassToWidget,
        // Not the control's: neither the control nor the widget sees it.
        Swallow,
    };

    // A key press; `autoRepeat` when the toolkit marked it as a repeat,
    // `focusKey` for the keys that move the focus on or back.
    Press Pressed(std::uint64_t key, std::uint64_t timestamp, bool autoRepeat, bool focusKey);
    // A key release; true when it raises the control's KeyUp.
    bool Released(std::uint64_t key, std::uint64_t timestamp, bool autoRepeat);
    // Whatever takes the keys now gets the repeats and releases of the keys
    // still held down.
    void FocusLost() noexcept;

private:
    bool Holds(std::uint64_t key) const;

    // The release of a key pressed elsewhere, when it was the last key event.
    struct StrayRelease {
        std::uint64_t key;
        std::uint64_t timestamp;
    };

    std::vector<std::uint64_t> keys_;
    std::optional<StrayRelease> strayRelease_;
};
