#include "platform/qt/ControlView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vellaro::qt {

std::optional<QColor> toQColor(Colour c, const QPalette& palette) {
    if (c == kDefaultColour) {
        return std::nullopt;
    }
    if ((c & 0x80000000) != 0) {
        switch (c & 0xFF) {
        case 0x05: // window background
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        case 0x0D: // highlight
            return palette.color(QPalette::Highlight);
        case 0x0E: // highlight text
            return palette.color(QPalette::HighlightedText);
        case 0x12: // button text
            return palette.color(QPalette::ButtonText);
        case 0x0F: // button face
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

int virtualKeyCode(const QKeyEvent& e) {
    const int k = e.key();
    const bool keypad = e.modifiers().testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) {
        return 112 + (k - Qt::Key_F1);
    }
    if (k >= Qt::Key_0 && k <= Qt::Key_9) {
        return keypad ? 96 + (k - Qt::Key_0) : k;
    }
    if (k >= Qt::Key_A && k <= Qt::Key_Z) {
        return k;
    }
    switch (k) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Clear:
        return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Print:
        return 44;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Asterisk:
        return keypad ? 106 : '8'; // Shift+8 on the keyboard the layout was made for
    case Qt::Key_Plus:
        return keypad ? 107 : 0xBB;
    case Qt::Key_Minus:
        return keypad ? 109 : 0xBD;
    case Qt::Key_Period:
        return keypad ? 110 : 0xBE;
    case Qt::Key_Slash:
        return keypad ? 111 : 0xBF;
    case Qt::Key_Comma:
        return 0xBC;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    case Qt::Key_Semicolon:
        return 0xBA;
    case Qt::Key_Equal:
        return 0xBB;
    case Qt::Key_QuoteLeft:
        return 0xC0;
    case Qt::Key_BracketLeft:
        return 0xDB;
    case Qt::Key_Backslash:
        return 0xDC;
    case Qt::Key_BracketRight:
        return 0xDD;
    case Qt::Key_Apostrophe:
        return 0xDE;
    default:
        break;
    }
    // Letters of other layouts (umlauts) by their upper-case character.
    const QString t = e.text().toUpper();
    if (t.size() == 1 && t.at(0).unicode() >= 0xC0 && t.at(0).unicode() <= 0xFF) {
        return t.at(0).unicode();
    }
    return 0;
}

int characterCode(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    const QString t = e.text();
    if (t.size() != 1 || t.at(0).isSurrogate()) {
        return 0;
    }
    const char16_t u = t.at(0).unicode();
    return u == 0x7F ? 0 : int(u);
}

ClickRouter::ClickRouter(Control& control, bool secondClickCounts)
    : control_(control), secondClickCounts_(secondClickCounts) {
    pending_.setSingleShot(true);
    connect(&pending_, &QTimer::timeout, this, [this] { control_.userClick(); });
}

void ClickRouter::press() {
    // The second press of a double click comes before the double-click event.
    inDouble_ = false;
    control_.userMouseDown();
}

void ClickRouter::release() {
    if (inDouble_) {
        inDouble_ = false;
        if (!control_.onDblClick && secondClickCounts_) {
            control_.userClick();
        }
        return;
    }
    if (control_.onDblClick) {
        pending_.start(QApplication::doubleClickInterval());
    } else {
        control_.userClick();
    }
}

void ClickRouter::doubleClick() {
    inDouble_ = true;
    if (control_.onDblClick) {
        pending_.stop();
        control_.userDblClick();
    }
}

void ControlView::sync(Prop p) {
    if (p == Prop::All) {
        // The four sides go to the widget together, and so do the two colours
        // (every kind applies both for either): once each is enough.
        for (Prop each : kEveryProp) {
            if (each == Prop::Top || each == Prop::Width || each == Prop::Height) {
                syncOwn(each);
            } else if (each != Prop::BackColor) {
                sync(each);
            }
        }
        return;
    }
    QWidget* w = widget();
    const Control& c = control_;
    switch (p) {
    case Prop::Left:
    case Prop::Top:
    case Prop::Width:
    case Prop::Height:
        w->setGeometry(toPixels(c.left()), toPixels(c.top()), std::max(0, toPixels(c.width())),
                       std::max(0, toPixels(c.height())));
        break;
    case Prop::Visible:
        w->setVisible(c.visible());
        break;
    case Prop::Enabled:
        w->setEnabled(c.enabled());
        break;
    case Prop::ToolTipText:
        w->setToolTip(c.toolTip());
        break;
    default:
        break;
    }
    syncOwn(p);
}

ControlView* ControlView::of(QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (auto* v = dynamic_cast<ControlView*>(w)) {
            return v;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return nullptr;
}

void ControlView::applyColours(QPalette::ColorRole fore, QPalette::ColorRole back, bool fillBack) {
    QWidget* w = widget();
    // Only the roles set here are the widget's own; the rest follows the window, so a
    // colour set back to default really returns.
    const QPalette base = QApplication::palette(w);
    QPalette p = base;
    p.setResolveMask(0);
    if (auto f = toQColor(control_.foreColor(), base)) {
        p.setColor(QPalette::All, fore, *f);
    }
    if (auto b = toQColor(control_.backColor(), base)) {
        p.setColor(QPalette::All, back, *b);
    }
    w->setPalette(p);
    w->setAutoFillBackground(fillBack);
}

} // namespace vellaro::qt
