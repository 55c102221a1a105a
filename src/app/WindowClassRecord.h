#pragma once

#include "framework/Framework.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The class record of one of the program's windows: the framework's Window
// operations followed by the class's own, one member record for each own
// operation (public; the control-building steps also hidden), and the
// class-level hooks: Layout and CreateControls, which every window has,
// and the others it is given.
template <class W> ClassRecord WindowClassRecord(std::string fullName, std::vector<MemberRecord> own, ClassHooks hooks)
{
    hooks.Layout = [](Window& w) { static_cast<W&>(w).Layout(); };
    hooks.CreateControls = [](Window& w) { static_cast<W&>(w).CreateControls(); };
    ClassRecord record;
    record.fullName = std::move(fullName);
    record.base = &WindowClass();
    record.methods = WindowClass().methods;
    for (MemberRecord& member : own) {
        member.attributes.emplace_back("__Scope", "Public");
        if (member.name.starts_with("_CreateControls"))
            member.attributes.emplace_back("Hidden", "");
        record.methods.push_back(member.name);
    }
    record.members = std::move(own);
    record.attributes = { { "__Scope", "Public" } };
    record.hooks = std::move(hooks);
    record.make = [] { return std::make_shared<W>(); };
    return record;
}

// The member records of the 13 menu-item accessors of a window with MenuBar1.
inline std::vector<MemberRecord> MenuBar1AccessorMembers(std::span<const std::string_view> names)
{
    std::vector<MemberRecord> members;
    for (std::string_view name : names) {
        const char* result = name == "AppleAbout" ? "AppleMenuItem" : name == "FileQuit" ? "QuitMenuItem" : "MenuItem";
        members.push_back({ std::string(name), std::string("(  ) as ") + result, {} });
    }
    return members;
}
