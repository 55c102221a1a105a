#pragma once

#include "framework/Framework.h"

#include <memory>

// The shared-instance accessor every window class of the program uses: the
// open window kept under the class's full name, or a new one built now.
template <class W> std::shared_ptr<W> SharedWindow(const ClassRecord& record)
{
    std::shared_ptr<Object> answer = _GetImplicitWindow(record.fullName);
    if (!answer) {
        answer = RuntimeNewObject(record);
        std::static_pointer_cast<Window>(answer)->Constructor();
    }
    return RuntimeCheckCast<W>(answer, record);
}
