#include "FuelFixture.h"
#include "fuel/FuelCatalogue.h"
#include "fuel/FuelInformationText.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\r'); end != std::string_view::npos; end = text.find('\r', start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

TEST(FuelInformationText, IsTwentyEightLinesEndedByLoneCarriageReturns)
{
    const std::vector<std::string> lines = Lines(kFuelInformationText);
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines.back(), "") << "nothing follows the last carriage return";
    EXPECT_EQ(lines[27], "");
    EXPECT_EQ(kFuelInformationText.find('\n'), std::string_view::npos);
    EXPECT_EQ(kFuelInformationText.find('"'), std::string_view::npos);
    EXPECT_TRUE(std::all_of(kFuelInformationText.begin(), kFuelInformationText.end(),
        [](char c) { return static_cast<unsigned char>(c) < 128; }));
    EXPECT_EQ(lines[0], "       ");
    EXPECT_EQ(lines[1], "       FUEL TYPES USED IN THE ZORVANE PROGRAM");
    EXPECT_EQ(lines[9], "  FUEL TYPE\t\t  \t GROSS ENERGY\t   \t    NET ENERGY");
}

// The table's net energy is the catalogue's, fuel for fuel, and its two
// Btu/GGE rows are the GGE fuels.
TEST(FuelInformationText, TableAgreesWithTheCatalogue)
{
    const std::vector<std::string> lines = Lines(kFuelInformationText);
    for (std::size_t i = 0; i < kFuelCatalogue.size(); ++i) {
        const std::string& row = lines[10 + i];
        const FuelRow& fuel = kFuelCatalogue[i];
        SCOPED_TRACE(row);
        const std::string net = row.substr(row.rfind('\t') + 1);
        std::string digits;
        for (char c : net)
            if (c >= '0' && c <= '9')
                digits += c;
        EXPECT_EQ(CDbl(digits), fuel.netBTUPerGalUS);
        EXPECT_EQ(net.ends_with("Btu/GGE"), fuel.gge);
    }
}

class FuelInformationPanel : public FuelFixture {
protected:
    QPlainTextEdit* Editor() const { return static_cast<QPlainTextEdit*>(Widgets::Of(window->TextArea1())); }

    void ExpectClosed()
    {
        EXPECT_FALSE(window->TextArea1()->Visible());
        EXPECT_FALSE(Editor()->isVisible());
        EXPECT_EQ(window->PBViewFuel()->Caption(), "See Fuel Info Detail");
        EXPECT_EQ(static_cast<QPushButton*>(Widgets::Of(window->PBViewFuel()))->text(), "See Fuel Info Detail");
        EXPECT_EQ(window->Height(), 161);
        EXPECT_EQ(window->_ContentWidget()->height(), 161);
    }

    void ExpectOpen()
    {
        EXPECT_TRUE(window->TextArea1()->Visible());
        EXPECT_TRUE(Editor()->isVisible());
        EXPECT_EQ(window->PBViewFuel()->Caption(), "Close Fuel Info Detail");
        EXPECT_EQ(static_cast<QPushButton*>(Widgets::Of(window->PBViewFuel()))->text(), "Close Fuel Info Detail");
        EXPECT_EQ(window->Height(), 650);
        EXPECT_EQ(window->_ContentWidget()->height(), 650);
        EXPECT_EQ(window->TextArea1()->Text(), kFuelInformationText);
    }

    void Press()
    {
        Widgets::Click(window->PBViewFuel());
        RuntimeProcessEvents();
    }

    // Where a table line's two figure columns start: just after the tab before
    // the gross figure and just after the last tab, before any padding blanks.
    std::pair<qreal, qreal> ColumnStarts(int lineIndex) const
    {
        const QTextBlock block = Editor()->document()->findBlockByNumber(lineIndex);
        const QString text = block.text();
        int gross = text.indexOf('\t');
        while (text[gross] == '\t' || text[gross] == ' ')
            ++gross;
        const int grossTab = text.lastIndexOf('\t', gross);
        const int netTab = text.lastIndexOf('\t');
        const QTextLine line = block.layout()->lineForTextPosition(netTab);
        return { line.cursorToX(grossTab + 1), line.cursorToX(netTab + 1) };
    }
};

TEST_F(FuelInformationPanel, OpensClosesAndOpensAgain)
{
    ExpectClosed();
    Press();
    ExpectOpen();
    Press();
    ExpectClosed();
    Press();
    ExpectOpen();
}

// The yellow fields, the fuel name and the panel show what the program
// writes: a click still reaches them, but no key or paste changes them, and
// the conversion goes on reading the energy the fuel gave.
TEST_F(FuelInformationPanel, TypingChangesNoReadOnlyControl)
{
    PickFuel("E85");
    Press();
    const std::vector<std::string> energy = Texts(kEnergyFields);
    const std::string panel = Editor()->toPlainText().toStdString();
    QApplication::clipboard()->setText("777");

    std::vector<RectControl*> readOnly { window->txtFuelType(), window->TextArea1() };
    for (Accessor field : kEnergyFields)
        readOnly.push_back(Field(field));
    for (RectControl* control : readOnly) {
        SCOPED_TRACE(control->Name());
        Widgets::Click(control);
        ASSERT_EQ(window->Focus(), control);
        Widgets::Type(control, "9");
        for (Qt::Key key : { Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_Delete })
            Widgets::Key(control, key);
        Widgets::Key(control, Qt::Key_V, Qt::ControlModifier);
        Widgets::Key(control, Qt::Key_A, Qt::ControlModifier);
        Widgets::Key(control, Qt::Key_X, Qt::ControlModifier);
    }
    EXPECT_EQ(Texts(kEnergyFields), energy);
    EXPECT_EQ(Shown(&Window1::txtFuelType), "E85");
    EXPECT_EQ(Editor()->toPlainText().toStdString(), panel);

    Enter(&Window1::txtMPGUS, "43");
    EXPECT_EQ(
        Texts(kEfficiencyFields), (std::vector<std::string> { "43", "51.64", "5.47", "18.28", "345.84", "556.58" }));
}

// The lone carriage returns break lines, and the table's columns line up.
TEST_F(FuelInformationPanel, ShowsTheLinesWithTheColumnsLinedUp)
{
    Press();
    const std::vector<std::string> lines = Lines(kFuelInformationText);
    QTextDocument* document = Editor()->document();
    ASSERT_EQ(document->blockCount(), 29);
    for (int i = 0; i < 29; ++i)
        EXPECT_EQ(document->findBlockByNumber(i).text().toStdString(), lines[static_cast<std::size_t>(i)]) << i;

    const auto header = ColumnStarts(9);
    for (int i = 10; i < 27; ++i) {
        SCOPED_TRACE(lines[static_cast<std::size_t>(i)]);
        EXPECT_EQ(document->findBlockByNumber(i).layout()->lineCount(), 1) << "a table row wraps";
        const auto starts = ColumnStarts(i);
        EXPECT_EQ(starts.first, header.first);
        EXPECT_EQ(starts.second, header.second);
    }
}

} // namespace
