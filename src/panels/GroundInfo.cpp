#include "panels/GroundInfo.h"

#include "core/Console.h"

namespace vellaro {

namespace {

void buildGroundInfoWindow(Form& f) {
    f.setCaption(QStringLiteral("Ground-Info"));
    f.setWidth(2460);
    f.setHeight(4170);
    auto& header = f.add<Label>(QStringLiteral("Label1"));
    header.setCaption(QStringLiteral("Callsign       cl   st  tx   t/o"));
    header.setGeometry(0, 0, 2400, 210);
    for (int i = 0; i < 10; ++i) {
        const int top = 210 + 315 * i;
        f.add<TextBox>(QStringLiteral("Text1"), i).setGeometry(0, top, 960, 285);
        f.add<CheckBox>(QStringLiteral("Check1"), i).setGeometry(1050, top, 225, 225);
        f.add<CheckBox>(QStringLiteral("Check2"), i).setGeometry(1365, top, 225, 225);
        f.add<CheckBox>(QStringLiteral("Check3"), i).setGeometry(1680, top, 225, 225);
        auto& del = f.add<Button>(QStringLiteral("Command1"), i);
        del.setCaption(QString::fromUtf8("Lö"));
        del.setGeometry(1995, top, 330, 225);
        if (i == 0) {
            del.setToolTip(QString::fromUtf8("Löscht den Eintrag"));
        }
    }
    auto& zap = f.add<Button>(QStringLiteral("Command2"));
    zap.setCaption(QStringLiteral("ZAP"));
    zap.setToolTip(QStringLiteral("Leerzeilen werden raus gefiltert"));
    zap.setGeometry(0, 3360, 1905, 285);
    auto& all = f.add<Button>(QStringLiteral("Command3"));
    all.setCaption(QStringLiteral("A"));
    all.setToolTip(QString::fromUtf8("Löscht alle Einträge"));
    all.setGeometry(1995, 3360, 330, 285);
}

} // namespace

void closeGaps(GroundBoard& board) {
    // Five passes of the classic shift; each pass moves every block of filled rows
    // up by the gaps above it, which is enough for ten rows.
    for (int pass = 0; pass < 5; ++pass) {
        for (int i = 0; i < kGroundRows - 1; ++i) {
            if (!board[i].empty()) {
                continue;
            }
            for (int k = i + 1; k < kGroundRows; ++k) {
                board[k - 1].callsign = board[k].callsign.toUpper();
                board[k - 1].ticks = board[k].ticks;
                board[k] = GroundRow{};
            }
        }
    }
}

GroundInfo::GroundInfo(Console& console) : c_(console) {
    Form& f = c_.form4();
    buildGroundInfoWindow(f);
    // Kept above all other windows from its load on.
    f.onLoad = [&f] { f.setTopMost(true); };

    for (int i = 0; i < kGroundRows; ++i) {
        f.button(QStringLiteral("Command1"), i).onClick = [this, i] {
            loeschefeld(i);
            topit();
        };
        TextBox& callsign = f.text(QStringLiteral("Text1"), i);
        callsign.onDblClick = [this, i] { loeschefeld(i); };
        callsign.onLostFocus = [&callsign] { callsign.setText(callsign.text().toUpper()); };
    }
    f.button(QStringLiteral("Command2")).onClick = [this] { topit(); };
    f.button(QStringLiteral("Command3")).onClick = [this] {
        for (int i = 0; i < kGroundRows; ++i) {
            loeschefeld(i);
        }
    };
    f.label(QStringLiteral("Label1")).onClick = [&f] { f.setTop(11595); };
    c_.form1().button(QStringLiteral("Command36")).onClick = [this] { Command36_Click(); };
}

void GroundInfo::Command36_Click() {
    Form& f = c_.form4();
    if (c_.state.groundInfoClosed == 1) {
        f.setVisible(true);
        if (f.windowState() == 1) {
            f.setWindowState(0);
        }
        c_.state.groundInfoClosed = 0;
    } else {
        f.setVisible(false);
        c_.state.groundInfoClosed = 1;
    }
}

void GroundInfo::handOver(const QString& callsign) {
    Form& f = c_.form4();
    for (int i = 0; i < kGroundRows; ++i) {
        TextBox& box = f.text(QStringLiteral("Text1"), i);
        if (!box.text().isEmpty()) {
            continue;
        }
        box.setText(callsign);
        f.check(QStringLiteral("Check1"), i).setValue(1);
        if (c_.state.groundMarkColumns == 2) {
            f.check(QStringLiteral("Check2"), i).setValue(1);
        }
        return;
    }
}

void GroundInfo::loeschefeld(int i) {
    if (i < 0 || i >= kGroundRows) {
        return;
    }
    Form& f = c_.form4();
    f.text(QStringLiteral("Text1"), i).setText(QString());
    for (const char* name : {"Check1", "Check2", "Check3"}) {
        f.check(QString::fromLatin1(name), i).setValue(0);
    }
}

GroundBoard GroundInfo::readBoard() const {
    const Form& f = c_.form4();
    GroundBoard board;
    for (int i = 0; i < kGroundRows; ++i) {
        board[i].callsign = f.text(QStringLiteral("Text1"), i).text();
        board[i].ticks = {f.check(QStringLiteral("Check1"), i).value(),
                          f.check(QStringLiteral("Check2"), i).value(),
                          f.check(QStringLiteral("Check3"), i).value()};
    }
    return board;
}

void GroundInfo::writeBoard(const GroundBoard& board) {
    Form& f = c_.form4();
    for (int i = 0; i < kGroundRows; ++i) {
        f.text(QStringLiteral("Text1"), i).setText(board[i].callsign);
        f.check(QStringLiteral("Check1"), i).setValue(board[i].ticks[0]);
        f.check(QStringLiteral("Check2"), i).setValue(board[i].ticks[1]);
        f.check(QStringLiteral("Check3"), i).setValue(board[i].ticks[2]);
    }
}

void GroundInfo::topit() {
    GroundBoard board = readBoard();
    closeGaps(board);
    writeBoard(board);
}

} // namespace vellaro
