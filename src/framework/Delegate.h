#pragma once

#include "Exceptions.h"
#include "Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

class RectControl;

// What a control event hands its handler after the window.
struct EventArgs {
    RectControl* control = nullptr;
    std::string key;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A callable bound to an object (or to none), with the signature text that
// names the handler's parameters. A weak delegate does not keep its object
// alive; invoking it once the object is gone raises NilObjectException.
class Delegate : public Object {
public:
    // What an event delegate runs: the handler on its object, with the event's arguments.
    using Invoker = std::function<bool(Object*, const EventArgs&)>;

    Delegate(std::shared_ptr<Object> target, std::string signature, bool weak);

    const std::string& Signature() const noexcept { return signature_; }
    bool IsWeak() const noexcept { return weak_; }
    bool HasTarget() const noexcept { return hasTarget_; }
    // The bound object while it exists; null for a delegate bound to none.
    std::shared_ptr<Object> Target() const;

protected:
    // The bound object, kept alive for the duration of one call.
    std::shared_ptr<Object> LockTarget() const;

private:
    std::string signature_;
    bool weak_;
    bool hasTarget_;
    std::shared_ptr<Object> strong_;
    std::weak_ptr<Object> weakTarget_;
};

template <class R, class... A> class DelegateOf : public Delegate {
public:
    using Invoker = std::function<R(Object*, A...)>;

    DelegateOf(Invoker invoker, std::shared_ptr<Object> target, std::string signature, bool weak)
        : Delegate(std::move(target), std::move(signature), weak)
        , invoker_(std::move(invoker))
    {
    }

    R Invoke(A... args) const
    {
        std::shared_ptr<Object> target = LockTarget();
        return invoker_(target.get(), std::forward<A>(args)...);
    }

private:
    Invoker invoker_;
};

using EventDelegate = DelegateOf<bool, const EventArgs&>;
using MenuHandlerDelegate = DelegateOf<bool>;
using RoutineDelegate = DelegateOf<void>;
using Routine = void (*)(void*);
using ExceptionHelperDelegate = DelegateOf<std::shared_ptr<RuntimeException>, Routine, void*>;

// Makes a delegate from an invoker, the object it is bound to (or none), the
// handler's signature text and the weak flag (1: do not keep the object alive).
template <class R, class... A>
std::shared_ptr<DelegateOf<R, A...>> RuntimeCreateDelegate(
    std::type_identity_t<std::function<R(Object*, A...)>> invoker, std::shared_ptr<Object> object,
    std::string signature, int weakFlag)
{
    return std::make_shared<DelegateOf<R, A...>>(
        std::move(invoker), std::move(object), std::move(signature), weakFlag != 0);
}

namespace Invokers {

template <class T> T& Self(Object* target)
{
    T* self = dynamic_cast<T*>(target);
    if (!self)
        throw NilObjectException("The handler's object does not exist.");
    return *self;
}

template <class C> C* ControlOf(const EventArgs& args)
{
    return dynamic_cast<C*>(args.control);
}

// Adaptors from a method of a window to an event delegate's invoker, one per
// handler shape: (control), (control, key) as Boolean, (control, key),
// (control, x, y) as Boolean.
template <class W, class C> std::function<bool(Object*, const EventArgs&)> Event(void (W::*method)(C*))
{
    return [method](Object* target, const EventArgs& args) {
        (Self<W>(target).*method)(ControlOf<C>(args));
        return false;
    };
}

template <class W, class C> std::function<bool(Object*, const EventArgs&)> Event(bool (W::*method)(C*, std::string))
{
    return [method](Object* target, const EventArgs& args) {
        return (Self<W>(target).*method)(ControlOf<C>(args), args.key);
    };
}

template <class W, class C> std::function<bool(Object*, const EventArgs&)> Event(void (W::*method)(C*, std::string))
{
    return [method](Object* target, const EventArgs& args) {
        (Self<W>(target).*method)(ControlOf<C>(args), args.key);
        return false;
    };
}

template <class W, class C>
std::function<bool(Object*, const EventArgs&)> Event(bool (W::*method)(C*, std::int32_t, std::int32_t))
{
    return [method](Object* target, const EventArgs& args) {
        return (Self<W>(target).*method)(ControlOf<C>(args), args.x, args.y);
    };
}

// A method that takes nothing and answers whether it handled a menu command.
template <class T> std::function<bool(Object*)> MenuHandler(bool (T::*method)())
{
    return [method](Object* target) { return (Self<T>(target).*method)(); };
}

// A routine bound to no object.
inline std::function<void(Object*)> Routine0(void (*routine)())
{
    return [routine](Object*) { routine(); };
}

} // namespace Invokers
