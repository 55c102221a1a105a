#pragma once

#include "converter/Window1.h"
#include "support/ProgramFixture.h"
#include "support/Widgets.h"

// The program started with its converter window open, shown and active.
class ConverterFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        window = Window1();
        ASSERT_NE(window, nullptr);
        ASSERT_NE(window->txtMPGUS(), nullptr) << "the converter window has no controls";
        ASSERT_TRUE(Widgets::Activate(*window));
    }

    // Types into the field as the user would: focus it, then each key.
    void TypeInto(TextField* field, const char* text)
    {
        Widgets::Focus(field);
        Widgets::Type(field, text);
    }

    void PressReturn(RectControl* control) { Widgets::Key(control, Qt::Key_Return); }

    std::shared_ptr<class Window1> window;
};
