#include "platform/qt/TextWidgets.h"

#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>

namespace vellaro::qt {

int boxFontPixels(int heightPx) {
    return heightPx >= 26 ? std::clamp(heightPx / 2, 11, 20) : 11;
}

QFont fixedBoldFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Cousine"), QStringLiteral("Nimbus Mono PS"),
                   QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setBold(true);
    // 80 columns of a log line fit across the box of today's flights.
    f.setPixelSize(11);
    return f;
}

bool routeTypedKey(TextBox& box, QKeyEvent& e, bool hasSelection, int selStart, int selEnd) {
    const int ch = characterCode(e);
    const Qt::KeyboardModifiers mods = e.modifiers();
    // Ctrl+letter is a shortcut, unless Alt comes with it (AltGr on Windows types).
    const bool shortcut = (mods & (Qt::ControlModifier | Qt::MetaModifier)) &&
                          !(mods & Qt::AltModifier) && ch != kKeyEnter && ch != kKeyBackspace;
    const bool typed = !shortcut && (ch >= kKeySpace || ch == kKeyBackspace || ch == kKeyEnter ||
                                     ch == kKeyEscape);
    if (!typed) {
        return false;
    }
    if (hasSelection && ch != kKeyEnter && ch != kKeyEscape && selEnd > selStart) {
        // Typing over a selection first takes the selection away, as one edit.
        QString t = box.text();
        t.remove(selStart, selEnd - selStart);
        box.userSetText(t, selStart);
        if (ch == kKeyBackspace) {
            return true;
        }
    }
    box.userKeyPress(ch);
    return true;
}

// ---- BoxEdit

BoxEdit::BoxEdit(TextBox& box, QWidget* parent)
    : QLineEdit(parent), ControlView(box), clicks_(box, false) {
    setFrame(true);
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!syncing_) {
            this->box().userSetText(t, cursorPosition());
        }
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        // Mid-edit the widget runs ahead of the control; textEdited brings both together.
        if (!syncing_ && text() == this->box().text()) {
            this->box().setSelStart(cursorPosition());
        }
    });
}

void BoxEdit::syncOwn(Prop p) {
    switch (p) {
    case Prop::Text:
    case Prop::SelStart:
        syncing_ = true;
        if (text() != box().text()) {
            setText(box().text());
        }
        setCursorPosition(box().selStart());
        syncing_ = false;
        break;
    case Prop::ForeColor:
    case Prop::BackColor:
        applyColours(QPalette::Text, QPalette::Base, false);
        break;
    case Prop::Height: {
        QFont f = font();
        f.setPixelSize(boxFontPixels(height()));
        setFont(f);
        break;
    }
    default:
        break;
    }
}

void BoxEdit::keyPressEvent(QKeyEvent* e) {
    QPointer<BoxEdit> self(this);
    if (const int vk = virtualKeyCode(*e)) {
        box().userKeyDown(vk);
    }
    if (self.isNull()) {
        return;
    }
    if (routeTypedKey(box(), *e, hasSelectedText(), selectionStart(), selectionEnd())) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void BoxEdit::mousePressEvent(QMouseEvent* e) {
    QLineEdit::mousePressEvent(e);
    clicks_.press();
}

void BoxEdit::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        clicks_.release();
    }
}

void BoxEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    QLineEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) {
        clicks_.doubleClick();
    }
}

// ---- BoxMemo

QString BoxMemo::toView(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

int BoxMemo::toViewPos(const QString& text, int pos) {
    int view = 0;
    for (int i = 0; i < pos && i < text.size(); ++i) {
        const bool pairStart =
            text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
        if (!pairStart) {
            ++view;
        }
    }
    return view;
}

int BoxMemo::toModelPos(const QString& text, int viewPos) {
    int view = 0;
    int i = 0;
    while (i < text.size() && view < viewPos) {
        const bool pair =
            text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
        i += pair ? 2 : 1;
        ++view;
    }
    return i;
}

BoxMemo::BoxMemo(TextBox& box, QWidget* parent)
    : QPlainTextEdit(parent), ControlView(box), clicks_(box, false) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The box's scroll bars are fixed when its window is built.
    setVerticalScrollBarPolicy(box.scrollBars() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
    if (box.fixedBoldFont()) {
        setFont(fixedBoldFont());
    }
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!syncing_) {
            userEdited();
        }
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!syncing_ && toPlainText() == toView(this->box().text())) {
            this->box().setSelStart(toModelPos(this->box().text(), textCursor().position()));
        }
    });
}

void BoxMemo::userEdited() {
    QString t = toPlainText();
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    box().userSetText(t, toModelPos(t, textCursor().position()));
}

void BoxMemo::syncOwn(Prop p) {
    switch (p) {
    case Prop::Text:
    case Prop::SelStart: {
        syncing_ = true;
        const QString view = toView(box().text());
        if (toPlainText() != view) {
            setPlainText(view);
        }
        QTextCursor cur = textCursor();
        cur.setPosition(std::min(toViewPos(box().text(), box().selStart()),
                                 int(document()->characterCount()) - 1));
        setTextCursor(cur);
        syncing_ = false;
        break;
    }
    case Prop::ForeColor:
    case Prop::BackColor:
        applyColours(QPalette::Text, QPalette::Base, false);
        break;
    default:
        break;
    }
}

void BoxMemo::keyPressEvent(QKeyEvent* e) {
    QPointer<BoxMemo> self(this);
    if (const int vk = virtualKeyCode(*e)) {
        box().userKeyDown(vk);
    }
    if (self.isNull()) {
        return;
    }
    const QTextCursor cur = textCursor();
    const QString& t = box().text();
    if (routeTypedKey(box(), *e, cur.hasSelection(), toModelPos(t, cur.selectionStart()),
                      toModelPos(t, cur.selectionEnd()))) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void BoxMemo::mousePressEvent(QMouseEvent* e) {
    QPlainTextEdit::mousePressEvent(e);
    clicks_.press();
}

void BoxMemo::mouseReleaseEvent(QMouseEvent* e) {
    QPlainTextEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && viewport()->rect().contains(e->position().toPoint())) {
        clicks_.release();
    }
}

void BoxMemo::mouseDoubleClickEvent(QMouseEvent* e) {
    QPlainTextEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) {
        clicks_.doubleClick();
    }
}

} // namespace vellaro::qt
