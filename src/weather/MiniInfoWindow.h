#pragma once

#include "core/ControlBinder.h"

namespace vellaro {

// The Mini-Info window Form2: the weather block in one small bar.
class MiniInfoWindow : public WindowView {
  public:
    // Lays out every control of the window.
    static void build(Form& form);
    using WindowView::WindowView;

    TextBox& Text1 = bind_.get<TextBox>("Text1");
    TextBox& Text2 = bind_.get<TextBox>("Text2");
    TextBox& Text3 = bind_.get<TextBox>("Text3");
    TextBox& Text4 = bind_.get<TextBox>("Text4");
    TextBox& Text5 = bind_.get<TextBox>("Text5");
    TextBox& Text6 = bind_.get<TextBox>("Text6");
    TextBox& Text7 = bind_.get<TextBox>("Text7");
    Label& Label1 = bind_.get<Label>("Label1");
    Label& Label2 = bind_.get<Label>("Label2");
    Label& Label3 = bind_.get<Label>("Label3");
    Label& Label4 = bind_.get<Label>("Label4");
    Button& Command1 = bind_.get<Button>("Command1");
    Button& Command2 = bind_.get<Button>("Command2");
    Button& Command3 = bind_.get<Button>("Command3");
};

} // namespace vellaro
