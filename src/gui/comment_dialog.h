#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Commentaire série" (command 6104): the loaded run's track condition and comment, handed to
// the dialog through "CommentaireSerie.res". "Valider" writes the file; "Echap" and closing
// leave it; the run takes back what the file holds afterwards, so Echap restores the values.
void runCommentDialog(Program& program, QWidget* parent);

} // namespace racedesk
