#include "core/Console.h"

#include <QPoint>

#include <vector>

namespace vellaro {

namespace {

struct Field {
    const char* name;
    std::function<QVariant(const Console&)> get;
    std::function<void(Console&, const QVariant&)> set;
};

QVariant pointValue(const QPoint& p) {
    return QStringLiteral("%1 %2").arg(p.x()).arg(p.y());
}

QPoint toPoint(const QVariant& v) {
    const QStringList parts = v.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2) {
        return {};
    }
    return {parts[0].toInt(), parts[1].toInt()};
}

#define INT_FIELD(owner, member)                                                                   \
    Field {                                                                                        \
#owner "." #member,                                                                        \
            [](const Console&                                                                      \
                   c) { return QVariant(c.owner.member); },                                        \
                                                         [](Console & c,                           \
                                                            const QVariant&                        \
                                                                v) { c.owner.member = v.toInt(); } \
    }
#define BOOL_FIELD(owner, member)                                                                  \
    Field {                                                                                        \
#owner "." #member, [](const Console& c) { return QVariant(c.owner.member); },        \
            [](Console& c, const QVariant& v) {                                                \
                c.owner.member = v.toString() == QLatin1String("true") || v.toInt() != 0;      \
            }            \
    }
#define TEXT_FIELD(owner, member)                                                                     \
    Field {                                                                                           \
#owner "." #member,                                                                           \
            [](const Console&                                                                         \
                   c) { return QVariant(c.owner.member); },                                           \
                                                         [](Console & c,                              \
                                                            const QVariant&                           \
                                                                v) { c.owner.member =                 \
                                                                         v.toString(); } \
    }
#define POINT_FIELD(owner, member)                                                                    \
    Field {                                                                                           \
#owner "." #member,                                                                           \
            [](const Console&                                                                         \
                   c) { return pointValue(c.owner.member); },                                         \
                                                           [](Console & c,                            \
                                                              const QVariant&                         \
                                                                  v) { c.owner.member =               \
                                                                           toPoint(v); } \
    }

// A weather value that is a control's text or caption.
Field textOf(const char* name, const char* control) {
    return {
        name,
        [control](const Console& c) { return c.form1().text(QString::fromLatin1(control)).text(); },
        [control](Console& c, const QVariant& v) {
            c.form1().text(QString::fromLatin1(control)).setText(v.toString());
        }};
}

Field captionOf(const char* name, const char* control) {
    return {name,
            [control](const Console& c) {
                return c.form1().label(QString::fromLatin1(control)).caption();
            },
            [control](Console& c, const QVariant& v) {
                c.form1().label(QString::fromLatin1(control)).setCaption(v.toString());
            }};
}

const std::vector<Field>& fields() {
    static const std::vector<Field> all = {
        INT_FIELD(state, stripsCollapsed),
        BOOL_FIELD(state, checkLabelsShown),
        INT_FIELD(state, groundMarkColumns),
        INT_FIELD(state, autoSid),
        INT_FIELD(state, timerMinutes),
        INT_FIELD(state, timerSeconds),
        INT_FIELD(state, atcLineIndex),
        INT_FIELD(state, conLineIndex),
        INT_FIELD(state, flTablesClosed),
        INT_FIELD(state, controllerPanelClosed),
        INT_FIELD(state, ilsPanelClosed),
        INT_FIELD(state, groundInfoClosed),
        INT_FIELD(state, commandHandled),
        TEXT_FIELD(state, startSquawk),
        TEXT_FIELD(state, lastSquawk),
        INT_FIELD(state, lookupRow),
        TEXT_FIELD(state, webText),
        TEXT_FIELD(state, overviewRunway1),
        TEXT_FIELD(state, overviewRunway2),
        TEXT_FIELD(state, overviewRunway3),
        POINT_FIELD(state, cursorPoint),
        POINT_FIELD(state, returnPoint),
        POINT_FIELD(state, clickPoint1),
        POINT_FIELD(state, clickPoint2),
        INT_FIELD(state, pauseOver),
        textOf("weather.windDirection", "Text1"),
        textOf("weather.windSpeed", "Text2"),
        textOf("weather.qnh", "Text3"),
        textOf("weather.landingRunway", "Text4"),
        textOf("weather.takeoffRunway", "Text5"),
        textOf("weather.timeBox", "Text6"),
        textOf("weather.atisLetter", "Text18"),
        captionOf("weather.transitionLevel", "Label2"),
        captionOf("weather.altimeterInches", "Label21"),
        captionOf("weather.metarStation", "Label8"),
        captionOf("weather.metarLine", "Label16"),
        Field{"weather.autoMarker",
              [](const Console& c) { return QVariant(c.form1().shape("Shape1").backColor()); },
              [](Console& c, const QVariant& v) {
                  c.form1().shape("Shape1").setBackColor(v.toLongLong());
              }},
        TEXT_FIELD(weather, metarTail),
        TEXT_FIELD(weather, requestIcao),
        TEXT_FIELD(weather, noaaKey),
        TEXT_FIELD(weather, previousTimeBox),
        INT_FIELD(weather, tickCount),
        INT_FIELD(weather, firstRetrieval),
        TEXT_FIELD(weather, response),
        TEXT_FIELD(weather, metarExtract),
        TEXT_FIELD(weather, atisStation),
        Field{"weather.letterIndex",
              [](const Console& c) { return QVariant(c.weather.letterIndex); },
              [](Console& c, const QVariant& v) { c.weather.letterIndex = v.toDouble(); }},
        TEXT_FIELD(weather, letterWord),
        TEXT_FIELD(weather, voiceServer),
        BOOL_FIELD(weather, immediateContact),
    };
    return all;
}

// "ConsoleState.x" -> "state.x", "WeatherState.x" -> "weather.x".
QString internalName(const QString& qualified) {
    if (qualified.startsWith(QLatin1String("ConsoleState."))) {
        return QStringLiteral("state.") + qualified.mid(13);
    }
    if (qualified.startsWith(QLatin1String("WeatherState."))) {
        return QStringLiteral("weather.") + qualified.mid(13);
    }
    return {};
}

const Field* findField(const QString& qualified) {
    const QString n = internalName(qualified);
    for (const Field& f : fields()) {
        if (n == QLatin1String(f.name)) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace

QVariant Console::stateField(const QString& qualifiedName) const {
    const Field* f = findField(qualifiedName);
    return f != nullptr ? f->get(*this) : QVariant();
}

bool Console::setStateField(const QString& qualifiedName, const QVariant& value) {
    const Field* f = findField(qualifiedName);
    if (f == nullptr) {
        return false;
    }
    f->set(*this, value);
    return true;
}

QStringList Console::stateFieldNames() const {
    QStringList names;
    for (const Field& f : fields()) {
        QString n = QString::fromLatin1(f.name);
        if (n.startsWith(QLatin1String("state."))) {
            n = QStringLiteral("ConsoleState.") + n.mid(6);
        } else {
            n = QStringLiteral("WeatherState.") + n.mid(8);
        }
        names.append(n);
    }
    return names;
}

} // namespace vellaro
