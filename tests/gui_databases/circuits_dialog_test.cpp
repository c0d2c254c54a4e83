#include "gui/circuits_dialog.h"

#include "core/databases/circuits.h"
#include "support/test_program.h"

#include "gui/modal_driver.h"
#include "gui_databases/database_dialog_driver.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace racedesk {
namespace {

using namespace test;

constexpr int kList = 3001;
constexpr int kNew = 3005;
const char* const kFile = "BaseDonnéesCircuits.bd";
// In file order, not in name order: the dialog lists them as they stand until it orders them.
const std::string kTwoCircuits = "Vallon\t1200\t1:01.234\t61234\tBob\t3\tVallon Pont\t\t\r\n"
                                 "Anneau\t800\t\t0\t\t2\tStrasbourg\t\t\r\n";

struct CircuitsDialog : ::testing::Test {
    TestProgram t;
    void run() { runCircuitsDialog(t.program, nullptr); }
};

TEST_F(CircuitsDialog, opensWithTheFileOrderAndTheFirstCircuitShown) {
    t.folder.write(kFile, kTwoCircuits);
    whenDialogWith("3005", [](QWidget& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Base de données Circuits"));
        EXPECT_EQ(listedNames(d, kList), (QStringList{"Vallon", "Anneau"}));
        EXPECT_EQ(selectedRow(d, kList), 0);
        EXPECT_EQ(shownIdentifier(d, kList), QStringList{"1"});
        EXPECT_EQ(textOf(d, 3006), "Vallon");
        EXPECT_EQ(textOf(d, 3007), "Vallon Pont");
        EXPECT_EQ(textOf(d, 3008), "1200");
        EXPECT_EQ(textOf(d, 3009), "1:01.234");
        EXPECT_EQ(textOf(d, 3010), "Bob");
        EXPECT_EQ(textOf(d, 3012), "3");
        selectRow(d, kList, 1);
        EXPECT_EQ(shownIdentifier(d, kList), QStringList{"2"});
        EXPECT_EQ(textOf(d, 3007), "Strasbourg");
        clickButton(d, "2");
    });
    run();
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(CircuitsDialog, echapAndClosingAfterEditsLeaveTheFileByteIdentical) {
    const std::string file = kTwoCircuits + "odd line without tabs\n";
    t.folder.write(kFile, file);
    whenDialogWith("3005", [](QWidget& d) {
        typeInto(d, 3007, "Elsewhere");
        addByButtons(d, kList, kNew, "Mornas");
        removeByButton(d, kList);
        clickButton(d, "2");
    });
    run();
    EXPECT_EQ(t.folder.read(kFile), file);

    whenDialogWith("3005", [](QWidget& d) {
        addByButtons(d, kList, kNew, "Mornas");
        d.close();
    });
    run();
    EXPECT_EQ(t.folder.read(kFile), file);
}

TEST_F(CircuitsDialog, okWritesTheEditsTheAdditionAndTheClearedLapRecordInNameOrder) {
    t.folder.write(kFile, kTwoCircuits);
    whenDialogWith("3005", [](QWidget& d) {
        selectRow(d, kList, 1);
        typeInto(d, 3007, "Geispolsheim");
        typeInto(d, 3008, "9a999");
        EXPECT_EQ(textOf(d, 3008), "9999") << "digits only, four at most";
        typeInto(d, 3012, "1234");
        EXPECT_EQ(textOf(d, 3012), "123");

        addByButtons(d, kList, kNew, "Mornas");
        EXPECT_EQ(listedNames(d, kList), (QStringList{"Anneau", "Mornas", "Vallon"}));
        EXPECT_EQ(selectedRow(d, kList), 1) << "the new circuit is selected";
        EXPECT_EQ(shownIdentifier(d, kList), QStringList{"2"});
        EXPECT_EQ(textOf(d, 3006), "Mornas");
        EXPECT_EQ(textOf(d, kNew), "");

        selectRow(d, kList, 2);
        EXPECT_EQ(textOf(d, 3009), "1:01.234");
        clickButton(d, "3011");
        EXPECT_EQ(textOf(d, 3009), "");
        EXPECT_EQ(textOf(d, 3010), "");
        clickButton(d, "1");
    });
    run();
    EXPECT_EQ(t.folder.read(kFile), "Anneau\t9999\t\t0\t\t123\tGeispolsheim\t\t\r\n"
                                    "Mornas\t\t\t0\t\t\t\t\t\r\n"
                                    "Vallon\t1200\t\t0\t\t3\tVallon Pont\t\t\r\n");
}

TEST_F(CircuitsDialog, removingAddsTheTypedNameAndRefusalsChangeNothing) {
    t.folder.write(kFile, kTwoCircuits);
    whenDialogWith("3005", [](QWidget& d) {
        addByButtons(d, kList, kNew, "Vallon");
        EXPECT_EQ(listedNames(d, kList), (QStringList{"Vallon", "Anneau"})) << "a duplicate";
        EXPECT_EQ(textOf(d, kNew), "Vallon") << "a refused name stays typed";
        addByButtons(d, kList, kNew, " Space");
        EXPECT_EQ(listedNames(d, kList).size(), 2);
        addByButtons(d, kList, kNew, "VALLON");
        EXPECT_EQ(listedNames(d, kList), (QStringList{"Anneau", "VALLON", "Vallon"}))
            << "another case is another circuit";

        selectRow(d, kList, 2);
        typeInto(d, kNew, QString::fromUtf8("Lédenon"));
        removeByButton(d, kList);
        EXPECT_EQ(listedNames(d, kList),
                  (QStringList{"Anneau", QString::fromUtf8("Lédenon"), "VALLON"}));
        EXPECT_EQ(selectedRow(d, kList), 1);
        EXPECT_EQ(textOf(d, kNew), "");
        removeByButton(d, kList);
        EXPECT_EQ(selectedRow(d, kList), 0) << "nothing typed: the first is selected";
        clickButton(d, "1");
    });
    run();
    EXPECT_EQ(t.folder.read(kFile), "Anneau\t800\t\t0\t\t2\tStrasbourg\t\t\r\n"
                                    "VALLON\t\t\t0\t\t\t\t\t\r\n");
}

TEST_F(CircuitsDialog, removingTheOnlyCircuitThenOkWritesAnEmptyFile) {
    t.folder.write(kFile, "Only\t\t\t0\t\t\t\t\t\r\n");
    whenDialogWith("3005", [](QWidget& d) {
        removeByButton(d, kList);
        EXPECT_TRUE(listedNames(d, kList).isEmpty());
        EXPECT_TRUE(shownIdentifier(d, kList).isEmpty());
        EXPECT_EQ(textOf(d, 3006), "");
        clickButton(d, "1");
    });
    run();
    EXPECT_EQ(t.folder.read(kFile), "");
}

TEST_F(CircuitsDialog, aMissingFileIsReportedAndEditsWithNothingSelectedAreKeptNowhere) {
    whenDialogWith("3005", [](QWidget& d) {
        EXPECT_TRUE(listedNames(d, kList).isEmpty());
        typeInto(d, 3007, "Nowhere");
        typeInto(d, 3008, "123");
        addByButtons(d, kList, kNew, "Mornas");
        EXPECT_EQ(textOf(d, 3007), "") << "the new circuit shows its own empty fields";
        clickButton(d, "1");
    });
    run();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir la base de données Circuits");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");
    EXPECT_EQ(t.folder.read(kFile), "Mornas\t\t\t0\t\t\t\t\t\r\n");
}

TEST_F(CircuitsDialog, aFileThatCannotBeWrittenIsReportedAndLeftAsItWas) {
    t.folder.write(kFile, kTwoCircuits);
    // The file is replaced through a temporary beside it; a folder in its way makes that fail.
    std::filesystem::create_directory(t.folder.file(std::string(kFile) + ".tmp"));
    whenDialogWith("3005", [](QWidget& d) {
        addByButtons(d, kList, kNew, "Mornas");
        clickButton(d, "1");
    });
    run();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir la base de données Circuits");
    EXPECT_EQ(t.folder.read(kFile), kTwoCircuits);
}

TEST_F(CircuitsDialog, thePictureIsChosenByALeftDoubleClickDrawnScaledAndEmptiedByARightOne) {
    t.folder.write(kFile, kTwoCircuits);
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    const std::string bmp = t.folder.file("piste.bmp");
    ASSERT_TRUE(red.save(QString::fromStdString(bmp), "BMP"));
    t.dialogs.files.push_back(bmp);
    whenDialogWith("3005", [](QWidget& d) {
        QWidget* picture = d.findChild<QWidget*>("picture");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), QRect(541, 51, 217, 148));
        EXPECT_NE(picture->grab().toImage().pixelColor(200, 130), QColor(Qt::red));
        QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(20, 20));
        const QImage shown = picture->grab().toImage();
        EXPECT_EQ(shown.pixelColor(108, 74), QColor(Qt::red));
        EXPECT_EQ(shown.pixelColor(210, 140), QColor(Qt::red)) << "stretched to the whole area";

        selectRow(d, kList, 1);
        EXPECT_NE(picture->grab().toImage().pixelColor(108, 74), QColor(Qt::red))
            << "the other circuit has no picture";
        selectRow(d, kList, 0);
        EXPECT_EQ(picture->grab().toImage().pixelColor(108, 74), QColor(Qt::red));
        clickButton(d, "1");
    });
    run();
    ASSERT_EQ(t.dialogs.fileFilters.size(), 1u);
    EXPECT_EQ(t.dialogs.fileFilters[0], "Images|*.bmp|" + t.folder.path());
    EXPECT_NE(t.folder.read(kFile).find("\t" + bmp + "\t\r\n"), std::string::npos);

    whenDialogWith("3005", [](QWidget& d) {
        QWidget* picture = d.findChild<QWidget*>("picture");
        ASSERT_NE(picture, nullptr);
        QTest::mouseDClick(picture, Qt::RightButton, {}, QPoint(20, 20));
        EXPECT_NE(picture->grab().toImage().pixelColor(108, 74), QColor(Qt::red));
        clickButton(d, "1");
    });
    run();
    EXPECT_EQ(t.folder.read(kFile), kTwoCircuits);
}

} // namespace
} // namespace racedesk
