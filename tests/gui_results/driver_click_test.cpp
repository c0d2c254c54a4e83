#include "results_board.h"

#include "core/timing/board_layout.h"
#include "gui/board_widget.h"
#include "gui/modal_driver.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::ResultsBoard;

TEST(DriverClick, ctrlClickOnARowWritesThatRowsCarAndOpensTheAnalysis) {
    ResultsBoard b;
    const int anna = b.rowOf("Anna");
    QString opened;
    test::whenModal([](QWidget& w) { return qobject_cast<QDialog*>(&w) != nullptr; },
                    [&opened](QWidget& w) {
                        opened = w.windowTitle();
                        static_cast<QDialog&>(w).reject();
                    });
    b.clickCell(anna, kNameColumn, Qt::ControlModifier);
    EXPECT_EQ(opened, QString::fromUtf8("Analyse résultats pilote"));
    const std::string handed = b.g.folder.read("ResultatPilote.res");
    EXPECT_EQ(handed.rfind("Anna\t10\t0\t27100\t54200\t", 0), 0u) << handed;
    EXPECT_NE(handed.find("\r\n Buggy - Manche1 - S\xE9rie1 \t"), std::string::npos) << handed;
}

TEST(DriverClick, ctrlClickOnARowWithoutACarHandsNothingOver) {
    ResultsBoard b;
    b.clickCell(4, kNameColumn, Qt::ControlModifier);
    EXPECT_FALSE(b.g.folder.exists("ResultatPilote.res"));
}

TEST(DriverClick, ctrlClickInEditingModeHandsTheCarOverInsteadOfOpeningFields) {
    ResultsBoard b;
    b.p.loaded.editingResults = true;
    test::whenModal([](QWidget& w) { return qobject_cast<QDialog*>(&w) != nullptr; },
                    [](QWidget& w) { static_cast<QDialog&>(w).reject(); });
    b.clickCell(0, kLapsColumn, Qt::ControlModifier);
    EXPECT_TRUE(b.g.folder.exists("ResultatPilote.res"));
    EXPECT_EQ(b.g.window->board()->findChild<QWidget*>("6201"), nullptr);
}

} // namespace
} // namespace racedesk
