#pragma once

#include "app/FrontEnd.h"
#include "console/Console.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/FormView.h"
#include "scenario/Fakes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The real front end on a console with recording services: real widgets, a manual
// clock, a clipboard that is a string.
class Desk : public ::testing::Test {
  protected:
    void SetUp() override {
        console = std::make_unique<vellaro::Console>(services.platform);
        frontEnd = std::make_unique<vellaro::qt::FrontEnd>(*console);
        console->start();
        QApplication::setActiveWindow(&view(form1()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view(form1())));
    }
    void TearDown() override {
        frontEnd.reset();
        console.reset();
    }

    vellaro::Form& form1() const { return console->form1(); }
    vellaro::qt::FormView& view(const vellaro::Form& f) const { return frontEnd->view(f); }
    QWidget* widget(const vellaro::Control& c) const {
        vellaro::qt::ControlView* v = frontEnd->viewOf(c);
        return v != nullptr ? v->widget() : nullptr;
    }
    template <typename W> W* widgetAs(const vellaro::Control& c) const {
        return dynamic_cast<W*>(widget(c));
    }
    // The test takes an event over from whichever feature owns it.
    template <typename E, typename F> static void takeOver(E& event, F&& handler) {
        event = nullptr;
        event = std::forward<F>(handler);
    }
    // Gives a widget the focus as the user would, by a click into it.
    void clickInto(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4)); }

    QTemporaryDir dir;
    vellaro::fake::Services services{dir.path()};
    std::unique_ptr<vellaro::Console> console;
    std::unique_ptr<vellaro::qt::FrontEnd> frontEnd;
};
