#pragma once

#include "framework/PropertyTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Property lists written as typed entries and encoded to their exact bytes
// at compile time: the name, one space, and the value in its type's width
// (Boolean 1 byte, Integer 4 bytes big-endian, String a 4-byte big-endian
// byte count and the UTF-8 bytes, Color 3 bytes R G B), back to back.
namespace plist {

struct Entry {
    std::string_view name;
    PropertyType type = PropertyType::Boolean;
    bool boolean = false;
    std::int32_t integer = 0;
    std::uint32_t color = 0;
    std::string_view text;
};

// A name of no known type, or of another type, stops the compilation here:
// a throw cannot be evaluated at compile time.
consteval void CheckType(std::string_view name, PropertyType type)
{
    const std::optional<PropertyType> known = PropertyTypeOf(name);
    if (!known)
        throw "unknown property name";
    if (*known != type)
        throw "the property has another type";
}

consteval Entry Bool(std::string_view name, bool value)
{
    CheckType(name, PropertyType::Boolean);
    return { name, PropertyType::Boolean, value, 0, 0, {} };
}

consteval Entry Int(std::string_view name, std::int32_t value)
{
    CheckType(name, PropertyType::Integer);
    return { name, PropertyType::Integer, false, value, 0, {} };
}

consteval Entry Str(std::string_view name, std::string_view value)
{
    CheckType(name, PropertyType::String);
    return { name, PropertyType::String, false, 0, 0, value };
}

consteval Entry Color(std::string_view name, std::uint32_t rgb)
{
    CheckType(name, PropertyType::Color);
    if (rgb > 0xFFFFFF)
        throw "a colour is 0xRRGGBB: three bytes, no alpha";
    return { name, PropertyType::Color, false, 0, rgb, {} };
}

constexpr std::size_t EncodedSize(const Entry& entry)
{
    std::size_t size = entry.name.size() + 1;
    switch (entry.type) {
    case PropertyType::Boolean:
        return size + 1;
    case PropertyType::Integer:
        return size + 4;
    case PropertyType::Color:
        return size + 3;
    case PropertyType::String:
        return size + 4 + entry.text.size();
    }
    return size;
}

template <std::size_t N> constexpr std::size_t EncodedSize(const std::array<Entry, N>& entries)
{
    std::size_t size = 0;
    for (const Entry& entry : entries)
        size += EncodedSize(entry);
    return size;
}

template <std::size_t Size, std::size_t N>
constexpr std::array<std::uint8_t, Size> Encode(const std::array<Entry, N>& entries)
{
    std::array<std::uint8_t, Size> out {};
    std::size_t at = 0;
    auto put32 = [&](std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out[at++] = static_cast<std::uint8_t>(value >> shift);
    };
    for (const Entry& entry : entries) {
        for (char c : entry.name)
            out[at++] = static_cast<std::uint8_t>(c);
        out[at++] = 0x20;
        switch (entry.type) {
        case PropertyType::Boolean:
            out[at++] = entry.boolean ? 1 : 0;
            break;
        case PropertyType::Integer:
            put32(static_cast<std::uint32_t>(entry.integer));
            break;
        case PropertyType::Color:
            out[at++] = static_cast<std::uint8_t>(entry.color >> 16);
            out[at++] = static_cast<std::uint8_t>(entry.color >> 8);
            out[at++] = static_cast<std::uint8_t>(entry.color);
            break;
        case PropertyType::String:
            put32(static_cast<std::uint32_t>(entry.text.size()));
            for (char c : entry.text)
                out[at++] = static_cast<std::uint8_t>(c);
            break;
        }
    }
    return out;
}

// The encoded bytes of a list of entries held in a constant.
template <const auto& Entries> consteval auto EncodePropertyList()
{
    return Encode<EncodedSize(Entries)>(Entries);
}

// The same for entries made by a function: EncodeList([] { return std::array { ... }; }).
template <class MakeEntries> consteval auto EncodeList(MakeEntries)
{
    constexpr auto entries = MakeEntries {}();
    return Encode<EncodedSize(entries)>(entries);
}

// A list in the reverse order of its entries: it lays an object out alike.
template <std::size_t N> constexpr std::array<Entry, N> Reversed(const std::array<Entry, N>& entries)
{
    std::array<Entry, N> reversed {};
    for (std::size_t i = 0; i < N; ++i)
        reversed[i] = entries[N - 1 - i];
    return reversed;
}

template <std::size_t Size> constexpr std::span<const std::uint8_t> Bytes(const std::array<std::uint8_t, Size>& list)
{
    return { list.data(), list.size() };
}

// Every control of an array-less layout carries this Index.
inline constexpr std::int32_t kNoControlArray = -2147483647 - 1;

} // namespace plist
