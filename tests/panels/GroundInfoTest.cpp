#include "../strips/BoardFixture.h"

using namespace vellaro;

class GroundInfoBoard : public BoardTest {
  protected:
    void SetUp() override { start(); }
    TextBox& cs(int i) const { return f4().text(QStringLiteral("Text1"), i); }
    CheckBox& tick(const char* col, int i) const { return f4().check(QString::fromLatin1(col), i); }
    void put(int i, const char* callsign, std::array<int, 3> ticks = {}) const {
        cs(i).setText(QString::fromLatin1(callsign));
        tick("Check1", i).setValue(ticks[0]);
        tick("Check2", i).setValue(ticks[1]);
        tick("Check3", i).setValue(ticks[2]);
    }
    QStringList callsigns() const {
        QStringList out;
        for (int i = 0; i < 10; ++i) {
            out << cs(i).text();
        }
        return out;
    }
};

TEST_F(GroundInfoBoard, GndShowsRestoresAndHides) {
    Form& f = f4();
    EXPECT_FALSE(f.visible());
    f.setWindowState(1);
    click("Command36");
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.windowState(), 0);
    EXPECT_EQ(c->state.groundInfoClosed, 0);
    click("Command36");
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(c->state.groundInfoClosed, 1);
}

TEST_F(GroundInfoBoard, DeleteOfARowClosesTheGap) {
    put(0, "A1");
    put(1, "B2");
    put(2, "C3");
    put(3, "D4", {1, 0, 0});
    put(4, "E5", {1, 1, 1});
    f4().button(QStringLiteral("Command1"), 3).userClick();
    EXPECT_EQ(callsigns().mid(0, 5), (QStringList{"A1", "B2", "C3", "E5", ""}));
    EXPECT_EQ(tick("Check3", 3).value(), 1);
    EXPECT_EQ(tick("Check1", 4).value(), 0);
}

TEST_F(GroundInfoBoard, ZapMovesRowsAndTicksUp) {
    put(0, "DLH1");
    put(1, "", {1, 1, 1});
    put(3, "ber2", {0, 1, 0});
    put(9, "x9", {1, 0, 1});
    f4().button(QStringLiteral("Command2")).userClick();
    EXPECT_EQ(callsigns(), (QStringList{"DLH1", "BER2", "X9", "", "", "", "", "", "", ""}));
    EXPECT_EQ(tick("Check2", 1).value(), 1);
    EXPECT_EQ(tick("Check1", 1).value(), 0);
    EXPECT_EQ(tick("Check3", 2).value(), 1);
    EXPECT_EQ(tick("Check3", 9).value(), 0);
}

TEST_F(GroundInfoBoard, AllDoubleClickUpperCaseAndHeader) {
    put(2, "A1", {1, 1, 1});
    put(5, "B2", {1, 1, 1});
    cs(2).userDblClick();
    EXPECT_EQ(cs(2).text(), "");
    EXPECT_EQ(tick("Check1", 2).value(), 0);
    EXPECT_EQ(cs(5).text(), "B2"); // no gap closing

    f4().setFocus(cs(0));
    cs(0).userType(QStringLiteral("dlh1"));
    f4().setFocus(cs(1));
    EXPECT_EQ(cs(0).text(), "DLH1");

    f4().button(QStringLiteral("Command3")).userClick();
    EXPECT_EQ(callsigns(), QStringList(10, QString()));
    EXPECT_EQ(tick("Check3", 5).value(), 0);

    const int left = f4().left();
    f4().label(QStringLiteral("Label1")).userClick();
    EXPECT_EQ(f4().top(), 11595);
    EXPECT_EQ(f4().left(), left);
}
