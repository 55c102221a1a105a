#pragma once

#include <memory>

struct ClassRecord;

// Base of every framework object that can be bound to a delegate or kept by
// the runtime. Objects live in shared pointers; a weak delegate holds a
// weak pointer, so it never keeps its object alive.
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    // The class record the object was made from, or null for objects that
    // were made directly in C++ (the framework's own helpers, tests).
    const ClassRecord* Class() const noexcept { return class_; }
    void _SetClass(const ClassRecord* record) noexcept { class_ = record; }

private:
    const ClassRecord* class_ = nullptr;
};
