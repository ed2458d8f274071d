// The layout was drawn for a narrow 8 point interface font: at the font the front
// end uses, captions fit their controls and the blank-padded headers stand over
// the columns they name.
#include "Desk.h"

#include "platform/qt/Artwork.h"
#include "platform/qt/ControlWidgets.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>

using namespace vellaro;

namespace {

struct Span {
    double left;
    double right;
};

// Where a word of a header stands in its window, as the label draws it.
Span wordSpan(const qt::LabelView& label, const QString& word) {
    for (const auto& w : label.headerWords()) {
        if (w.text == word) {
            const double x = label.geometry().x();
            // It is drawn in one line: the label must be wide and high enough.
            EXPECT_LE(w.right, label.width()) << word.toStdString();
            EXPECT_GE(label.height(), QFontMetrics(label.font()).height() - 1);
            return {x + w.left, x + w.right};
        }
    }
    ADD_FAILURE() << "no " << word.toStdString() << " in " << label.text().toStdString();
    return {};
}

// The columns' common span over the rows given.
Span columnSpan(std::initializer_list<const QWidget*> boxes) {
    Span s{-1e9, 1e9};
    for (const QWidget* b : boxes) {
        s.left = std::max<double>(s.left, b->geometry().left());
        s.right = std::min<double>(s.right, b->geometry().left() + b->geometry().width());
    }
    return s;
}

} // namespace

class Legibility : public Desk {
  protected:
    // Every word lies wholly over the column it names.
    void expectHeader(const Label& header,
                      std::initializer_list<std::pair<const char*, Span>> columns) {
        const auto* label = widgetAs<qt::LabelView>(header);
        ASSERT_NE(label, nullptr);
        for (const auto& [word, column] : columns) {
            const Span w = wordSpan(*label, QString::fromUtf8(word));
            EXPECT_GE(w.left, column.left) << word << " starts left of its column";
            EXPECT_LE(w.right, column.right) << word << " runs past its column";
        }
    }
    const QWidget* box(Form& f, const char* name, int row = -1) const {
        return widget(f.text(QString::fromLatin1(name), row));
    }
};

TEST_F(Legibility, TheFrontEndUsesTheInstalledFreeFont) {
    const QFont f = frontEnd->consoleFont();
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(QFontInfo(f).exactMatch());
    EXPECT_EQ(f.pixelSize(), 11);
}

TEST_F(Legibility, StripHeaderWordsStandOverTheirColumns) {
    form1().setHeight(5580);
    Form& f = form1();
    auto rows = [&](const char* name) {
        return columnSpan({box(f, name, 0), box(f, name, 1), box(f, name, 6)});
    };
    expectHeader(f.label(QStringLiteral("Label6")), {{"Callsign", rows("Text7")},
                                                     {"Dest", rows("Text8")},
                                                     {"via", rows("Text9")},
                                                     {"Squawk", rows("Text10")},
                                                     {"Remarks", rows("Text11")}});
}

TEST_F(Legibility, WeatherHeaderWordsStandOverTheirBoxes) {
    Form& f = form1();
    for (const char* name : {"Label14", "Label15"}) {
        SCOPED_TRACE(name);
        expectHeader(f.label(QString::fromLatin1(name)),
                     {{"Wind", columnSpan({box(f, "Text1")})},
                      {"kts", columnSpan({box(f, "Text2")})},
                      {"QNH", columnSpan({box(f, "Text3")})},
                      {"Land", columnSpan({box(f, "Text4")})},
                      {"TakeOff", columnSpan({box(f, "Text5")})}});
    }
}

TEST_F(Legibility, GroundInfoHeaderWordsStandOverTheirColumns) {
    Form& g = console->form4();
    g.setVisible(true);
    auto at = [&](const Control& c) { return columnSpan({widget(c)}); };
    expectHeader(g.label(QStringLiteral("Label1")),
                 {{"Callsign", at(g.text(QStringLiteral("Text1"), 0))},
                  {"cl", at(g.check(QStringLiteral("Check1"), 0))},
                  {"st", at(g.check(QStringLiteral("Check2"), 0))},
                  {"tx", at(g.check(QStringLiteral("Check3"), 0))},
                  {"t/o", at(g.button(QStringLiteral("Command1"), 0))}});
}

TEST_F(Legibility, EveryCaptionFitsItsControlUmlautDotsIncluded) {
    for (Form* f : {&form1(), &console->form4(), &console->form2()}) {
        f->setVisible(true);
        for (const auto& c : f->controls()) {
            QWidget* w = widget(*c);
            if (w == nullptr) {
                continue; // timers have no widget
            }
            QString text;
            QRect room;
            if (auto* b = dynamic_cast<qt::ButtonView*>(w)) {
                text = b->text();
                room = b->captionRect();
            } else if (auto* l = dynamic_cast<QLabel*>(w); l != nullptr && l->isVisible()) {
                text = l->text();
                room = l->contentsRect();
            }
            if (text.trimmed().isEmpty()) {
                continue;
            }
            const QFontMetrics m(w->font());
            const QRect need = m.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
            // The ink too: accents and umlaut dots stand above the ascent of some fonts.
            const QRect ink = m.tightBoundingRect(text).translated(0, m.ascent());
            const bool button = dynamic_cast<QPushButton*>(w) != nullptr;
            // Buttons centre their caption, labels start at the top.
            const int top = button ? (room.height() - m.height()) / 2 : 0;
            SCOPED_TRACE(
                QStringLiteral("%1.%2 \"%3\"").arg(f->name(), c->name(), text).toStdString());
            EXPECT_LE(need.width(), room.width());
            EXPECT_LE(need.height(), room.height());
            // Inside the button's one-pixel frame.
            EXPECT_GE(room.top() + top + ink.top(), button ? 1 : 0);
        }
    }
}

TEST(Artwork, BackgroundGrainIsThePictureAsTheImageReaderReadsIt) {
    // The rows are copied straight out of the file: a wrong offset would shift the grain.
    const QImage read = QImage(QStringLiteral(":/vellaro/background.pgm"))
                            .convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(vellaro::qt::backgroundTexture(), read);
}
