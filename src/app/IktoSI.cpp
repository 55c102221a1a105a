#include "IktoSI.h"

const ClassRecord& IktoSIClass()
{
    static const ClassRecord record = [] {
        ClassRecord r;
        r.fullName = "IktoSI";
        r.base = &ApplicationClass();
        r.methods = ApplicationClass().methods;
        for (const char* own : { "Event_Open", "_AppleAbout_Action", "CalcEff", "FuelChoice", "IktoSI.Constructor" })
            r.methods.emplace_back(own);
        r.attributes = { { "__Scope", "Public" } };
        r.hooks.Open = [](Application& app) { static_cast<IktoSI&>(app).Event_Open(); };
        r.make = [] { return std::make_shared<IktoSI>(); };
        return r;
    }();
    return record;
}

std::shared_ptr<IktoSI> App()
{
    return RuntimeCheckCast<IktoSI>(_GetAppObject(), IktoSIClass());
}

void IktoSI::Event_Open()
{
    std::shared_ptr<IktoSI> app = App();
    NilCheck(app, "The application object");
    app->SetAutoQuit(true);
}

void IktoSI::Constructor() { }
