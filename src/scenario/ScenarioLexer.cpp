#include "scenario/ScenarioLexer.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace vellaro::scenario {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The toolkit's property names; scripts may write them in any case.
constexpr std::array<const char*, 17> kProperties = {
    "Text",        "Caption",  "Visible",   "Enabled",   "Left",   "Top",
    "Width",       "Height",   "ForeColor", "BackColor", "Value",  "SelStart",
    "ToolTipText", "Interval", "ListCount", "ListIndex", "TopMost"};

QString canonicalProperty(const QString& p) {
    static const QRegularExpression listItem(QStringLiteral("^list\\((\\d+)\\)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const auto m = listItem.match(p);
    if (m.hasMatch()) {
        return QStringLiteral("List(%1)").arg(m.captured(1).toInt());
    }
    for (const char* known : kProperties) {
        if (p.compare(QLatin1String(known), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(known);
        }
    }
    return p;
}

QString canonicalForm(const QString& f) {
    return QStringLiteral("Form") + f.mid(4);
}

bool looksLikeForm(const QString& name) {
    static const QRegularExpression form(QStringLiteral("^form\\d+$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return form.match(name).hasMatch();
}

// The escapes of a quoted text: the letter after the backslash, and the character.
struct Escape {
    char letter;
    char stands;
};
constexpr std::array<Escape, 5> kEscapes = {
    {{'"', '"'}, {'\\', '\\'}, {'r', '\r'}, {'n', '\n'}, {'t', '\t'}}};

template <typename Pred> const Escape* findEscape(Pred pred) {
    const auto it = std::find_if(kEscapes.begin(), kEscapes.end(), pred);
    return it == kEscapes.end() ? nullptr : &*it;
}

struct Parts {
    QString form;
    QString name;
    int index = -1;
    QString prop;
};

std::optional<Parts> splitName(const QString& word) {
    static const QRegularExpression re(
        QStringLiteral("^(?:([Ff][Oo][Rr][Mm]\\d+)\\.)?([A-Za-z_][A-Za-z0-9_]*)"
                       "(?:\\((\\d+)\\))?(?:\\.([A-Za-z_][A-Za-z0-9_]*(?:\\(\\d+\\))?))?$"));
    const auto m = re.match(word);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    Parts p;
    p.form = m.captured(1);
    p.name = m.captured(2);
    if (m.capturedLength(3) > 0) {
        bool ok = false;
        p.index = m.captured(3).toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    p.prop = m.captured(4);
    return p;
}

// The window or control that p names, leaving its property aside.
Ref refOf(const Parts& p) {
    Ref r;
    if (p.form.isEmpty() && p.index < 0 && looksLikeForm(p.name)) {
        r.kind = Ref::Kind::Window;
        r.form = canonicalForm(p.name);
        return r;
    }
    r.kind = Ref::Kind::Control;
    r.form = p.form.isEmpty() ? QStringLiteral("Form1") : canonicalForm(p.form);
    r.name = p.name;
    r.index = p.index;
    return r;
}

} // namespace

bool splitWords(const QString& line, QList<Word>& words, QString& error) {
    words.clear();
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(line[i])) {
            ++i;
        }
        if (i >= n) {
            break;
        }
        Word w;
        if (line[i] != QLatin1Char('"')) {
            const qsizetype start = i;
            while (i < n && !isBlank(line[i])) {
                ++i;
            }
            w.text = line.mid(start, i - start);
            words.append(w);
            continue;
        }
        w.quoted = true;
        ++i;
        bool closed = false;
        while (i < n) {
            const QChar c = line[i];
            if (c == QLatin1Char('"')) {
                closed = true;
                ++i;
                break;
            }
            if (c == QLatin1Char('\\') && i + 1 < n) {
                const QChar e = line[i + 1];
                i += 2;
                const auto* esc =
                    findEscape([&](const Escape& x) { return e == QLatin1Char(x.letter); });
                if (esc != nullptr) {
                    w.text += QLatin1Char(esc->stands);
                } else {
                    // Not an escape: a Windows path such as "c:\Programme" means what it says.
                    w.text += QLatin1Char('\\');
                    w.text += e;
                }
                continue;
            }
            w.text += c;
            ++i;
        }
        if (!closed) {
            error = QStringLiteral("unterminated quoted text");
            return false;
        }
        if (i < n && !isBlank(line[i])) {
            error = QStringLiteral("a blank must follow a quoted text");
            return false;
        }
        words.append(w);
    }
    return true;
}

std::optional<double> parseNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = t.mid(2);
        if (digits.endsWith(QLatin1Char('&'))) {
            digits.chop(1); // VB's Long suffix
        }
        if (digits.isEmpty() || digits.size() > 16) {
            return std::nullopt;
        }
        bool ok = false;
        const qulonglong v = digits.toULongLong(&ok, 16);
        if (!ok) {
            return std::nullopt;
        }
        return double(v);
    }
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!decimal.match(t).hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<qint64> parseInteger(const QString& text) {
    const auto v = parseNumber(text);
    if (!v || std::trunc(*v) != *v || std::fabs(*v) > 9.0e15) {
        return std::nullopt;
    }
    return qint64(*v);
}

std::optional<bool> parseBool(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("-1")) {
        return true;
    }
    if (t == QLatin1String("false") || t == QLatin1String("0")) {
        return false;
    }
    return std::nullopt;
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const auto* esc = findEscape([&](const Escape& x) { return c == QLatin1Char(x.stands); });
        if (esc != nullptr) {
            out += QLatin1Char('\\');
            out += QLatin1Char(esc->letter);
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString Ref::controlName() const {
    QString n = index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
    return form == QLatin1String("Form1") ? n : form + QLatin1Char('.') + n;
}

QString Ref::display() const {
    switch (kind) {
    case Kind::State:
        return name;
    case Kind::Window:
        return prop.isEmpty() ? form : form + QLatin1Char('.') + prop;
    case Kind::Control:
        break;
    }
    return prop.isEmpty() ? controlName() : controlName() + QLatin1Char('.') + prop;
}

std::optional<Ref> parseTarget(const QString& word, QString& error) {
    const auto p = splitName(word);
    if (!p || !p->prop.isEmpty()) {
        error = QStringLiteral("not a control name: %1").arg(word);
        return std::nullopt;
    }
    return refOf(*p);
}

std::optional<Ref> parseValueRef(const QString& word, QString& error) {
    for (const char* owner : {"ConsoleState.", "WeatherState."}) {
        const QLatin1String prefix(owner);
        if (word.startsWith(prefix) && word.size() > prefix.size()) {
            Ref r;
            r.kind = Ref::Kind::State;
            r.name = word;
            return r;
        }
    }
    const auto p = splitName(word);
    if (!p) {
        error = QStringLiteral("not a name: %1").arg(word);
        return std::nullopt;
    }
    Ref r;
    if (!p->form.isEmpty() && p->prop.isEmpty() && p->index < 0) {
        // Form1.Height: the window's own property.
        r.kind = Ref::Kind::Window;
        r.form = canonicalForm(p->form);
        r.prop = canonicalProperty(p->name);
        return r;
    }
    if (p->prop.isEmpty()) {
        error = QStringLiteral("no property given: %1").arg(word);
        return std::nullopt;
    }
    r = refOf(*p);
    r.prop = canonicalProperty(p->prop);
    return r;
}

} // namespace vellaro::scenario
