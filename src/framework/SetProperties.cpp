#include "SetProperties.h"

#include "Exceptions.h"

#include <algorithm>

namespace {

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }

    bool AtEnd() const noexcept { return at_ == bytes_.size(); }
    std::size_t Left() const noexcept { return bytes_.size() - at_; }

    // The property name: every byte up to the next space, which is skipped.
    std::string Name()
    {
        const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(at_);
        const auto space = std::find(begin, bytes_.end(), std::uint8_t { 0x20 });
        std::string name(begin, space);
        if (space == bytes_.end())
            throw RuntimeException("Property list ends inside the name \"" + name + "\"");
        at_ += name.size() + 1;
        return name;
    }

    PropertyValue Value(const std::string& name, PropertyType type)
    {
        switch (type) {
        case PropertyType::Boolean:
            return Take(name, 1)[0] != 0;
        case PropertyType::Integer:
            return static_cast<std::int32_t>(BigEndian32(Take(name, 4)));
        case PropertyType::Color: {
            auto rgb = Take(name, 3);
            return RGBColor { (std::uint32_t { rgb[0] } << 16) | (std::uint32_t { rgb[1] } << 8) | rgb[2] };
        }
        case PropertyType::String: {
            const std::uint32_t count = BigEndian32(Take(name, 4));
            if (count > Left())
                throw RuntimeException("Property list ends inside the text of \"" + name + "\"");
            auto text = Take(name, count);
            return std::string(text.begin(), text.end());
        }
        }
        throw RuntimeException("Property \"" + name + "\" has no known type");
    }

private:
    std::span<const std::uint8_t> Take(const std::string& name, std::size_t count)
    {
        if (count > Left())
            throw RuntimeException("Property list ends inside the value of \"" + name + "\"");
        auto taken = bytes_.subspan(at_, count);
        at_ += count;
        return taken;
    }

    static std::uint32_t BigEndian32(std::span<const std::uint8_t> b)
    {
        return (std::uint32_t { b[0] } << 24) | (std::uint32_t { b[1] } << 16) | (std::uint32_t { b[2] } << 8) | b[3];
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace

void _SetProperties(PropertyTarget& object, std::span<const std::uint8_t> list)
{
    Reader reader(list);
    while (!reader.AtEnd()) {
        const std::string name = reader.Name();
        const std::optional<PropertyType> type = PropertyTypeOf(name);
        if (!type)
            throw RuntimeException("Unknown property \"" + name + "\" in property list");
        const PropertyValue value = reader.Value(name, *type);
        object.SetProperty(name, value);
    }
}

void _SetProperties(PropertyTarget& object, std::string_view list)
{
    _SetProperties(
        object, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(list.data()), list.size()));
}
