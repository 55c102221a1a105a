#include "Exceptions.h"

RuntimeException::RuntimeException(const std::string& message)
    : std::runtime_error(message)
{
}

std::shared_ptr<RuntimeException> RuntimeException::Clone() const
{
    return std::make_shared<RuntimeException>(*this);
}

NilObjectException::NilObjectException(const std::string& message)
    : RuntimeException(message)
{
}

std::shared_ptr<RuntimeException> NilObjectException::Clone() const
{
    return std::make_shared<NilObjectException>(*this);
}
