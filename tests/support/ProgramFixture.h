#pragma once

#include "app/IktoSI.h"
#include "app/Startup.h"
#include "framework/Framework.h"
#include "support/CleanState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Starts the program as far as the event loop, without running it: classes
// registered, application object with its menu bar, menu handlers bound.
// Addresses handed to the desktop are recorded instead of opened.
class ProgramFixture : public CleanState {
protected:
    void SetUp() override
    {
        RuntimeInit();
        _Initialize();
        _RuntimeInitExternalClasses();
        _InitPluginEntrypoints();
        _NewAppInstance();
        _ApplicationAddMenuHandlers();
        _SetShowURLHandler([this](const std::string& address) { openedAddresses.push_back(address); });
    }

    std::vector<std::string> openedAddresses;
};
