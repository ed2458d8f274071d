#include "strips/Destination.h"

#include "core/ChartWindow.h"
#include "core/Conventions.h"
#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"

namespace vellaro {

using text::instr;
using text::left;
using text::mid;
using text::right;
using text::trim;

QString barForm(const QString& remarks) {
    const qsizetype p = instr(remarks, QStringLiteral("|"));
    if (p == 0) {
        return remarks;
    }
    const QString a = trim(mid(remarks, p + 1));
    // The character before the bar is its separator and is dropped; a bar in the
    // first place leaves nothing before it.
    QString b = trim(left(remarks, p - 2));
    if (b == a) {
        b.clear();
    }
    return a + QLatin1Char(' ') + b;
}

Destination::Destination(MainWindow& window, ChartWindow& charts, const DataFiles& files,
                         Clipboard& clipboard)
    : w_(window), charts_(charts), files_(files), clipboard_(clipboard) {
    for (int n = 0; n < kStripRows; ++n) {
        TextBox& box = w_.Text8[n];
        box.onChange = [this, n] { Text8_Change(n); };
        box.onClick = [this, n] { Text8_Click(n); };
        box.onDblClick = [this, n] { Text8_DblClick(n); };
        box.onLostFocus = [this, n] { Text8_LostFocus(n); };
    }
}

void Destination::Text8_Change(int n) {
    icao(n);
    if (w_.Text8[n].text().isEmpty()) {
        w_.Text11[n].setText(QString());
    }
    w_.Text11[n].setText(barForm(w_.Text11[n].text()));
}

void Destination::Text8_Click(int n) {
    charts_.form.setVisible(false);
    putOnClipboard(clipboard_, trim(right(w_.Text7[n].text(), 7)));
}

void Destination::Text8_DblClick(int n) {
    w_.Text8[n].setText(QString());
    w_.Text11[n].setText(QString());
}

void Destination::Text8_LostFocus(int n) {
    w_.Text8[n].setText(w_.Text8[n].text().toUpper());
}

void Destination::icao(int n) {
    const QString code = left(w_.Text8[n].text().toUpper(), 4);
    const DataFiles::ReadResult r = files_.readLines(QStringLiteral("ICAO.txt"));
    if (!r.ok()) {
        return;
    }
    for (const QString& line : r.lines) {
        if (instr(line, code) > 0) {
            w_.Text11[n].setText(mid(line, 8));
            return;
        }
    }
}

void Destination::getvia(const QString& key, int n) {
    const DataFiles::ReadResult r = files_.readLines(QStringLiteral("via.txt"));
    if (!r.ok()) {
        return;
    }
    for (const QString& line : r.lines) {
        if (left(line, 4) == key) {
            if (right(line, 3) == w_.Text5.text()) {
                w_.Text9[n].setText(mid(line, 6, 7));
            }
            return;
        }
    }
}

} // namespace vellaro
