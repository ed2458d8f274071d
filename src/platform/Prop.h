#pragma once

#include <QLatin1StringView>
#include <QStringView>

#include <optional>

namespace vellaro {

// The properties of controls and windows, as they cross to a front end and as
// scripts name them. All stands for every property at once (a front end's first
// sync); it has no name.
enum class Prop {
    Text,
    Caption,
    Left,
    Top,
    Width,
    Height,
    Visible,
    Enabled,
    ForeColor,
    BackColor,
    ToolTipText,
    SelStart,
    Value,
    Interval,
    List,
    ListCount,
    ListIndex,
    Picture,
    Focus,
    Loaded,
    TopMost,
    WindowState,
    All
};

// Every property but All, in declaration order.
inline constexpr Prop kEveryProp[] = {
    Prop::Text,        Prop::Caption,    Prop::Left,    Prop::Top,       Prop::Width,
    Prop::Height,      Prop::Visible,    Prop::Enabled, Prop::ForeColor, Prop::BackColor,
    Prop::ToolTipText, Prop::SelStart,   Prop::Value,   Prop::Interval,  Prop::List,
    Prop::ListCount,   Prop::ListIndex,  Prop::Picture, Prop::Focus,     Prop::Loaded,
    Prop::TopMost,     Prop::WindowState};

// The name scripts use ("ToolTipText"); exact, case-sensitive.
QLatin1StringView propName(Prop p);
std::optional<Prop> propFromName(QStringView name);

} // namespace vellaro
