#include "core/StateFields.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"
#include "core/WeatherState.h"

#include <QPoint>

namespace vellaro {

namespace {

// How a field's value crosses to a script and back.
QVariant toVariant(int v) {
    return v;
}
QVariant toVariant(bool v) {
    return v;
}
QVariant toVariant(double v) {
    return v;
}
QVariant toVariant(const QString& v) {
    return v;
}
QVariant toVariant(const QPoint& p) {
    return QStringLiteral("%1 %2").arg(p.x()).arg(p.y());
}

void fromVariant(const QVariant& v, int& out) {
    out = v.toInt();
}
void fromVariant(const QVariant& v, bool& out) {
    out = v.toString() == QLatin1String("true") || v.toInt() != 0;
}
void fromVariant(const QVariant& v, double& out) {
    out = v.toDouble();
}
void fromVariant(const QVariant& v, QString& out) {
    out = v.toString();
}
void fromVariant(const QVariant& v, QPoint& out) {
    const QStringList parts = v.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    out = parts.size() == 2 ? QPoint(parts[0].toInt(), parts[1].toInt()) : QPoint();
}

} // namespace

template <typename S, typename T>
void StateFields::add(const char* owner, const char* name, S& s, T S::*m) {
    fields_.push_back({QLatin1String(owner) + QLatin1Char('.') + QLatin1String(name),
                       [&s, m] { return toVariant(s.*m); },
                       [&s, m](const QVariant& v) { fromVariant(v, s.*m); }});
}

void StateFields::addText(const char* name, TextBox& box) {
    fields_.push_back({QStringLiteral("WeatherState.") + QLatin1String(name),
                       [&box] { return QVariant(box.text()); },
                       [&box](const QVariant& v) { box.setText(v.toString()); }});
}

void StateFields::addCaption(const char* name, Label& label) {
    fields_.push_back({QStringLiteral("WeatherState.") + QLatin1String(name),
                       [&label] { return QVariant(label.caption()); },
                       [&label](const QVariant& v) { label.setCaption(v.toString()); }});
}

void StateFields::addBackColour(const char* name, Shape& shape) {
    fields_.push_back({QStringLiteral("WeatherState.") + QLatin1String(name),
                       [&shape] { return QVariant(shape.backColor()); },
                       [&shape](const QVariant& v) { shape.setBackColor(v.toLongLong()); }});
}

StateFields::StateFields(ConsoleState& s, WeatherState& w, const MainWindow& f) {
    const char* cs = "ConsoleState";
    add(cs, "stripsCollapsed", s, &ConsoleState::stripsCollapsed);
    add(cs, "checkLabelsShown", s, &ConsoleState::checkLabelsShown);
    add(cs, "groundMarkColumns", s, &ConsoleState::groundMarkColumns);
    add(cs, "autoSid", s, &ConsoleState::autoSid);
    add(cs, "timerMinutes", s, &ConsoleState::timerMinutes);
    add(cs, "timerSeconds", s, &ConsoleState::timerSeconds);
    add(cs, "atcLineIndex", s, &ConsoleState::atcLineIndex);
    add(cs, "conLineIndex", s, &ConsoleState::conLineIndex);
    add(cs, "flTablesClosed", s, &ConsoleState::flTablesClosed);
    add(cs, "controllerPanelClosed", s, &ConsoleState::controllerPanelClosed);
    add(cs, "ilsPanelClosed", s, &ConsoleState::ilsPanelClosed);
    add(cs, "groundInfoClosed", s, &ConsoleState::groundInfoClosed);
    add(cs, "commandHandled", s, &ConsoleState::commandHandled);
    add(cs, "startSquawk", s, &ConsoleState::startSquawk);
    add(cs, "lastSquawk", s, &ConsoleState::lastSquawk);
    add(cs, "lookupRow", s, &ConsoleState::lookupRow);
    add(cs, "webText", s, &ConsoleState::webText);
    add(cs, "overviewRunway1", s, &ConsoleState::overviewRunway1);
    add(cs, "overviewRunway2", s, &ConsoleState::overviewRunway2);
    add(cs, "overviewRunway3", s, &ConsoleState::overviewRunway3);
    add(cs, "cursorPoint", s, &ConsoleState::cursorPoint);
    add(cs, "returnPoint", s, &ConsoleState::returnPoint);
    add(cs, "clickPoint1", s, &ConsoleState::clickPoint1);
    add(cs, "clickPoint2", s, &ConsoleState::clickPoint2);
    add(cs, "pauseOver", s, &ConsoleState::pauseOver);

    // The shown weather values are the controls' own texts.
    addText("windDirection", f.Text1);
    addText("windSpeed", f.Text2);
    addText("qnh", f.Text3);
    addText("landingRunway", f.Text4);
    addText("takeoffRunway", f.Text5);
    addText("timeBox", f.Text6);
    addText("atisLetter", f.Text18);
    addCaption("transitionLevel", f.Label2);
    addCaption("altimeterInches", f.Label21);
    addCaption("metarStation", f.Label8);
    addCaption("metarLine", f.Label16);
    addBackColour("autoMarker", f.Shape1);

    const char* ws = "WeatherState";
    add(ws, "metarTail", w, &WeatherState::metarTail);
    add(ws, "requestIcao", w, &WeatherState::requestIcao);
    add(ws, "noaaKey", w, &WeatherState::noaaKey);
    add(ws, "previousTimeBox", w, &WeatherState::previousTimeBox);
    add(ws, "tickCount", w, &WeatherState::tickCount);
    add(ws, "firstRetrieval", w, &WeatherState::firstRetrieval);
    add(ws, "response", w, &WeatherState::response);
    add(ws, "metarExtract", w, &WeatherState::metarExtract);
    add(ws, "atisStation", w, &WeatherState::atisStation);
    add(ws, "letterIndex", w, &WeatherState::letterIndex);
    add(ws, "letterWord", w, &WeatherState::letterWord);
    add(ws, "voiceServer", w, &WeatherState::voiceServer);
    add(ws, "immediateContact", w, &WeatherState::immediateContact);
}

const StateFields::Field* StateFields::find(const QString& qualifiedName) const {
    for (const Field& f : fields_) {
        if (f.name == qualifiedName) {
            return &f;
        }
    }
    return nullptr;
}

QVariant StateFields::get(const QString& qualifiedName) const {
    const Field* f = find(qualifiedName);
    return f != nullptr ? f->get() : QVariant();
}

bool StateFields::set(const QString& qualifiedName, const QVariant& value) const {
    const Field* f = find(qualifiedName);
    if (f == nullptr) {
        return false;
    }
    f->set(value);
    return true;
}

QStringList StateFields::names() const {
    QStringList out;
    for (const Field& f : fields_) {
        out.append(f.name);
    }
    return out;
}

} // namespace vellaro
