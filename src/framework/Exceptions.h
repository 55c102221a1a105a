#pragma once

#include <memory>
#include <stdexcept>
#include <string>

// The framework's exception types. They are the only exceptions the program's
// own code throws; the framework catches them where control returns to Qt.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message = std::string());

    // The exception's class name, as the unhandled-exception report shows it.
    virtual const char* ClassName() const noexcept { return "RuntimeException"; }
    virtual std::shared_ptr<RuntimeException> Clone() const;
    [[noreturn]] virtual void Rethrow() const { throw *this; }

    std::string Message() const { return what(); }
};

// Raised whenever the program uses an object that is not there.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& message = "This object does not exist.");

    const char* ClassName() const noexcept override { return "NilObjectException"; }
    std::shared_ptr<RuntimeException> Clone() const override;
    [[noreturn]] void Rethrow() const override { throw *this; }
};

// Throws NilObjectException when the pointer is null; gives it back otherwise.
template <class P> P& NilCheck(P& pointer, const char* what = nullptr)
{
    if (!pointer)
        throw NilObjectException(
            what ? std::string(what) + " does not exist." : std::string("This object does not exist."));
    return pointer;
}
