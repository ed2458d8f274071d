#include "panels/GroundInfo.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"

namespace vellaro {

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

namespace {

// Below every screen: the classic way of putting the window out of the way.
constexpr int kParkedTop = 11595;

} // namespace

GroundInfo::GroundInfo(GroundInfoWindow& window, MainWindow& main, ConsoleState& state)
    : g_(window), state_(state) {
    Form& f = g_.form;
    // Kept above all other windows from its load on.
    f.onLoad = [&f] { f.setTopMost(true); };
    for (int i = 0; i < kGroundRows; ++i) {
        g_.Command1[i].onClick = [this, i] { Command1_Click(i); };
        g_.Text1[i].onDblClick = [this, i] { loeschefeld(i); };
        g_.Text1[i].onLostFocus = [this, i] { Text1_LostFocus(i); };
    }
    g_.Command2.onClick = [this] { topit(); };
    g_.Command3.onClick = [this] { Command3_Click(); };
    g_.Label1.onClick = [this] { Label1_Click(); };
    main.Command36.onClick = [this] { Command36_Click(); };
}

void GroundInfo::Command1_Click(int i) {
    loeschefeld(i);
    topit();
}

void GroundInfo::Command3_Click() {
    for (int i = 0; i < kGroundRows; ++i) {
        loeschefeld(i);
    }
}

void GroundInfo::Label1_Click() {
    g_.form.setTop(kParkedTop);
}

void GroundInfo::Text1_LostFocus(int i) {
    TextBox& callsign = g_.Text1[i];
    callsign.setText(callsign.text().toUpper());
}

void GroundInfo::Command36_Click() {
    Form& f = g_.form;
    if (state_.groundInfoClosed == 1) {
        f.setVisible(true);
        if (f.windowState() == 1) {
            f.setWindowState(0);
        }
        state_.groundInfoClosed = 0;
    } else {
        f.setVisible(false);
        state_.groundInfoClosed = 1;
    }
}

void GroundInfo::handOver(const QString& callsign) {
    for (int i = 0; i < kGroundRows; ++i) {
        TextBox& box = g_.Text1[i];
        if (!box.text().isEmpty()) {
            continue;
        }
        box.setText(callsign);
        g_.Check1[i].setValue(1);
        if (state_.groundMarkColumns == 2) {
            g_.Check2[i].setValue(1);
        }
        return;
    }
}

void GroundInfo::loeschefeld(int i) {
    if (i < 0 || i >= kGroundRows) {
        return;
    }
    g_.Text1[i].setText(QString());
    for (CheckBox* tick : {&g_.Check1[i], &g_.Check2[i], &g_.Check3[i]}) {
        tick->setValue(0);
    }
}

GroundBoard GroundInfo::readBoard() const {
    GroundBoard board;
    for (int i = 0; i < kGroundRows; ++i) {
        board[i].callsign = g_.Text1[i].text();
        board[i].ticks = {g_.Check1[i].value(), g_.Check2[i].value(), g_.Check3[i].value()};
    }
    return board;
}

void GroundInfo::writeBoard(const GroundBoard& board) {
    for (int i = 0; i < kGroundRows; ++i) {
        g_.Text1[i].setText(board[i].callsign);
        g_.Check1[i].setValue(board[i].ticks[0]);
        g_.Check2[i].setValue(board[i].ticks[1]);
        g_.Check3[i].setValue(board[i].ticks[2]);
    }
}

void GroundInfo::topit() {
    GroundBoard board = readBoard();
    closeGaps(board);
    writeBoard(board);
}

} // namespace vellaro
