// What "Fichier > Exporter la course (web)" asks and says: the folder chooser's start, and the
// message for an export done, stopped, or stopped by a file it could not write.
#include "core/race/working_race_file.h"
#include "core/web/site_export_command.h"
#include "support/one_heat_race.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

TEST(ExportCommand, theChooserStartsBesideTheRacesOwnFileAndCancellingGivesNoFolder) {
    test::TestProgram t;
    t.program.userRaceFile = "/home/club/courses/Coupe.race";
    t.dialogs.files = {"/home/club/site"};
    EXPECT_EQ(chooseExportFolder(t.program), "/home/club/site");
    EXPECT_EQ(chooseExportFolder(t.program), "") << "cancelled";
    ASSERT_EQ(t.dialogs.fileFilters.size(), 2u);
    EXPECT_EQ(t.dialogs.fileFilters[0], "Dossier o\xC3\xB9 \xC3\xA9"
                                        "crire les pages de la course||/home/club/courses");
    t.program.userRaceFile.clear();
    chooseExportFolder(t.program);
    EXPECT_EQ(t.dialogs.fileFilters.back().substr(t.dialogs.fileFilters.back().rfind('|')), "|");
    EXPECT_EQ(meetingSourceOf(t.program).workDir, t.program.workDir);
}

TEST(ExportCommand, eachEndOfAnExportHasItsOwnMessage) {
    test::TestProgram t;
    reportExport(t.program, SiteExport{26, 26, "", false}, "/home/club/Été");
    reportExport(t.program, SiteExport{3, 26, "", true}, "/home/club/site");
    reportExport(t.program, SiteExport{0, 26, "/media/cle/site/index.html", false},
                 "/media/cle/site");
    ASSERT_EQ(t.dialogs.messages.size(), 3u);
    const auto& done = t.dialogs.messages[0];
    EXPECT_EQ(done.text, "La course est export\xC3\xA9"
                         "e : 26 pages dans le dossier /home/club/\xC3\x89t\xC3\xA9");
    EXPECT_EQ(done.icon, Icon::Information);
    const auto& stopped = t.dialogs.messages[1];
    EXPECT_EQ(stopped.text, "Exportation interrompue : 3 pages sur 26 \xC3\xA9"
                            "crites dans le dossier /home/club/site");
    EXPECT_EQ(stopped.icon, Icon::Warning);
    const auto& failed = t.dialogs.messages[2];
    EXPECT_EQ(failed.text, "Erreur: impossible d'\xC3\xA9"
                           "crire le fichier /media/cle/site/index.html "
                           "; 0 pages sur 26 \xC3\xA9"
                           "crites");
    EXPECT_EQ(failed.icon, Icon::Error);
}

TEST(ExportCommand, filesTheExportWouldReplaceAreReplacedOnlyWhenTheDirectorSaysSo) {
    test::TestProgram t;
    ASSERT_TRUE(test::writeOneHeatRace(t.program.path(kWorkingRaceFile), 4));
    test::TempFolder site;
    EXPECT_TRUE(confirmReplacing(t.program, site.path()));
    site.write("photos.html", "the club's own page");
    EXPECT_TRUE(confirmReplacing(t.program, site.path()));
    EXPECT_TRUE(t.dialogs.questions.empty()) << "nothing of the export stands there";

    site.write("index.html", "the club's home page");
    site.write("style.css", "body {}");
    t.dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(confirmReplacing(t.program, site.path()));
    EXPECT_TRUE(confirmReplacing(t.program, site.path()));
    ASSERT_EQ(t.dialogs.questions.size(), 2u);
    EXPECT_EQ(t.dialogs.questions[0].text,
              "Le dossier " + site.path() +
                  " contient d\xC3\xA9j\xC3\xA0 2 des fichiers de l'exportation, dont "
                  "index.html.\nLes remplacer ?");
    EXPECT_EQ(t.dialogs.questions[0].icon, Icon::Question);
    EXPECT_EQ(site.read("index.html"), "the club's home page") << "asking writes nothing";
}

} // namespace
} // namespace racedesk
