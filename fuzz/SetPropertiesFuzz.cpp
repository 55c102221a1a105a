// The property-list reader over arbitrary bytes. The first byte picks a
// target class, the rest is the list. The list sits in a heap buffer of
// exactly its size, so that reading one byte past it stops the run.
//
// Every list is read into a target that records what it is given and
// compared with a reading by hand of the same bytes: the reader must set the
// same properties in the same order, and either take the whole list or
// throw RuntimeException after the entries before the faulty one. The same
// list is then laid onto a real window or control, which may refuse it only
// with RuntimeException.
#include "framework/Framework.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

using Setting = std::pair<std::string, PropertyValue>;

struct Recorder : PropertyTarget {
    std::vector<Setting> set;
    void SetProperty(std::string_view name, const PropertyValue& value) override
    {
        set.emplace_back(std::string(name), value);
    }
};

struct Reading {
    std::vector<Setting> settings;
    bool whole = false; // every byte belongs to a complete entry
};

// Entry by entry: a name up to a space, then a value as wide as the name's
// type says (Boolean 1 byte, Integer 4 big-endian, Color 3, String a 4-byte
// big-endian count and that many bytes).
Reading ReadByHand(std::span<const std::uint8_t> bytes)
{
    Reading reading;
    std::size_t at = 0;
    auto left = [&] { return bytes.size() - at; };
    auto bigEndian = [&] {
        const std::uint32_t v = (std::uint32_t { bytes[at] } << 24) | (std::uint32_t { bytes[at + 1] } << 16)
            | (std::uint32_t { bytes[at + 2] } << 8) | std::uint32_t { bytes[at + 3] };
        at += 4;
        return v;
    };
    while (at < bytes.size()) {
        std::size_t space = at;
        while (space < bytes.size() && bytes[space] != ' ')
            ++space;
        if (space == bytes.size())
            return reading;
        std::string name(
            bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(space));
        at = space + 1;
        const std::optional<PropertyType> type = PropertyTypeOf(name);
        if (!type)
            return reading;
        PropertyValue value;
        switch (*type) {
        case PropertyType::Boolean:
            if (left() < 1)
                return reading;
            value = bytes[at++] != 0;
            break;
        case PropertyType::Integer:
            if (left() < 4)
                return reading;
            value = static_cast<std::int32_t>(bigEndian());
            break;
        case PropertyType::Color:
            if (left() < 3)
                return reading;
            value = RGBColor { (std::uint32_t { bytes[at] } << 16) | (std::uint32_t { bytes[at + 1] } << 8)
                | std::uint32_t { bytes[at + 2] } };
            at += 3;
            break;
        case PropertyType::String: {
            if (left() < 4)
                return reading;
            const std::uint32_t count = bigEndian();
            if (left() < count)
                return reading;
            value = std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                bytes.begin() + static_cast<std::ptrdiff_t>(at + count));
            at += count;
            break;
        }
        }
        reading.settings.emplace_back(std::move(name), std::move(value));
    }
    reading.whole = true;
    return reading;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "_SetProperties: %s\n", what);
    std::abort();
}

void CheckAgainstReadingByHand(std::span<const std::uint8_t> list)
{
    Recorder recorder;
    bool threw = false;
    try {
        _SetProperties(recorder, list);
    } catch (const RuntimeException&) {
        threw = true;
    }
    const Reading expected = ReadByHand(list);
    if (threw == expected.whole)
        Fail(threw ? "threw on a complete list" : "returned without taking the whole list");
    if (recorder.set != expected.settings)
        Fail("set other properties than the list holds");
}

template <class C> std::shared_ptr<RectControl> NewControl(Window& window)
{
    return window.__New<C>();
}

// The control classes a list can lay out.
constexpr std::shared_ptr<RectControl> (*kControlClasses[])(Window&) = {
    &NewControl<TextField>,
    &NewControl<Label>,
    &NewControl<Canvas>,
    &NewControl<PopupMenu>,
    &NewControl<PushButton>,
    &NewControl<TextArea>,
    &NewControl<BevelButton>,
};
constexpr std::size_t kControlCount = sizeof kControlClasses / sizeof kControlClasses[0];

void LayOut(PropertyTarget& target, std::span<const std::uint8_t> list)
{
    try {
        _SetProperties(target, list);
    } catch (const RuntimeException&) {
        // A faulty list is refused; what it set before stays set.
    }
}

// A one-menu bar, so that a window's height also counts a menu bar's.
std::shared_ptr<MenuBar> OneMenuBar()
{
    auto bar = std::make_shared<MenuBar>();
    auto menu = std::make_shared<MenuItem>();
    menu->SetText("&File");
    auto item = std::make_shared<MenuItem>();
    item->SetText("&Quit");
    menu->Append(item);
    bar->Append(menu);
    return bar;
}

// A window laid out as a window's Layout does, constructed with what the
// list set, and laid out again as a built window (with its menu bar, as the
// program's windows have one).
void OntoWindow(std::span<const std::uint8_t> list, bool withMenuBar)
{
    auto window = std::make_shared<Window>();
    LayOut(*window, list);
    window->Constructor();
    if (withMenuBar)
        window->SetMenuBar(OneMenuBar());
    LayOut(*window, list);
    window->Close();
}

// A control made the way the program makes one, in a window that also holds
// another control the list may name as its parent.
void OntoControl(std::size_t controlClass, std::span<const std::uint8_t> list)
{
    auto window = std::make_shared<Window>();
    window->Constructor();
    std::shared_ptr<RectControl> parent = window->__New<Label>();
    parent->Constructor();
    parent->SetBounds(10, 20, 100, 40);
    window->_AddControl("Parent", parent);
    std::shared_ptr<RectControl> control = kControlClasses[controlClass](*window);
    control->Constructor();
    window->_AddControl("Fuzzed", control);
    LayOut(*control, list);
    window->Close();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // As far as start-up goes before the program's own objects exist.
    RuntimeInit();
    _RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The controls, a window without and with a menu bar, or the recording target alone.
    const std::size_t target = data[0] % (kControlCount + 3);
    const std::size_t length = size - 1;
    const auto buffer = std::make_unique<std::uint8_t[]>(length);
    if (length > 0)
        std::memcpy(buffer.get(), data + 1, length);
    const std::span<const std::uint8_t> list(buffer.get(), length);

    CheckAgainstReadingByHand(list);
    if (target < kControlCount)
        OntoControl(target, list);
    else if (target < kControlCount + 2)
        OntoWindow(list, target == kControlCount + 1);
    RuntimeProcessEvents();
    return 0;
}
