#pragma once

#include "framework/Framework.h"

#include <memory>

// The program's menu bar: File (Quit), Edit (the usual editing commands)
// and Help (About). One shared instance, built on first use.
class MenuBar1 : public MenuBar {
public:
    void Constructor() override;
    void Untitled0();
    void Untitled1();
    void Untitled2();

    static std::shared_ptr<class MenuBar1> _implicitInstance;
    // Drops the shared instance, as the end of a run does.
    static void _implicitInstance__Exit();
};

const ClassRecord& MenuBar1Class();

// The shared menu bar; built on the first call.
std::shared_ptr<class MenuBar1> MenuBar1();
