#include "platform/Prop.h"

#include <iterator>

namespace vellaro {

namespace {

struct Named {
    Prop prop;
    QLatin1StringView name;
};

constexpr Named kNames[] = {
    {Prop::Text, QLatin1StringView("Text")},
    {Prop::Caption, QLatin1StringView("Caption")},
    {Prop::Left, QLatin1StringView("Left")},
    {Prop::Top, QLatin1StringView("Top")},
    {Prop::Width, QLatin1StringView("Width")},
    {Prop::Height, QLatin1StringView("Height")},
    {Prop::Visible, QLatin1StringView("Visible")},
    {Prop::Enabled, QLatin1StringView("Enabled")},
    {Prop::ForeColor, QLatin1StringView("ForeColor")},
    {Prop::BackColor, QLatin1StringView("BackColor")},
    {Prop::ToolTipText, QLatin1StringView("ToolTipText")},
    {Prop::SelStart, QLatin1StringView("SelStart")},
    {Prop::Value, QLatin1StringView("Value")},
    {Prop::Interval, QLatin1StringView("Interval")},
    {Prop::List, QLatin1StringView("List")},
    {Prop::ListCount, QLatin1StringView("ListCount")},
    {Prop::ListIndex, QLatin1StringView("ListIndex")},
    {Prop::Picture, QLatin1StringView("Picture")},
    {Prop::Focus, QLatin1StringView("Focus")},
    {Prop::Loaded, QLatin1StringView("Loaded")},
    {Prop::TopMost, QLatin1StringView("TopMost")},
    {Prop::WindowState, QLatin1StringView("WindowState")},
};

static_assert(std::size(kNames) == std::size(kEveryProp), "a property without a name");

} // namespace

QLatin1StringView propName(Prop p) {
    for (const Named& n : kNames) {
        if (n.prop == p) {
            return n.name;
        }
    }
    return {};
}

std::optional<Prop> propFromName(QStringView name) {
    for (const Named& n : kNames) {
        if (name == n.name) {
            return n.prop;
        }
    }
    return std::nullopt;
}

} // namespace vellaro
