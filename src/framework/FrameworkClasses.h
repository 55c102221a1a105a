#pragma once

#include "ClassRecord.h"

#include <vector>

// The class records of the framework's own classes. The program's classes
// name these as their bases.
const ClassRecord& ObjectClass();
const ClassRecord& ApplicationClass();
const ClassRecord& WindowClass();
const ClassRecord& MenuItemClass();
const ClassRecord& MenuBarClass();
const ClassRecord& AppleMenuItemClass();
const ClassRecord& QuitMenuItemClass();
const ClassRecord& RectControlClass();
const ClassRecord& TextFieldClass();
const ClassRecord& TextAreaClass();
const ClassRecord& LabelClass();
const ClassRecord& PopupMenuClass();
const ClassRecord& PushButtonClass();
const ClassRecord& CanvasClass();
// Supplied through the plugin interface.
const ClassRecord& BevelButtonClass();

// The framework's classes in the order the runtime registers them.
std::vector<const ClassRecord*> FrameworkClasses();
