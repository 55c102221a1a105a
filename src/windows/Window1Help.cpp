// The converter window's Info button: the help window with the help text.

#include "converter/Window1.h"
#include "windows/MsgWindow.h"

#include <array>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kHelpTitle = "TOOL TO ASSIST METRIC USERS OF THE ZORVANE";

// One piece of the help text and the line ends that follow it. The pieces
// carry their own spaces where words meet.
struct HelpPiece {
    std::string_view text;
    int lineEnds;
};

// Four headings, each with its paragraph on the next line; an empty line
// before each heading but the first, and none after the last paragraph.
// clang-format off
constexpr std::array<HelpPiece, 22> kHelpPieces { {
    { "TOOL TO ASSIST METRIC USERS OF THE ZORVANE ", 1 },
    { "This", 0 },
    { " tool was built as a temporary measure to assist the Metric System based users of the 'Zorvane' being sold", 0 },
    { " on the Mac App Store until an updated version releases having the ablility to display metric, UK or USA values via user choice.", 2 },
    { "TEMPERATURES", 0 },
    { " AND SPEEDS", 1 },
    { "Simply enter a speed value in either the km/h text box or the mph text box, press Enter or click on the 'Calc' button and", 0 },
    { " whichever needs to be converted will convert instantly and automatically.  Simply enter a temperature value in either", 0 },
    { " the Temp \u00B0C text box or the \u00B0F text box, press Enter or click the 'Calc' button and", 0 },
    { " whichever needs to be converted will convert instantly and automatically.", 2 },
    { "FUEL ENERGY CONTENT VALUES IN YELLOW", 1 },
    { "Use the", 0 },
    { " combo button to the right of the Fuel Type text box to choose a Fuel Type.  Once you have made this choice all of the other yellow text boxes will instantly display their", 0 },
    { " proper values.  If you would like to see where we get the values being used in this tool, click the button titled 'See Fuel Info Detail' just above these Yellow text boxes and", 0 },
    { " the window will expand and present you with such information.  Click the same button again to get rid of that", 0 },
    { " information.", 2 },
    { "FUEL EFFICIENCY VALUES DISPLAYED IN ORANGE", 1 },
    { "Enter a known value", 0 },
    { " into the proper Orange colored text box, press Enter or click the Calc button and the other Orange Fuel Efficiency values", 0 },
    { " will instantly manifest.  For instance if the IKTO program shows 43 MPG, enter", 0 },
    { " that value in the Orange colored MPG text box and all the other values in the Orange text boxes will be calculated and displayed instantly.  You can enter a value in any of", 0 },
    { " the boxes, press the Enter key or click the 'Calc' button and the other Orange text boxes will manifest their calculated values instantly.", 0 },
} };
// clang-format on

std::string HelpText()
{
    std::string text;
    for (const HelpPiece& piece : kHelpPieces) {
        text += piece.text;
        for (int i = 0; i < piece.lineEnds; ++i)
            text += EndOfLine;
    }
    return text;
}

} // namespace

void Window1::PBqsi_Action(PushButton*)
{
    // Each step fetches the help window anew: the accessor makes one when
    // none is open, so a closed help window comes back fresh.
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    NilCheck(help, "The help window");
    help->Show();

    help = MsgWindow();
    NilCheck(help, "The help window");
    help->SetTitle(std::string(kHelpTitle));

    help = MsgWindow();
    NilCheck(help, "The help window");
    TextArea* area = help->txtArea();
    NilCheck(area, "The help text area");
    // Built afresh on every press, so that any edit of the user's is replaced.
    area->SetText(HelpText());
}
