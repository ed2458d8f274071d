#pragma once

#include "core/ControlBinder.h"

namespace vellaro {

inline constexpr int kGroundRows = 10;

// The Ground-Info window Form4: ten rows of callsign, the cl, st and tx ticks and "Lö".
class GroundInfoWindow : public WindowView {
  public:
    static void build(Form& form);
    using WindowView::WindowView;

    Label& Label1 = bind_.get<Label>("Label1");
    ControlArray<TextBox, kGroundRows> Text1{bind_.array<TextBox, kGroundRows>("Text1")};
    ControlArray<CheckBox, kGroundRows> Check1{bind_.array<CheckBox, kGroundRows>("Check1")};
    ControlArray<CheckBox, kGroundRows> Check2{bind_.array<CheckBox, kGroundRows>("Check2")};
    ControlArray<CheckBox, kGroundRows> Check3{bind_.array<CheckBox, kGroundRows>("Check3")};
    ControlArray<Button, kGroundRows> Command1{bind_.array<Button, kGroundRows>("Command1")};
    Button& Command2 = bind_.get<Button>("Command2");
    Button& Command3 = bind_.get<Button>("Command3");
};

} // namespace vellaro
