#include "core/app/working_folder.h"

#include "core/settings/display_settings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using Kind = InstallProblem::Kind;
using test::TempFolder;

const std::string kWork = "home/Tarvolin Racedesk";

std::string inWork(const std::string& name) {
    return kWork + "/" + name;
}

// The installation as the build lays it out, with a few files of each kind.
struct FakeShare {
    TempFolder root;
    std::string share = root.file("share");
    std::string work = root.file(kWork);

    FakeShare() {
        root.write("share/sons/beep1.wav", "RIFF beep");
        root.write("share/sons/youpi.wav", "RIFF youpi");
        root.write("share/images/logo.bmp", "BM logo");
        root.write("share/images/flags/chequered.bmp", "BM flag");
        root.write("share/Guides/HelpRacedeskFR.pdf", "%PDF fr");
        root.write("share/countries/fr.txt",
                   "Algérie\nÉgypte\nTrinité\tet Tobago\n" + std::string(40, 'L') + "\nLast\n");
        root.write("share/countries/en.txt", "Algeria\r\nEgypt\r\n");
    }

    InstallReport install(SpokenLanguage language = SpokenLanguage::French) const {
        return installShippedDefaults(share, work, language);
    }
    std::string read(const std::string& name) const { return root.read(inWork(name)); }
    bool has(const std::string& name) const { return root.exists(inWork(name)); }
};

std::vector<std::string> crlfLines(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(file.substr(start, end - start));
    EXPECT_EQ(start, file.size()) << "the last line ends with CR LF";
    return lines;
}

std::string emptyPacksFile() {
    std::string file;
    for (int i = 0; i < 20; ++i)
        file += std::string(21, '\t') + "\r\n";
    return file;
}

TEST(WorkingFolder, firstStartCreatesTheFolderWithEverythingShipped) {
    FakeShare t;
    const InstallReport report = t.install();
    EXPECT_TRUE(report.ok());

    EXPECT_EQ(t.read("sons/beep1.wav"), "RIFF beep");
    EXPECT_EQ(t.read("sons/youpi.wav"), "RIFF youpi");
    EXPECT_EQ(t.read("images/logo.bmp"), "BM logo");
    EXPECT_EQ(t.read("images/flags/chequered.bmp"), "BM flag");
    EXPECT_EQ(t.read("Guides/HelpRacedeskFR.pdf"), "%PDF fr");
    EXPECT_FALSE(t.has("countries")) << "the lists stay in the installation";

    EXPECT_EQ(t.read("RéglagesSons.rg"), "SONLANGUEFrancais\r\nSONDECOMPTEoui\r\nSONDEPARToui\r\n"
                                         "SONPASSAGEoui\r\nSONMEILLEURTOURoui\r\nSONHORLOGEoui\r\n"
                                         "SONFINCOURSEoui\r\nSONFINVOITUREoui\r\n");
    EXPECT_EQ(t.read("RéglagesInterface2.rg"), "COM1\t0\tTarvolin\r\n");
    for (const char* name : {"BaseDonnéesCircuits.bd", "BaseDonnéesClubs.bd",
                             "BaseDonnéesPilotes.bd", "BaseDonnéesFréquences.bd"}) {
        EXPECT_TRUE(t.has(name)) << name;
        EXPECT_EQ(t.read(name), "") << name;
    }
    EXPECT_EQ(t.read("BaseDonnéesTranspondeurs.bd"), emptyPacksFile());
    EXPECT_TRUE(std::filesystem::is_directory(t.root.file(inWork("ports"))));

    DisplaySettings display;
    ASSERT_TRUE(
        readDisplaySettings(t.root.file(inWork("Private/RéglagesAffichage.rgsc")), display));
    const DisplaySettings defaults = defaultDisplaySettings();
    EXPECT_EQ(display.style, defaults.style);
    EXPECT_EQ(display.columnWidths, defaults.columnWidths);
    EXPECT_EQ(display.colours, defaults.colours);
    for (std::size_t f = 0; f < display.fonts.size(); ++f) {
        EXPECT_EQ(display.fonts[f].face.view(), defaults.fonts[f].face.view()) << "font " << f;
        EXPECT_EQ(display.fonts[f].height, defaults.fonts[f].height) << "font " << f;
    }
}

TEST(WorkingFolder, countriesFileIsExactly208Windows1252LinesOfTheBuildLanguage) {
    FakeShare t;
    ASSERT_TRUE(t.install().ok());
    const std::string file = t.read("BaseDonnéesPays.bd");
    EXPECT_EQ(file.find('\t'), std::string::npos);
    const auto lines = crlfLines(file);
    ASSERT_EQ(lines.size(), 208u);
    EXPECT_EQ(lines[0], "Alg\xE9rie") << "one byte for é";
    EXPECT_EQ(lines[1], "\xC9gypte");
    EXPECT_EQ(lines[2], "Trinit\xE9 et Tobago");
    EXPECT_EQ(lines[3], std::string(34, 'L')) << "a name longer than its field is cut";
    EXPECT_EQ(lines[4], "Last");
    for (std::size_t i = 5; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], "") << "a short list is completed to the lines the program reads";
    for (const std::string& line : lines)
        EXPECT_LE(line.size(), 34u);

    FakeShare english;
    ASSERT_TRUE(english.install(SpokenLanguage::English).ok());
    const auto englishLines = crlfLines(english.read("BaseDonnéesPays.bd"));
    ASSERT_EQ(englishLines.size(), 208u);
    EXPECT_EQ(englishLines[0], "Algeria");
    EXPECT_EQ(englishLines[1], "Egypt");
    EXPECT_EQ(english.read("RéglagesSons.rg").substr(0, 18), "SONLANGUEAnglais\r\n");
}

TEST(WorkingFolder, aLongerListIsCutTo208Names) {
    FakeShare t;
    std::string list;
    for (int i = 1; i <= 250; ++i)
        list += "Pays " + std::to_string(i) + "\n";
    t.root.write("share/countries/fr.txt", list);
    ASSERT_TRUE(t.install().ok());
    const auto lines = crlfLines(t.read("BaseDonnéesPays.bd"));
    ASSERT_EQ(lines.size(), 208u);
    EXPECT_EQ(lines.front(), "Pays 1");
    EXPECT_EQ(lines.back(), "Pays 208");
}

TEST(WorkingFolder, laterStartsOverwriteNothingTheUserHasAndRestoreWhatIsMissing) {
    FakeShare t;
    ASSERT_TRUE(t.install().ok());
    const std::vector<std::string> changed = {
        "sons/beep1.wav",           "images/flags/chequered.bmp",     "RéglagesSons.rg",
        "RéglagesInterface2.rg",    "Private/RéglagesAffichage.rgsc", "BaseDonnéesPays.bd",
        "BaseDonnéesCircuits.bd",   "BaseDonnéesTranspondeurs.bd",    "BaseDonnéesPilotes.bd",
        "Guides/HelpRacedeskFR.pdf"};
    for (const std::string& name : changed)
        t.root.write(inWork(name), "the user's " + name);
    std::filesystem::remove(t.root.file(inWork("images/logo.bmp")));
    std::filesystem::remove(t.root.file(inWork("BaseDonnéesClubs.bd")));

    EXPECT_TRUE(t.install(SpokenLanguage::English).ok());
    for (const std::string& name : changed)
        EXPECT_EQ(t.read(name), "the user's " + name);
    EXPECT_EQ(t.read("images/logo.bmp"), "BM logo");
    EXPECT_TRUE(t.has("BaseDonnéesClubs.bd"));
}

TEST(WorkingFolder, whatTheInstallationLacksIsReportedAndTheRestInstalled) {
    FakeShare t;
    std::filesystem::remove_all(t.root.file("share/Guides"));
    std::filesystem::remove_all(t.root.file("share/countries"));
    const InstallReport report = t.install();
    ASSERT_EQ(report.problems.size(), 2u);
    EXPECT_EQ(report.problems[0].name, "Guides/");
    EXPECT_EQ(report.problems[0].kind, Kind::MissingFromShare);
    EXPECT_EQ(report.problems[1].name, "BaseDonnéesPays.bd");
    EXPECT_EQ(report.problems[1].kind, Kind::MissingFromShare);
    EXPECT_FALSE(t.has("BaseDonnéesPays.bd")) << "no list rather than an empty one";
    EXPECT_EQ(t.read("sons/beep1.wav"), "RIFF beep");
    EXPECT_EQ(t.read("RéglagesInterface2.rg"), "COM1\t0\tTarvolin\r\n");
    EXPECT_EQ(t.read("BaseDonnéesTranspondeurs.bd"), emptyPacksFile());
}

TEST(WorkingFolder, whatCannotBeWrittenIsReportedAndTheRestInstalled) {
    FakeShare t;
    // Files standing where folders should be: nothing can be created under them.
    t.root.write(inWork("Private"), "a file");
    t.root.write(inWork("ports"), "a file");
    t.root.write(inWork("sons"), "a file");
    const InstallReport report = t.install();
    std::vector<std::string> names;
    for (const InstallProblem& p : report.problems) {
        EXPECT_EQ(p.kind, Kind::CannotCreate) << p.name;
        names.push_back(p.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Private/RéglagesAffichage.rgsc", "ports/",
                                               "sons/beep1.wav", "sons/youpi.wav"}));
    EXPECT_EQ(t.read("images/logo.bmp"), "BM logo");
    EXPECT_EQ(t.read("RéglagesSons.rg").substr(0, 19), "SONLANGUEFrancais\r\n");
    EXPECT_TRUE(t.has("BaseDonnéesPays.bd"));
}

TEST(WorkingFolder, aWorkingFolderThatCannotBeCreatedIsReported) {
    TempFolder root;
    root.write("share/sons/beep1.wav", "RIFF beep");
    root.write("blocked", "a file");
    const std::string work = root.file("blocked/Tarvolin Racedesk");
    const InstallReport report =
        installShippedDefaults(root.file("share"), work, SpokenLanguage::French);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].name, work);
    EXPECT_EQ(report.problems[0].kind, Kind::CannotCreate);
}

} // namespace
} // namespace racedesk
