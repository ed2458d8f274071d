#include "network/UpdateCheck.h"

#include "core/ChartWindow.h"
#include "core/ConsoleState.h"
#include "core/Conventions.h"
#include "core/Download.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "network/ServiceAddresses.h"

namespace vellaro {

namespace {

const QString kOwnVersion = QStringLiteral("V7.7");
constexpr int kNoticeShown = 315;
constexpr int kNoticeHidden = 7320;

} // namespace

UpdateCheck::UpdateCheck(MainWindow& w, ChartWindow& charts, ConsoleState& state,
                         Clipboard& clipboard, const Download& download,
                         const ServiceAddresses& services)
    : w_(w), charts_(charts), state_(state), clipboard_(clipboard), download_(download),
      services_(services) {
    w_.Command4.onClick = [this] { Command4_Click(); };
    w_.Timer5.onTimer = [this] { Timer5_Timer(); };
    w_.Text22.onDblClick = [this] { Text22_DblClick(); };
    w_.Label22.onClick = [this] { Label22_Click(); };
    for (int n = 0; n < kStripRows; ++n) {
        w_.Text11[n].onGotFocus = [this, n] { Text11_GotFocus(n); };
        w_.Text11[n].onLostFocus = [this, n] { Text11_LostFocus(n); };
    }
}

QString UpdateCheck::updateNotice(const QString& updateFile) {
    const QString v = text::left(updateFile, 4);
    // Only a version in our own form can be newer: an empty answer or an error page
    // says nothing about updates.
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    const bool versionForm = v.size() == 4 && v[0] == QLatin1Char('V') && digit(v[1]) &&
                             v[2] == QLatin1Char('.') && digit(v[3]);
    if (!versionForm) {
        return QStringLiteral("Update-Server z.Z. nicht erreichbar !");
    }
    if (v != kOwnVersion) {
        return QStringLiteral("Ja, das Update ") + v + QStringLiteral(" liegt vor !!!");
    }
    return QStringLiteral("Nein, es gibt keine neue Version !");
}

void UpdateCheck::Command4_Click() {
    if (!download_.busy()) {
        if (!getupd()) {
            return;
        }
        w_.Text22.setText(updateNotice(state_.webText));
        w_.Text22.setTop(kNoticeShown);
    }
    w_.Timer5.setTimerEnabled(true);
}

bool UpdateCheck::getupd() {
    const auto answer = services_.fetch(download_, ServiceAddresses::Service::Update);
    if (!answer) {
        return false;
    }
    state_.webText = *answer;
    return true;
}

void UpdateCheck::Timer5_Timer() {
    w_.Text22.setTop(kNoticeHidden);
    w_.Timer5.setTimerEnabled(false);
}

void UpdateCheck::Text22_DblClick() {
    w_.Text22.setTop(kNoticeHidden);
}

std::optional<QString> UpdateCheck::publicAddress() const {
    return services_.fetch(download_, ServiceAddresses::Service::PublicAddress);
}

void UpdateCheck::Text11_GotFocus(int n) {
    putOnClipboard(clipboard_, QStringLiteral("Meine IP-Adresse lautet = ") + w_.Text11[n].text());
    charts_.form.setVisible(false);
    w_.Label22.setVisible(true);
}

void UpdateCheck::Text11_LostFocus(int) {
    w_.Label22.setVisible(false);
}

void UpdateCheck::Label22_Click() {
    w_.Label22.setVisible(false);
}

} // namespace vellaro
