#include "core/settings/display_dialog_rules.h"

#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TestProgram;

DisplaySettings distinctRecord() {
    DisplaySettings s;
    s.style = 1;
    for (int i = 0; i < kBoardColumnCount; ++i)
        s.columnWidths[std::size_t(i)] = 50 + i;
    for (int i = 0; i < kFontCount; ++i) {
        FontSpec& f = s.fonts[std::size_t(i)];
        f.face = i == 3 ? "DejaVu Sans Mono" : "Arial";
        f.height = 12 + i;
        f.weight = 700;
        f.italic = i == 5;
        s.fontColours[std::size_t(i)] = rgb(i, 0, 0);
    }
    for (int i = 0; i < kColourCount; ++i)
        s.colours[std::size_t(i)] = rgb(0, i, 0);
    for (int i = 0; i < kCustomColourCount; ++i)
        s.customColours[std::size_t(i)] = rgb(0, 0, i);
    return s;
}

std::string fileImage(const TestProgram& t, const DisplaySettings& s) {
    writeDisplaySettings(t.folder.file("image.tmp"), s);
    return t.folder.read("image.tmp");
}

TEST(ColumnWidthButtons, plusStopsAt999AndMinusAtZero) {
    EXPECT_EQ(widenedColumn(0), 1);
    EXPECT_EQ(widenedColumn(998), 999);
    EXPECT_EQ(widenedColumn(999), 999);
    EXPECT_EQ(widenedColumn(1200), 1200);
    EXPECT_EQ(narrowedColumn(999), 998);
    EXPECT_EQ(narrowedColumn(1), 0);
    EXPECT_EQ(narrowedColumn(0), 0);
    EXPECT_EQ(narrowedColumn(-3), -3);
}

TEST(ColumnWidthField, takesAtMostThreeLeadingDigits) {
    EXPECT_EQ(widthOfField("250"), 250);
    EXPECT_EQ(widthOfField("007"), 7);
    EXPECT_EQ(widthOfField(""), 0);
    EXPECT_EQ(widthOfField("1234"), 123);
    EXPECT_EQ(widthOfField("12x"), 12);
    EXPECT_EQ(widthOfField("x12"), 0);
}

TEST(DisplayFileName, proposedNameSavesNothingAndOnlyNamesWithoutScrnGetIt) {
    EXPECT_EQ(displayFileToSave(""), "");
    EXPECT_EQ(displayFileToSave("/work/Tarvolin Racedesk/*.scrn"), "");
    EXPECT_EQ(displayFileToSave("/work/club"), "/work/club.scrn");
    EXPECT_EQ(displayFileToSave("/work/club.txt"), "/work/club.txt.scrn");
    EXPECT_EQ(displayFileToSave("/work/club.scrn"), "/work/club.scrn");
    EXPECT_EQ(displayFileToSave("/work/a.scrn.bak"), "/work/a.scrn.bak");
    // Only the name counts, not the folder it stands in.
    EXPECT_EQ(displayFileToSave("/work/old.scrn/club"), "/work/old.scrn/club.scrn");
}

TEST(DisplayFileSave, leftAsProposedWritesNothing) {
    TestProgram t;
    t.dialogs.files.push_back(t.folder.file("*.scrn"));
    EXPECT_FALSE(saveChosenDisplayFile(t.program, distinctRecord()));
    EXPECT_FALSE(t.folder.exists("*.scrn"));
    EXPECT_FALSE(t.folder.exists("*.scrn.scrn"));
    ASSERT_EQ(t.dialogs.fileFilters.size(), 1u);
    EXPECT_EQ(t.dialogs.fileFilters[0], "Fichier affichage|*.scrn|" + t.folder.path());
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(DisplayFileSave, nameWithoutExtensionGetsItAndHoldsTheRecord) {
    TestProgram t;
    const DisplaySettings record = distinctRecord();
    t.dialogs.files.push_back(t.folder.file("club"));
    EXPECT_TRUE(saveChosenDisplayFile(t.program, record));
    EXPECT_FALSE(t.folder.exists("club"));
    ASSERT_TRUE(t.folder.exists("club.scrn"));
    EXPECT_EQ(t.folder.read("club.scrn"), fileImage(t, record));
}

TEST(DisplayFileSave, nameHoldingScrnIsUsedUnchanged) {
    TestProgram t;
    t.dialogs.files.push_back(t.folder.file("a.scrn.bak"));
    EXPECT_TRUE(saveChosenDisplayFile(t.program, distinctRecord()));
    EXPECT_TRUE(t.folder.exists("a.scrn.bak"));
    EXPECT_FALSE(t.folder.exists("a.scrn.bak.scrn"));
}

TEST(DisplayFileSave, unwritableFileIsReported) {
    TestProgram t;
    t.dialogs.files.push_back(t.folder.file("no such folder/club"));
    EXPECT_FALSE(saveChosenDisplayFile(t.program, distinctRecord()));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir le fichier Réglage Affichage");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");
}

TEST(DisplayFileLoad, unreadableFileKeepsTheRecordWholeFontNamesIncluded) {
    TestProgram t;
    const DisplaySettings before = distinctRecord();
    DisplaySettings record = before;
    t.dialogs.files.push_back(t.folder.file("gone.scrn"));
    EXPECT_FALSE(loadChosenDisplayFile(t.program, record));
    EXPECT_EQ(fileImage(t, record), fileImage(t, before));
    EXPECT_EQ(record.fonts[3].face.view(), "DejaVu Sans Mono");
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir le fichier Affichage");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");
}

TEST(DisplayFileLoad, readableFileReplacesTheRecordAndCancelChangesNothing) {
    TestProgram t;
    DisplaySettings saved = distinctRecord();
    saved.colours[kBoardBackground] = rgb(1, 2, 3);
    saved.fonts[0].face = "Liberation Serif";
    saved.customColours[15] = rgb(9, 8, 7);
    ASSERT_TRUE(writeDisplaySettings(t.folder.file("club.scrn"), saved));

    DisplaySettings record = distinctRecord();
    EXPECT_FALSE(loadChosenDisplayFile(t.program, record)); // cancelled
    EXPECT_EQ(fileImage(t, record), fileImage(t, distinctRecord()));

    t.dialogs.files.push_back(t.folder.file("club.scrn"));
    EXPECT_TRUE(loadChosenDisplayFile(t.program, record));
    EXPECT_EQ(fileImage(t, record), fileImage(t, saved));
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(DialogRecord, missingSettingsFileIsReportedAndTheRecordKept) {
    TestProgram t;
    DisplaySettings record = distinctRecord();
    EXPECT_FALSE(readDialogRecord(t.program, record));
    EXPECT_EQ(fileImage(t, record), fileImage(t, distinctRecord()));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir le fichier Réglage Affichage");
}

TEST(DialogRecord, okWritesThePrivateSettingsFileThatOpeningReads) {
    TestProgram t;
    DisplaySettings record = distinctRecord();
    record.columnWidths[8] = 999;
    EXPECT_FALSE(writeDialogRecord(t.program, record)); // no Private folder yet
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
    t.folder.write("Private/keep", "");
    ASSERT_TRUE(writeDialogRecord(t.program, record));
    DisplaySettings back;
    ASSERT_TRUE(readDialogRecord(t.program, back));
    EXPECT_EQ(fileImage(t, back), fileImage(t, record));
    EXPECT_EQ(t.folder.read("Private/RéglagesAffichage.rgsc"), fileImage(t, record));
}

TEST(FontPicker, pointsMapToPixelsAtNinetySixDotsPerInch) {
    EXPECT_EQ(pixelsOfPoints(12), 16);
    EXPECT_EQ(pixelsOfPoints(20), 27); // 26.67
    EXPECT_EQ(pixelsOfPoints(8), 11);  // 10.67
    EXPECT_DOUBLE_EQ(pointsOfPixels(16), 12.0);
    EXPECT_DOUBLE_EQ(pointsOfPixels(18), 13.5);
}

TEST(FontPicker, heightsAreHeldToEachFontsSizes) {
    // Heat title at most 20 points (27 px), radio conflict 40 (53 px), headings 8 to 16
    // (11 to 21 px), columns 50 (67 px).
    EXPECT_EQ(clampedFontHeight(kHeatTitleFont, 96), 27);
    EXPECT_EQ(clampedFontHeight(kHeatTitleFont, 27), 27);
    EXPECT_EQ(clampedFontHeight(kHeatTitleFont, 9), 9);
    EXPECT_EQ(clampedFontHeight(kConflictFont, 54), 53);
    EXPECT_EQ(clampedFontHeight(kConflictFont, 40), 40);
    EXPECT_EQ(clampedFontHeight(kHeadingsFont, 8), 11);
    EXPECT_EQ(clampedFontHeight(kHeadingsFont, 22), 21);
    EXPECT_EQ(clampedFontHeight(kHeadingsFont, 16), 16);
    for (int font = kFirstColumnFont; font < kFontCount; ++font) {
        EXPECT_EQ(clampedFontHeight(font, 100), 67) << font;
        EXPECT_EQ(clampedFontHeight(font, 8), 8) << font;
    }
}

TEST(FontPicker, chosenFontKeepsFaceHeightWeightFlagsAndColourOnly) {
    DisplaySettings record = distinctRecord();
    const DisplaySettings before = record;
    FontSpec chosen;
    chosen.face = "Liberation Serif";
    chosen.height = 200;
    chosen.weight = 300;
    chosen.italic = true;
    chosen.underline = true;
    chosen.strikeOut = true;
    storeChosenFont(record, kHeadingsFont, chosen, rgb(10, 20, 30));

    const FontSpec& f = record.fonts[kHeadingsFont];
    EXPECT_EQ(f.face.view(), "Liberation Serif");
    EXPECT_EQ(f.height, 21);
    EXPECT_EQ(f.weight, 300);
    EXPECT_TRUE(f.italic);
    EXPECT_TRUE(f.underline);
    EXPECT_TRUE(f.strikeOut);
    EXPECT_EQ(record.fontColours[kHeadingsFont], rgb(10, 20, 30));

    record.fonts[kHeadingsFont] = before.fonts[kHeadingsFont];
    record.fontColours[kHeadingsFont] = before.fontColours[kHeadingsFont];
    TestProgram t;
    EXPECT_EQ(fileImage(t, record), fileImage(t, before)); // nothing else moved
}

} // namespace
} // namespace racedesk
