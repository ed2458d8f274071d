#pragma once

#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A console on the recording stand-ins in a fresh folder; files can be laid out
// before start().
class BoardTest : public ::testing::Test {
  protected:
    BoardTest() : s(dir.path()) {}

    void writeFile(const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const char* name) const {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void start() {
        c = std::make_unique<vellaro::Console>(s.platform);
        c->start();
    }

    vellaro::Form& f1() const { return c->form1(); }
    vellaro::Form& f4() const { return c->form4(); }
    vellaro::TextBox& box(const char* name, int row = -1) const {
        return f1().text(QString::fromLatin1(name), row);
    }
    void click(const char* name) const { f1().button(QString::fromLatin1(name)).userClick(); }
    // Fills a strip row as if typed in one go.
    void fill(int row, const char* cs, const char* dest, const char* route, const char* sq,
              const char* remarks) const {
        box("Text7", row).userSetText(QString::fromUtf8(cs), 0);
        box("Text8", row).userSetText(QString::fromUtf8(dest), 0);
        box("Text9", row).userSetText(QString::fromUtf8(route), 0);
        box("Text10", row).userSetText(QString::fromUtf8(sq), 0);
        box("Text11", row).userSetText(QString::fromUtf8(remarks), 0);
    }
    QString clipboard() const { return s.clipboard.text(); }

    QTemporaryDir dir;
    vellaro::fake::Services s;
    std::unique_ptr<vellaro::Console> c;
};
