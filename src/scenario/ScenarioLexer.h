#pragma once

#include <QList>
#include <QString>

#include <optional>

// The words of a scenario line and the names and values they carry.
namespace vellaro::scenario {

struct Word {
    QString text;
    bool quoted = false;
};

// Splits a line into words; a quoted word may hold blanks and the escapes \" \\ \r
// \n \t. Returns false with a reason on an unterminated quote.
bool splitWords(const QString& line, QList<Word>& words, QString& error);

// Decimal (with sign and fraction) or VB hexadecimal &HFF00 (also &H8000000F).
std::optional<double> parseNumber(const QString& text);
std::optional<qint64> parseInteger(const QString& text);
// true/false, 1/0 (and -1, the toolkit's own true).
std::optional<bool> parseBool(const QString& text);

// A text as it would be written in a scenario: quoted, escapes for the specials.
QString quoted(const QString& text);

// A name of the language: a control (Text7(2), Form4.Text1(2)), a window
// (Form1), a property of either (Text7(2).Text, Form1.Height, Combo1.List(3)), or
// a state field (ConsoleState.lastSquawk).
struct Ref {
    enum class Kind { Control, Window, State };
    Kind kind = Kind::Control;
    QString form; // "Form1" when unqualified
    QString name; // control name, or the state field's full name
    int index = -1;
    QString prop; // canonical property name, empty when none was given

    QString controlName() const; // Form4.Text1(2), or Text7(2) for Form1
    QString display() const;     // the whole name as written in canonical form
};

// A control or a window, without a property.
std::optional<Ref> parseTarget(const QString& word, QString& error);
// Something with a value: a property of a control or window, or a state field.
std::optional<Ref> parseValueRef(const QString& word, QString& error);

} // namespace vellaro::scenario
