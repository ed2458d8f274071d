#pragma once

#include "core/ControlBinder.h"

namespace vellaro {

// The window of today's flights, Form3.
class TodaysFlightsWindow : public WindowView {
  public:
    static void build(Form& form);
    using WindowView::WindowView;

    TextBox& Text1 = bind_.get<TextBox>("Text1");
    Label& Label1 = bind_.get<Label>("Label1");
    Label& Label2 = bind_.get<Label>("Label2");
    Button& Command1 = bind_.get<Button>("Command1");
    Timer& Timer1 = bind_.get<Timer>("Timer1");
};

} // namespace vellaro
