#pragma once

#include "core/ControlBinder.h"

namespace vellaro {

// The SID chart window Form5: the west and east SID charts and the sector chart.
class ChartWindow : public WindowView {
  public:
    static void build(Form& form);
    using WindowView::WindowView;

    PictureBox& Picture1 = bind_.get<PictureBox>("Picture1");
    PictureBox& Picture2 = bind_.get<PictureBox>("Picture2");
    PictureBox& Picture3 = bind_.get<PictureBox>("Picture3");
    Shape& Shape1 = bind_.get<Shape>("Shape1");
    Shape& Shape2 = bind_.get<Shape>("Shape2");
};

} // namespace vellaro
