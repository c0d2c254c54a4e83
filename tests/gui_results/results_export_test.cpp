#include "results_board.h"

#include "gui/detailed_results_dialog.h"
#include "gui/export_button_checks.h"
#include "gui/modal_driver.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::ResultsBoard;

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos;
         from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// Chooses 'file' in the next file dialog, after noting the file it proposed.
void chooseFile(const std::string& file, QString& proposed) {
    test::whenFileDialog([&proposed, file](QFileDialog& d) {
        proposed = d.selectedFiles().value(0);
        d.selectFile(QString::fromStdString(file));
        static_cast<QDialog&>(d).accept(); // as its "Save" button does
    });
}

TEST(ResultsExport, theBoardsButtonWritesTheRunInPrintedOrderWithItsTimesInMilliseconds) {
    ResultsBoard b;
    QString proposed;
    chooseFile(b.g.folder.file("run.csv"), proposed);
    auto* button = qobject_cast<QPushButton*>(b.g.control(6001));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Exporter");
    EXPECT_TRUE(button->isEnabled());
    button->click();
    EXPECT_EQ(proposed, QDir(QString::fromStdString(b.g.folder.path()))
                            .filePath(QString::fromUtf8("Résultats série - Buggy - Manche1 - "
                                                        "Série1.csv")));

    const std::vector<std::string> lines = split(b.g.folder.read("run.csv"), "\r\n");
    ASSERT_EQ(lines.size(), 5u) << "the header, three cars and the last line's end";
    EXPECT_EQ(lines[0].rfind("\xEF\xBB\xBFPos;N°;Pilote;Résultat pris en compte - Tours;", 0), 0u)
        << lines[0];
    const std::vector<std::string> boris = split(lines[1], ";");
    ASSERT_EQ(boris.size(), 13u) << lines[1];
    EXPECT_EQ(boris[2], "Boris");
    EXPECT_EQ(std::vector<std::string>(boris.begin() + 3, boris.begin() + 8),
              (std::vector<std::string>{"11", "4:55.900", "295900", "26.900", "26900"}));
    EXPECT_NE(lines[2].find(";Anna;10;4:31.000;271000;27.100;27100;"), std::string::npos)
        << lines[2];
    EXPECT_NE(lines[3].find(";Chloe;9;4:21.000;261000;29.000;29000;"), std::string::npos)
        << lines[3];
    EXPECT_EQ(lines[4], "");
    EXPECT_TRUE(b.g.dialogs.messages.empty());
}

TEST(ResultsExport, cancellingTheFileDialogWritesNothing) {
    ResultsBoard b;
    test::whenFileDialog([](QFileDialog& d) { d.reject(); });
    qobject_cast<QPushButton*>(b.g.control(6001))->click();
    EXPECT_TRUE(QDir(QString::fromStdString(b.g.folder.path()))
                    .entryList({"*.csv"}, QDir::Files)
                    .isEmpty());
    EXPECT_TRUE(b.g.dialogs.messages.empty());
}

TEST(ResultsExport, theDetailedResultsExportTheTableShownButNotTheChart) {
    ResultsBoard b;
    QString proposed;
    test::whenDialogWith("6303", [&](QWidget& d) {
        auto* button = d.findChild<QPushButton*>("6001");
        ASSERT_NE(button, nullptr);
        test::expectExportButton(d);
        d.findChild<QRadioButton*>("6303")->click();
        EXPECT_FALSE(button->isEnabled()) << "the chart is no table";
        d.findChild<QRadioButton*>("6302")->click();
        EXPECT_TRUE(button->isEnabled());
        chooseFile(b.g.folder.file("laps.csv"), proposed);
        button->click();
        test::clickButton(d, "1");
    });
    b.g.window->action(6103)->trigger();
    EXPECT_TRUE(
        proposed.endsWith(QString::fromUtf8("temps au tour - Buggy - Manche1 - Série1.csv")))
        << proposed.toStdString();

    const std::vector<std::string> lines = split(b.g.folder.read("laps.csv"), "\r\n");
    ASSERT_EQ(lines.size(), 13u) << "the header, Boris's eleven laps and the last line's end";
    EXPECT_EQ(lines[0], "\xEF\xBB\xBFTour;Ligne1 - Anna;Ligne1 - Anna (ms);Ligne2 - Boris;"
                        "Ligne2 - Boris (ms);Ligne3 - Chloe;Ligne3 - Chloe (ms)");
    EXPECT_EQ(lines[1], "1;27.100;27100;26.900;26900;29.000;29000");
    EXPECT_EQ(lines[11], "11;;;26.900;26900;;") << "Boris alone ran an eleventh lap";
}

} // namespace
} // namespace racedesk
