#include "weather/MetarDecoder.h"

#include "core/Console.h"
#include "core/Text.h"

namespace vellaro {

using text::mid;

MetarDecoder::MetarDecoder(Console& console) : c_(console) {
    Form& f = c_.form1();
    f.button(QStringLiteral("Command18")).onClick = [this] { decodeMetar(); };
    f.text(QStringLiteral("Text3")).onChange = [this] { updateInches(); };
}

QString MetarDecoder::transitionLevelFor(double q) {
    if (q <= 978) {
        return QStringLiteral("TL80");
    }
    if (q >= 979 && q <= 1013) {
        return QStringLiteral("TL70");
    }
    if (q >= 1014 && q < 1047) {
        return QStringLiteral("TL60");
    }
    if (q >= 1047 && q <= 1052) {
        return QStringLiteral("TL50");
    }
    return {};
}

QString MetarDecoder::inchesFor(const QString& qnhText) {
    const double x = text::numericValue(qnhText) * 0.75 / 25.4 + 0.005;
    return text::left(text::formatLikeStr(x), 6);
}

void MetarDecoder::updateInches() {
    Form& f = c_.form1();
    f.label(QStringLiteral("Label21"))
        .setCaption(inchesFor(f.text(QStringLiteral("Text3")).text()));
}

void MetarDecoder::decodeMetar() {
    Form& f = c_.form1();
    // Whoever decodes by hand takes over from the automatic retrieval.
    f.timer(QStringLiteral("Timer2")).setTimerEnabled(false);
    f.shape(QStringLiteral("Shape1")).setBackColor(kRed);

    const QString t = c_.platform().clipboard.text();
    const QString tail = mid(t, 8);
    c_.putOnClipboard(tail);
    c_.weather.metarTail = tail;

    TextBox& dir = f.text(QStringLiteral("Text1"));
    TextBox& speed = f.text(QStringLiteral("Text2"));
    TextBox& qnh = f.text(QStringLiteral("Text3"));

    if (mid(t, 12, 1) != QLatin1String("Z")) {
        dir.setText(QStringLiteral("Err"));
        speed.setText(QString());
        qnh.setText(QStringLiteral("Err"));
        f.text(QStringLiteral("Text4")).setText(QString());
        f.text(QStringLiteral("Text5")).setText(QString());
        return;
    }

    f.text(QStringLiteral("Text6")).setText(mid(t, 8, 2) + QLatin1Char(':') + mid(t, 10, 2));
    dir.setText(mid(t, 14, 3));
    speed.setText(mid(t, 17, 2));

    const qsizetype q = text::instr(t, QStringLiteral("Q"));
    if (q > 0) {
        qnh.setText(mid(t, q + 1, 4));
        // Each write recomputes the inches, so "0998" shows briefly before "998".
        if (qnh.text().startsWith(QLatin1Char('0'))) {
            qnh.setText(mid(qnh.text(), 2, 3));
        }
    }

    const QString level = transitionLevelFor(text::numericValue(qnh.text()));
    if (!level.isEmpty()) {
        f.label(QStringLiteral("Label2")).setCaption(level);
    }
    mirrorToMiniInfo();
}

void MetarDecoder::mirrorToMiniInfo() {
    const Form& f = c_.form1();
    Form& m = c_.form2();
    m.load();
    auto box = [&](const char* to, const char* from) {
        m.text(QString::fromLatin1(to)).setText(f.text(QString::fromLatin1(from)).text());
    };
    auto caption = [&](const char* to, const char* from) {
        m.label(QString::fromLatin1(to)).setCaption(f.label(QString::fromLatin1(from)).caption());
    };
    box("Text1", "Text1");
    box("Text2", "Text2");
    box("Text3", "Text3");
    box("Text4", "Text4");
    box("Text5", "Text5");
    box("Text6", "Text6");
    box("Text7", "Text18");
    caption("Label1", "Label2");
    caption("Label2", "Label5");
    caption("Label3", "Label7");
    caption("Label4", "Label8");
}

} // namespace vellaro
