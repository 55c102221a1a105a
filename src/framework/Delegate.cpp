#include "Delegate.h"

Delegate::Delegate(std::shared_ptr<Object> target, std::string signature, bool weak)
    : signature_(std::move(signature))
    , weak_(weak)
    , hasTarget_(target != nullptr)
{
    if (weak_)
        weakTarget_ = target;
    else
        strong_ = std::move(target);
}

std::shared_ptr<Object> Delegate::Target() const
{
    return weak_ ? weakTarget_.lock() : strong_;
}

std::shared_ptr<Object> Delegate::LockTarget() const
{
    std::shared_ptr<Object> target = Target();
    if (hasTarget_ && !target)
        throw NilObjectException("The delegate's object no longer exists.");
    return target;
}
