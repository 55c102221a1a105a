#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Object;
class Window;
class Application;

using Attribute = std::pair<std::string, std::string>;

// What the framework's introspection knows of one operation of a class.
struct MemberRecord {
    std::string name;
    std::string signature;
    std::vector<Attribute> attributes;
};

// The class-level events a class record can hook, without a delegate.
struct ClassHooks {
    std::function<void(Window&)> Layout {};
    std::function<void(Window&)> CreateControls {};
    std::function<void(Window&, Window&)> AddMenuHandlers {};
    std::function<void(Window&)> Close {};
    std::function<void(Application&)> Open {};
};

// Describes one class to the runtime: its full name, base, method table in
// order, class-level hooks and the factory that makes unconstructed objects.
struct ClassRecord {
    std::string fullName;
    const ClassRecord* base = nullptr;
    std::vector<std::string> methods;
    std::vector<MemberRecord> members;
    std::vector<Attribute> attributes;
    ClassHooks hooks;
    std::function<std::shared_ptr<Object>()> make;

    // True when this record is `other` or derives from it.
    bool IsA(const ClassRecord& other) const noexcept
    {
        for (const ClassRecord* r = this; r; r = r->base)
            if (r == &other)
                return true;
        return false;
    }
};
