#pragma once

#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vellaro::testing {

// A started console on the recording stand-ins, with a few short-hands for the
// weather block. The start-up retrieval timer is stopped so that advancing the
// clock only fires what a test switches on.
class WeatherTest : public ::testing::Test {
  protected:
    WeatherTest() : s(dir.path()), c(s.platform) {
        c.start();
        f().timer(QStringLiteral("Timer3")).setTimerEnabled(false);
    }

    Form& f() const { return c.form1(); }
    Form& mini() const { return c.form2(); }
    TextBox& box(const char* name) const { return f().text(QString::fromLatin1(name)); }
    Label& label(const char* name) const { return f().label(QString::fromLatin1(name)); }
    QString caption(const char* name) const { return label(name).caption(); }
    QString textOf(const char* name) const { return box(name).text(); }
    QString clipboard() const { return s.clipboard.text(); }

    // The user copies a METAR and presses "ATIS".
    void decode(const QString& metar) {
        s.clipboard.setText(metar);
        f().button(QStringLiteral("Command18")).userClick();
    }

    QTemporaryDir dir;
    fake::Services s;
    Console c;
};

} // namespace vellaro::testing
