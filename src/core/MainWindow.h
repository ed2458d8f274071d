#pragma once

#include "core/ControlBinder.h"
#include "platform/Twips.h"

#include <array>

namespace vellaro {

inline constexpr int kStripRows = 7;

// Buttons beside the strip rows, by row: colour toggle "Fa", move to first "1." (row 0
// has none: ">" stands there) and delete "Lö".
inline constexpr std::array<const char*, kStripRows> kRowColourButtons = {
    "Command29", "Command27", "Command28", "Command30", "Command31", "Command32", "Command33"};
inline constexpr std::array<const char*, kStripRows> kRowFirstButtons = {
    nullptr, "Command21", "Command22", "Command23", "Command24", "Command25", "Command26"};
inline constexpr std::array<const char*, kStripRows> kRowDeleteButtons = {
    "Command17", "Command11", "Command12", "Command13", "Command14", "Command15", "Command16"};

using RowBoxes = ControlArray<TextBox, kStripRows>;

// The main window Form1 as the console's code sees it: every control, looked up once.
// Members carry the controls' own names, so the code reads as the behaviour is told.
class MainWindow : public WindowView {
  public:
    using WindowView::WindowView;

    // Weather block.
    TextBox& Text1 = bind_.get<TextBox>("Text1");
    TextBox& Text2 = bind_.get<TextBox>("Text2");
    TextBox& Text3 = bind_.get<TextBox>("Text3");
    TextBox& Text4 = bind_.get<TextBox>("Text4");
    TextBox& Text5 = bind_.get<TextBox>("Text5");
    TextBox& Text6 = bind_.get<TextBox>("Text6");
    TextBox& Text18 = bind_.get<TextBox>("Text18");
    // Squawk, initial climb, flight plan, macro box and parked panels.
    TextBox& Text12 = bind_.get<TextBox>("Text12");
    TextBox& Text13 = bind_.get<TextBox>("Text13");
    TextBox& Text15 = bind_.get<TextBox>("Text15");
    TextBox& Text16 = bind_.get<TextBox>("Text16");
    TextBox& Text17 = bind_.get<TextBox>("Text17");
    TextBox& Text19 = bind_.get<TextBox>("Text19");
    TextBox& Text20 = bind_.get<TextBox>("Text20");
    TextBox& Text21 = bind_.get<TextBox>("Text21");
    TextBox& Text22 = bind_.get<TextBox>("Text22");
    TextBox& Text23 = bind_.get<TextBox>("Text23");

    // The strip rows: callsign, destination, route, squawk, remarks.
    RowBoxes Text7{bind_.array<TextBox, kStripRows>("Text7")};
    RowBoxes Text8{bind_.array<TextBox, kStripRows>("Text8")};
    RowBoxes Text9{bind_.array<TextBox, kStripRows>("Text9")};
    RowBoxes Text10{bind_.array<TextBox, kStripRows>("Text10")};
    RowBoxes Text11{bind_.array<TextBox, kStripRows>("Text11")};
    std::array<Button*, kStripRows> rowColourButton = rowButtons(kRowColourButtons);
    std::array<Button*, kStripRows> rowFirstButton = rowButtons(kRowFirstButtons);
    std::array<Button*, kStripRows> rowDeleteButton = rowButtons(kRowDeleteButtons);

    Label& Label1 = bind_.get<Label>("Label1");
    Label& Label2 = bind_.get<Label>("Label2");
    Label& Label3 = bind_.get<Label>("Label3");
    Label& Label4 = bind_.get<Label>("Label4");
    Label& Label5 = bind_.get<Label>("Label5");
    Label& Label6 = bind_.get<Label>("Label6");
    Label& Label7 = bind_.get<Label>("Label7");
    Label& Label8 = bind_.get<Label>("Label8");
    Label& Label9 = bind_.get<Label>("Label9");
    Label& Label10 = bind_.get<Label>("Label10");
    Label& Label11 = bind_.get<Label>("Label11");
    Label& Label12 = bind_.get<Label>("Label12");
    Label& Label13 = bind_.get<Label>("Label13");
    Label& Label14 = bind_.get<Label>("Label14");
    Label& Label15 = bind_.get<Label>("Label15");
    Label& Label16 = bind_.get<Label>("Label16");
    Label& Label17 = bind_.get<Label>("Label17");
    Label& Label18 = bind_.get<Label>("Label18");
    Label& Label19 = bind_.get<Label>("Label19");
    Label& Label20 = bind_.get<Label>("Label20");
    Label& Label21 = bind_.get<Label>("Label21");
    Label& Label22 = bind_.get<Label>("Label22");
    Label& Label23 = bind_.get<Label>("Label23");
    Label& Label24 = bind_.get<Label>("Label24");
    Label& Label25 = bind_.get<Label>("Label25");
    Label& Label26 = bind_.get<Label>("Label26");
    Label& Label27 = bind_.get<Label>("Label27");
    // Is the link to the ATC client up?
    Label& Label28 = bind_.get<Label>("Label28");

    Button& Command1 = bind_.get<Button>("Command1");
    Button& Command2 = bind_.get<Button>("Command2");
    Button& Command3 = bind_.get<Button>("Command3");
    Button& Command4 = bind_.get<Button>("Command4");
    Button& Command5 = bind_.get<Button>("Command5");
    Button& Command6 = bind_.get<Button>("Command6");
    Button& Command7 = bind_.get<Button>("Command7");
    Button& Command8 = bind_.get<Button>("Command8");
    Button& Command9 = bind_.get<Button>("Command9");
    Button& Command10 = bind_.get<Button>("Command10");
    Button& Command18 = bind_.get<Button>("Command18");
    Button& Command19 = bind_.get<Button>("Command19");
    Button& Command20 = bind_.get<Button>("Command20");
    Button& Command34 = bind_.get<Button>("Command34");
    Button& Command35 = bind_.get<Button>("Command35");
    Button& Command36 = bind_.get<Button>("Command36");
    Button& Command37 = bind_.get<Button>("Command37");
    Button& Command38 = bind_.get<Button>("Command38");
    Button& Command39 = bind_.get<Button>("Command39");
    Button& Command40 = bind_.get<Button>("Command40");
    Button& Command41 = bind_.get<Button>("Command41");
    Button& Command42 = bind_.get<Button>("Command42");
    Button& Command43 = bind_.get<Button>("Command43");
    Button& Command44 = bind_.get<Button>("Command44");
    Button& Command45 = bind_.get<Button>("Command45");
    Button& Command46 = bind_.get<Button>("Command46");
    Button& Command47 = bind_.get<Button>("Command47");
    Button& Command48 = bind_.get<Button>("Command48");
    Button& Command49 = bind_.get<Button>("Command49");
    Button& Command50 = bind_.get<Button>("Command50");
    Button& Command51 = bind_.get<Button>("Command51");
    Button& Command52 = bind_.get<Button>("Command52");
    Button& Command53 = bind_.get<Button>("Command53");
    Button& Command54 = bind_.get<Button>("Command54");

    CheckBox& Check1 = bind_.get<CheckBox>("Check1");
    CheckBox& Check2 = bind_.get<CheckBox>("Check2");
    CheckBox& Check3 = bind_.get<CheckBox>("Check3");
    ComboBox& Combo1 = bind_.get<ComboBox>("Combo1");
    ComboBox& Combo2 = bind_.get<ComboBox>("Combo2");
    ComboBox& Combo3 = bind_.get<ComboBox>("Combo3");
    ComboBox& Combo4 = bind_.get<ComboBox>("Combo4");
    Shape& Shape1 = bind_.get<Shape>("Shape1");

    Timer& Timer1 = bind_.get<Timer>("Timer1");
    Timer& Timer2 = bind_.get<Timer>("Timer2");
    Timer& Timer3 = bind_.get<Timer>("Timer3");
    Timer& Timer4 = bind_.get<Timer>("Timer4");
    Timer& Timer5 = bind_.get<Timer>("Timer5");
    Timer& Timer6 = bind_.get<Timer>("Timer6");
    Timer& Timer7 = bind_.get<Timer>("Timer7");
    // Codes in use: the ATC client's targets, the status feed.
    Timer& Timer8 = bind_.get<Timer>("Timer8");
    Timer& Timer9 = bind_.get<Timer>("Timer9");

    // The five boxes of strip row n, in the order every row operation walks them.
    std::array<TextBox*, 5> row(int n) const;
    // Empties and hides the flight plan boxes below the board.
    void hideFlightPlan() const;

  private:
    std::array<Button*, kStripRows> rowButtons(const std::array<const char*, kStripRows>& names);
};

// Left edge, in twips, that centres a window of the given width on a screen of the
// given width in pixels (the arithmetic in pixels, single precision, as it always was).
int centredLeft(int screenWidthPx, int windowWidthTwips);

} // namespace vellaro
