#include "weather/MetarDecoder.h"

#include "core/Conventions.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "core/WeatherState.h"
#include "platform/Clipboard.h"
#include "weather/MetarReport.h"
#include "weather/MiniInfoWindow.h"

namespace vellaro {

using text::mid;

MetarDecoder::MetarDecoder(MainWindow& window, MiniInfoWindow& mini, Clipboard& clipboard,
                           WeatherState& weather)
    : w_(window), mini_(mini), clipboard_(clipboard), weather_(weather) {
    w_.Command18.onClick = [this] { decodeMetar(); };
    w_.Text3.onChange = [this] { Text3_Change(); };
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

void MetarDecoder::Text3_Change() {
    w_.Label21.setCaption(inchesFor(w_.Text3.text()));
}

void MetarDecoder::decodeMetar() {
    // Whoever decodes by hand takes over from the automatic retrieval.
    w_.Timer2.setTimerEnabled(false);
    w_.Shape1.setBackColor(kRed);

    const QString t = metar::normalise(clipboard_.text());
    const QString tail = mid(t, 8);
    putOnClipboard(clipboard_, tail);
    weather_.metarTail = tail;

    TextBox& dir = w_.Text1;
    TextBox& speed = w_.Text2;
    TextBox& qnh = w_.Text3;

    // NIL: the station sent no observation, so there is nothing to decode.
    if (mid(t, 12, 1) != QLatin1String("Z") || metar::isNil(t)) {
        dir.setText(QStringLiteral("Err"));
        speed.setText(QString());
        qnh.setText(QStringLiteral("Err"));
        w_.Text4.setText(QString());
        w_.Text5.setText(QString());
        return;
    }

    w_.Text6.setText(mid(t, 8, 2) + QLatin1Char(':') + mid(t, 10, 2));
    dir.setText(mid(t, 14, 3));
    speed.setText(mid(t, 17, 2));

    // The QNH group, not the first "Q": station codes such as EDQM hold one too.
    const qsizetype q = metar::qnhGroupPosition(t);
    if (q > 0) {
        qnh.setText(mid(t, q + 1, 4));
        // Each write recomputes the inches, so "0998" shows briefly before "998".
        if (qnh.text().startsWith(QLatin1Char('0'))) {
            qnh.setText(mid(qnh.text(), 2, 3));
        }
    }

    const QString level = transitionLevelFor(text::numericValue(qnh.text()));
    if (!level.isEmpty()) {
        w_.Label2.setCaption(level);
    }
    mirrorToMiniInfo();
}

void MetarDecoder::mirrorToMiniInfo() {
    MiniInfoWindow& m = mini_;
    m.form.load();
    m.Text1.setText(w_.Text1.text());
    m.Text2.setText(w_.Text2.text());
    m.Text3.setText(w_.Text3.text());
    m.Text4.setText(w_.Text4.text());
    m.Text5.setText(w_.Text5.text());
    m.Text6.setText(w_.Text6.text());
    m.Text7.setText(w_.Text18.text());
    m.Label1.setCaption(w_.Label2.caption());
    m.Label2.setCaption(w_.Label5.caption());
    m.Label3.setCaption(w_.Label7.caption());
    m.Label4.setCaption(w_.Label8.caption());
}

} // namespace vellaro
