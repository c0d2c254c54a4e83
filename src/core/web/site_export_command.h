#pragma once
#include "core/web/site_export.h"

#include <string>

namespace racedesk {

struct Program;

// "Fichier > Exporter la course (web)": the folder the director chooses for the pages, starting
// beside the race's own file when it has one; empty when he cancels.
std::string chooseExportFolder(Program& p);
// The files of an earlier export in the folder, or files of the same names, are replaced only
// when the director says so: a club's own index.html may stand there. True when nothing would
// be replaced, or he agrees.
bool confirmReplacing(Program& p, const std::string& folder);
// What the pages of the meeting are read from: the program's working folder.
MeetingSource meetingSourceOf(const Program& p);
// The message once the export has ended: the pages written and where, how far a stopped one
// went, or the file that could not be written.
void reportExport(Program& p, const SiteExport& done, const std::string& folder);

} // namespace racedesk
