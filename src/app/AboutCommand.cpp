#include "IktoSI.h"
#include "Startup.h"
#include "windows/AboutWindow.h"

#include <memory>

bool IktoSI::_AppleAbout_Action()
{
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    NilCheck(about, "The About window");
    about->Show();
    return true;
}

void _ApplicationAddMenuHandlers()
{
    std::shared_ptr<IktoSI> app = App();
    NilCheck(app, "The application object");
    // Held strongly: the command must work for as long as the program runs.
    app->_AddMenuHandler("AppleAbout",
        RuntimeCreateDelegate<bool>(Invokers::MenuHandler(&IktoSI::_AppleAbout_Action), app, "(  ) as Boolean", 0));
}
