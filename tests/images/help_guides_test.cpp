#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct ExpectedGuide {
    std::string file; // the name the help command opens under "Guides/"
    std::vector<std::string> words;
};

void PrintTo(const ExpectedGuide& guide, std::ostream* out) {
    *out << guide.file;
}

// Words a reader of each guide must find: the menus and buttons as the build names them, the
// working folder, the decoder and its simulator, the crash copy of the race.
std::vector<ExpectedGuide> guides() {
    return {
        {"HelpRacedeskFR.pdf",
         {"Racedesk", "Réglages", "Interface", "KT1", "KT2", "kt-sim", "Départ", "Effacer",
          "Tarvolin Racedesk", "PcCrashRace.race", ".race", "Classement Global", "Remontées",
          "Rapport de cloture", "décompte"}},
        {"HelpRacedeskGB.pdf",
         {"Racedesk", "Settings", "Interface", "KT1", "KT2", "kt-sim", "Start", "Clear",
          "Tarvolin Racedesk", "PcCrashRace.race", ".race", "Overall classific", "Finals",
          "Closure report", "countdown"}},
    };
}

std::string pathOf(const ExpectedGuide& guide) {
    return std::string(RACEDESK_GUIDES_DIR) + "/" + guide.file;
}

class HelpGuide : public ::testing::TestWithParam<ExpectedGuide> {};

TEST_P(HelpGuide, isAPdfDocument) {
    const std::string path = pathOf(GetParam());
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    std::ifstream in(path, std::ios::binary);
    std::string magic(5, '\0');
    in.read(magic.data(), 5);
    EXPECT_EQ(magic, "%PDF-");
}

TEST_P(HelpGuide, holdsSearchableTextOverSeveralPages) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string path = pathOf(GetParam());
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;

    QProcess extract;
    extract.start(pdftotext, {"-enc", "UTF-8", QString::fromStdString(path), "-"});
    ASSERT_TRUE(extract.waitForFinished(60000));
    ASSERT_EQ(extract.exitCode(), 0) << extract.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());

    // pdftotext ends each page with a form feed.
    EXPECT_GE(text.count('\f'), 4) << "a guide of a few pages";
    // Words of one name may stand on two lines.
    const QString flowing = text.simplified();
    for (const std::string& word : GetParam().words)
        EXPECT_TRUE(flowing.contains(QString::fromStdString(word))) << "missing: " << word;
}

std::string testName(const ::testing::TestParamInfo<ExpectedGuide>& param) {
    return param.param.file.substr(0, param.param.file.find('.'));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, HelpGuide, ::testing::ValuesIn(guides()), testName);

} // namespace
