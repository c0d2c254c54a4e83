#include "gui/gui_program.h"
#include "gui/modal_driver.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::clickButton;
using test::whenDialogWith;

QLineEdit* edit(QWidget& dialog, const char* name) {
    auto* found = dialog.findChild<QLineEdit*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << "no edit " << name;
    return found;
}

void typeOver(QWidget& dialog, const char* name, const char* text) {
    QLineEdit* e = edit(dialog, name);
    e->selectAll();
    QTest::keyClicks(e, QString::fromUtf8(text));
}

// "Planif qualifs" opens the calculator; the test's step runs in it and must close it.
void openCalculator(test::GuiProgram& g, std::function<void(QWidget&)> step) {
    bool shown = false;
    whenDialogWith("3508", [&shown, step](QWidget& d) {
        shown = true;
        step(d);
    });
    QAction* item = g.window->action(1011);
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_TRUE(shown);
}

TEST(QualifyingCalculatorDialog, showsTheExamplesFiguresAndKeepsThemForTheNextOpening) {
    test::GuiProgram g;
    openCalculator(g, [](QWidget& d) {
        EXPECT_EQ(edit(d, "3502")->text(), "0");
        EXPECT_EQ(edit(d, "3508")->text(), "0");
        EXPECT_EQ(edit(d, "3509")->text(), "0h00min");
        typeOver(d, "3501", "Touring 1/10");
        typeOver(d, "3502", "45");
        typeOver(d, "3503", "8");
        typeOver(d, "3504", "4");
        typeOver(d, "3505", "5");
        typeOver(d, "3506", "3");
        EXPECT_EQ(edit(d, "3507")->text(), "Touring 1/10");
        EXPECT_EQ(edit(d, "3508")->text(), "24");
        EXPECT_EQ(edit(d, "3509")->text(), "3h12min");
        clickButton(d, "1");
    });
    openCalculator(g, [](QWidget& d) {
        EXPECT_EQ(edit(d, "3501")->text(), "Touring 1/10");
        EXPECT_EQ(edit(d, "3502")->text(), "45");
        EXPECT_EQ(edit(d, "3506")->text(), "3");
        EXPECT_EQ(edit(d, "3508")->text(), "24");
        EXPECT_EQ(edit(d, "3509")->text(), "3h12min");
        typeOver(d, "3503", "0");
        EXPECT_EQ(edit(d, "3508")->text(), "0");
        EXPECT_EQ(edit(d, "3509")->text(), "0h00min");
        d.close();
    });
    openCalculator(g, [](QWidget& d) {
        EXPECT_EQ(edit(d, "3503")->text(), "0") << "closing the window keeps the values too";
        clickButton(d, "1");
    });
}

TEST(QualifyingCalculatorDialog, numbersAboveTheirLimitShowTheLimit) {
    test::GuiProgram g;
    openCalculator(g, [](QWidget& d) {
        typeOver(d, "3502", "250");
        EXPECT_EQ(edit(d, "3502")->text(), "200");
        typeOver(d, "3503", "25");
        EXPECT_EQ(edit(d, "3503")->text(), "20");
        typeOver(d, "3505", "150");
        EXPECT_EQ(edit(d, "3505")->text(), "120");
        typeOver(d, "3504", "12");
        EXPECT_EQ(edit(d, "3504")->text(), "1") << "one character";
        EXPECT_EQ(edit(d, "3508")->text(), "10");
        EXPECT_EQ(edit(d, "3509")->text(), "20h00min");
        EXPECT_EQ(edit(d, "3501")->maxLength(), 53);
        clickButton(d, "1");
    });
}

} // namespace
} // namespace racedesk
