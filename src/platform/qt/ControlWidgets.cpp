#include "platform/qt/ControlWidgets.h"

#include "platform/Form.h"
#include "platform/qt/Artwork.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace vellaro::qt {

namespace {

bool releasedInside(const QWidget* w, const QMouseEvent* e) {
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

// Key down for every key, key press for characters; true when the key was a
// character the control has taken.
bool routeKey(Control& c, QKeyEvent& e) {
    if (const int vk = virtualKeyCode(e)) {
        c.userKeyDown(vk);
    }
    const int ch = characterCode(e);
    if (ch == 0 || ch == 9 || (e.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        return false;
    }
    c.userKeyPress(ch);
    return true;
}

// Headers made of words padded with blanks, as drawn for the classic interface
// font: the width of one blank, in pixels at the console font, that puts each word
// over the column it names (the weather header was drawn larger).
struct PaddedHeader {
    const char* form;
    const char* label;
    double blank;
};
constexpr PaddedHeader kPaddedHeaders[] = {
    {"Form1", "Label6", 4.45},  // strip rows
    {"Form1", "Label14", 6.15}, // weather boxes
    {"Form1", "Label15", 6.15}, // its engraved copy
    {"Form4", "Label1", 4.9},   // Ground-Info rows
};

double paddedHeaderBlank(const Control& c) {
    for (const PaddedHeader& h : kPaddedHeaders) {
        if (c.name() == QLatin1String(h.label) && c.form().name() == QLatin1String(h.form)) {
            return h.blank;
        }
    }
    return 0;
}

} // namespace

// ---- LabelView

LabelView::LabelView(Label& label, QWidget* parent)
    : QLabel(parent), ControlView(label), clicks_(label, false) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    blank_ = paddedHeaderBlank(label);
}

std::vector<LabelView::Word> LabelView::headerWords() const {
    std::vector<Word> words;
    if (blank_ <= 0) {
        return words;
    }
    const QFontMetricsF m(font());
    const QString t = text();
    double x = 0;
    for (qsizetype i = 0; i < t.size();) {
        if (t.at(i) == QLatin1Char(' ')) {
            x += blank_;
            ++i;
            continue;
        }
        qsizetype end = t.indexOf(QLatin1Char(' '), i);
        if (end < 0) {
            end = t.size();
        }
        const QString word = t.mid(i, end - i);
        const double width = m.horizontalAdvance(word);
        words.push_back({word, x, x + width});
        x += width;
        i = end;
    }
    return words;
}

void LabelView::paintEvent(QPaintEvent* e) {
    if (blank_ <= 0) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    const double baseline = QFontMetricsF(font()).ascent();
    for (const Word& w : headerWords()) {
        p.drawText(QPointF(w.left, baseline), w.text);
    }
}

void LabelView::syncOwn(Prop p) {
    auto& l = static_cast<Label&>(control());
    switch (p) {
    case Prop::Caption:
        setText(l.caption());
        break;
    case Prop::ForeColor:
    case Prop::BackColor:
        applyColours(QPalette::WindowText, QPalette::Window, !l.transparent());
        break;
    default:
        break;
    }
}

void LabelView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        clicks_.press();
    }
}

void LabelView::mouseReleaseEvent(QMouseEvent* e) {
    if (releasedInside(this, e)) {
        clicks_.release();
    }
}

void LabelView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        clicks_.doubleClick();
    }
}

// ---- ButtonView

ButtonView::ButtonView(Button& button, QWidget* parent)
    : QPushButton(parent), ControlView(button), clicks_(button, true) {
    setAutoDefault(false);
    setDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { clicks_.release(); });
}

void ButtonView::syncOwn(Prop p) {
    switch (p) {
    case Prop::Caption:
        setText(static_cast<Button&>(control()).caption());
        break;
    case Prop::ForeColor:
    case Prop::BackColor:
        applyColours(QPalette::ButtonText, QPalette::Button, false);
        break;
    default:
        break;
    }
}

QRect ButtonView::captionRect() const {
    QStyleOptionButton o;
    initStyleOption(&o);
    QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &o, this);
    if (r.height() < fontMetrics().height()) {
        // Clipped to the style's room, umlaut dots and descenders would go.
        r.setTop(0);
        r.setBottom(height() - 1);
    }
    return r;
}

void ButtonView::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton o;
    initStyleOption(&o);
    const QString caption = o.text;
    o.text.clear();
    p.drawControl(QStyle::CE_PushButton, o);
    // On a whole-pixel baseline: centring by the font's fractional line height puts
    // it half a pixel off, and that smears the small umlaut dots into a grey bar.
    const QRect room = captionRect();
    const QFontMetrics m = fontMetrics();
    QPoint at(room.left() + (room.width() - m.horizontalAdvance(caption)) / 2,
              room.top() + (room.height() - m.height()) / 2 + m.ascent());
    if (isDown()) {
        at += QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &o, this),
                     style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &o, this));
    }
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(at, caption);
}

void ButtonView::keyPressEvent(QKeyEvent* e) {
    // Enter and Space click through the control, never through Qt's own handling.
    if (routeKey(control(), *e)) {
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void ButtonView::mousePressEvent(QMouseEvent* e) {
    QPushButton::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) {
        clicks_.press();
    }
}

void ButtonView::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt treats it as a press first; the router then hears of the double click.
    QPushButton::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) {
        clicks_.doubleClick();
    }
}

// ---- CheckView

CheckView::CheckView(CheckBox& check, QWidget* parent)
    : QCheckBox(parent), ControlView(check), clicks_(check, true) {
    connect(this, &QCheckBox::clicked, this, [this] { clicks_.release(); });
}

void CheckView::syncOwn(Prop p) {
    auto& c = static_cast<CheckBox&>(control());
    switch (p) {
    case Prop::Caption:
        setText(c.caption());
        break;
    case Prop::Value:
        setTristate(c.value() == 2);
        setCheckState(c.value() == 1   ? Qt::Checked
                      : c.value() == 2 ? Qt::PartiallyChecked
                                       : Qt::Unchecked);
        break;
    case Prop::ForeColor:
    case Prop::BackColor:
        applyColours(QPalette::WindowText, QPalette::Window, c.backColor() != kDefaultColour);
        break;
    default:
        break;
    }
}

void CheckView::keyPressEvent(QKeyEvent* e) {
    if (routeKey(control(), *e)) {
        e->accept();
        return;
    }
    QCheckBox::keyPressEvent(e);
}

void CheckView::mousePressEvent(QMouseEvent* e) {
    QCheckBox::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) {
        clicks_.press();
    }
}

void CheckView::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt treats it as a press first; the router then hears of the double click.
    QCheckBox::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) {
        clicks_.doubleClick();
    }
}

// ---- ComboView

ComboView::ComboView(ComboBox& combo, QWidget* parent) : QComboBox(parent), ControlView(combo) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (!syncing_) {
            static_cast<ComboBox&>(control()).userSelect(i);
        }
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) {
        if (!syncing_) {
            static_cast<ComboBox&>(control()).setText(t);
        }
    });
}

void ComboView::syncOwn(Prop p) {
    auto& c = static_cast<ComboBox&>(control());
    switch (p) {
    case Prop::List:
        syncing_ = true;
        clear();
        addItems(c.list());
        syncing_ = false;
        [[fallthrough]]; // clearing the list clears the text too
    case Prop::Text:
    case Prop::ListIndex:
        if (lineEdit()->text() != c.text()) {
            syncing_ = true;
            lineEdit()->setText(c.text());
            syncing_ = false;
        }
        break;
    case Prop::ForeColor:
    case Prop::BackColor:
        applyColours(QPalette::Text, QPalette::Base, false);
        break;
    default:
        break;
    }
}

void ComboView::keyPressEvent(QKeyEvent* e) {
    if (const int vk = virtualKeyCode(*e)) {
        control().userKeyDown(vk);
    }
    QComboBox::keyPressEvent(e);
}

// ---- PictureView

PictureView::PictureView(PictureBox& picture, QWidget* parent)
    : QWidget(parent), ControlView(picture), clicks_(picture, false) {}

void PictureView::syncOwn(Prop p) {
    if (p == Prop::Picture) {
        auto& box = static_cast<PictureBox&>(control());
        image_ = QImage();
        if (!box.picturePath().isEmpty()) {
            image_.load(box.picturePath());
        }
        if (image_.isNull() && !box.builtinPicture().isEmpty()) {
            image_ = builtinChart(box.builtinPicture(), QSize(toPixels(box.pictureWidth()),
                                                              toPixels(box.pictureHeight())));
        }
    }
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto back = toQColor(control().backColor(), QApplication::palette());
    painter.fillRect(rect(), back.value_or(palette().color(QPalette::Window)));
    if (!image_.isNull()) {
        painter.drawImage(0, 0, image_);
    }
}

void PictureView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        clicks_.press();
    }
}

void PictureView::mouseReleaseEvent(QMouseEvent* e) {
    if (releasedInside(this, e)) {
        clicks_.release();
    }
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        clicks_.doubleClick();
    }
}

// ---- ShapeView, LineView

ShapeView::ShapeView(Shape& shape, QWidget* parent) : QWidget(parent), ControlView(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeView::syncOwn(Prop) {
    update();
}

void ShapeView::paintEvent(QPaintEvent*) {
    const auto& s = static_cast<Shape&>(control());
    const QPalette& pal = QApplication::palette();
    QPainter painter(this);
    const int bw = std::max(1, s.borderWidth());
    QPen pen(toQColor(s.foreColor(), pal).value_or(Qt::black), bw);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const auto fill = s.filled() ? toQColor(s.backColor(), pal) : std::nullopt;
    painter.setBrush(fill ? QBrush(*fill) : QBrush(Qt::NoBrush));
    const QRectF inner = QRectF(rect()).adjusted(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
    if (s.shapeType() == ShapeType::Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal d = std::min(inner.width(), inner.height());
        painter.drawEllipse(QRectF(inner.center().x() - d / 2, inner.center().y() - d / 2, d, d));
    } else {
        painter.drawRect(inner);
    }
}

LineView::LineView(Line& line, QWidget* parent) : QWidget(parent), ControlView(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineView::syncOwn(Prop) {
    update();
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto c = toQColor(control().foreColor(), QApplication::palette());
    painter.fillRect(rect(), c.value_or(QColor(0x80, 0x80, 0x80)));
}

} // namespace vellaro::qt
