#include "strips/CallsignCommands.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <set>

using vellaro::CallsignCommands;

namespace {

// The words of every entry whose test takes the text.
QStringList matching(const QString& text) {
    QStringList words;
    for (const auto& c : CallsignCommands::commands()) {
        if (c.matches(text, QString::fromUtf8(c.word))) {
            words << QString::fromUtf8(c.word);
        }
    }
    return words;
}

} // namespace

TEST(CallsignCommands, EachWordIsOneEntry) {
    std::set<QString> seen;
    for (const auto& c : CallsignCommands::commands()) {
        EXPECT_TRUE(seen.insert(QString::fromUtf8(c.word)).second) << c.word;
        EXPECT_NE(c.run, nullptr) << c.word;
    }
}

// A text that two entries took would run two commands at once.
TEST(CallsignCommands, ATypicalTextIsTakenByItsOwnEntryAlone) {
    const std::pair<const char*, const char*> samples[] = {
        {"rel1", "rel1"},
        {"rel0", "rel0"},
        {"atis", "atis"},
        {"alpha", "alpha"},
        {"freq 121.9!", "freq"},
        {"rem 122.1!", "rem"},
        {"atc 121.9!", "atc"},
        {"con 119.62!", "con"},
        {"atc!", "atc"},
        {"clear", "clear"},
        {"clr", "clr"},
        {".hallo.", "."},
        {"...", "."},
        {"..", ".."},
        {"prüf", "prüf"},
        {"wech", "wech"},
        {"imm", "imm"},
        {"adv", "adv"},
        {"de.ts", "de.ts"},
        {"de2.ts", "de2.ts"},
        {"de3.ts", "de3.ts"},
        {"de4.ts", "de4.ts"},
        {"rw:voiceorg", "rw:"},
        {"???", "???"},
        {"rrr", "rrr"},
        {"suchDLH.", "such"},
        {"such.", "such"},
        {"+++", "+++"},
        {"---", "---"},
        {"www", "www"},
        {"qqq", "qqq"},
        {"#", "#"},
        {"#note", "#"},
        {"111", "111"},
        {"444", "444"},
        {"777", "777"},
        {"autosid", "autosid"},
        {"nosid", "nosid"},
        {"'", "'"},
        {"depEDDT", "dep"},
        {"sid", "sid"},
        {"ip?", "ip?"},
        {"eins", "eins"},
        {"zwei", "zwei"},
    };
    for (const auto& [text, word] : samples) {
        EXPECT_EQ(matching(QString::fromUtf8(text)), QStringList{QString::fromUtf8(word)}) << text;
    }
}

TEST(CallsignCommands, CallsignsAndNearMissesAreNoCommands) {
    for (const char* text :
         {"",       "DLH123",   "Condor CFG440", "REL1", "rel1 ",     "Rel1",         " rel1",
          "depedd", "depeddtt", "dep",           ".",    "atc 121.9", "rw:voice.com", "such",
          "888",    "1111",     "pruef",         "sid ", "''",        "Alpha",        "??"}) {
        EXPECT_EQ(matching(QString::fromUtf8(text)), QStringList()) << text;
    }
}
