#pragma once

#include "platform/Prop.h"

#include <QVariant>

#include <array>
#include <cstddef>

namespace vellaro {

class Control;
class Form;

bool toBool(const QVariant& v);
// How a kind reports Visible: a window not created yet reads as hidden.
bool visibleAsRead(const Control& c);
bool visibleAsRead(const Form& f);

// How scripts and the front end read and write one property of a kind of object.
template <class T> struct PropertyAccess {
    Prop prop;
    QVariant (*read)(const T&);
    void (*write)(T&, const QVariant&);
};

template <class T, std::size_t N> using PropertyTable = std::array<PropertyAccess<T>, N>;

// Where it stands and whether it is shown: what every control and every window has.
template <class T> constexpr PropertyTable<T, 7> placementProperties() {
    return {{
        {Prop::Left, [](const T& o) -> QVariant { return o.left(); },
         [](T& o, const QVariant& v) { o.setLeft(v.toInt()); }},
        {Prop::Top, [](const T& o) -> QVariant { return o.top(); },
         [](T& o, const QVariant& v) { o.setTop(v.toInt()); }},
        {Prop::Width, [](const T& o) -> QVariant { return o.width(); },
         [](T& o, const QVariant& v) { o.setWidth(v.toInt()); }},
        {Prop::Height, [](const T& o) -> QVariant { return o.height(); },
         [](T& o, const QVariant& v) { o.setHeight(v.toInt()); }},
        {Prop::Visible, [](const T& o) -> QVariant { return visibleAsRead(o); },
         [](T& o, const QVariant& v) { o.setVisible(toBool(v)); }},
        {Prop::Enabled, [](const T& o) -> QVariant { return o.enabled(); },
         [](T& o, const QVariant& v) { o.setEnabled(toBool(v)); }},
        {Prop::BackColor, [](const T& o) -> QVariant { return o.backColor(); },
         [](T& o, const QVariant& v) { o.setBackColor(v.toLongLong()); }},
    }};
}

template <class T, std::size_t A, std::size_t B>
constexpr PropertyTable<T, A + B> joinProperties(const PropertyTable<T, A>& a,
                                                 const PropertyTable<T, B>& b) {
    PropertyTable<T, A + B> out{};
    for (std::size_t i = 0; i < A; ++i) {
        out[i] = a[i];
    }
    for (std::size_t i = 0; i < B; ++i) {
        out[A + i] = b[i];
    }
    return out;
}

// An invalid QVariant for a property the table lacks.
template <class T, std::size_t N>
QVariant readProperty(const PropertyTable<T, N>& table, const T& o, Prop p) {
    for (const PropertyAccess<T>& e : table) {
        if (e.prop == p) {
            return e.read(o);
        }
    }
    return {};
}

// False for a property the table lacks.
template <class T, std::size_t N>
bool writeProperty(const PropertyTable<T, N>& table, T& o, Prop p, const QVariant& v) {
    for (const PropertyAccess<T>& e : table) {
        if (e.prop == p) {
            e.write(o, v);
            return true;
        }
    }
    return false;
}

} // namespace vellaro
