#include "gui/comment_dialog.h"

#include "core/app/program.h"
#include "core/race/transfer_files.h"
#include "gui/dialog_look.h"
#include "platform/qt_text.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace racedesk {
namespace {

constexpr int kCommentLength = 98;

struct Condition {
    int id;
    Text text;
    const char* keyword;
};

constexpr Condition kConditions[] = {{6401, Text::CommentDry, "Sec"},
                                     {6402, Text::CommentWet, "Pluie"},
                                     {6403, Text::CommentIce, "Glace"}};

// The dialog's own part: it reads the file at opening and writes it on "Valider".
void showDialog(Program& p, QWidget* parent) {
    const std::string file = p.path(kCommentFile);
    HeatComment comment;
    if (!readHeatComment(file, comment))
        p.showError(tx(Text::ErrCommentFile));

    QDialog dialog(parent);
    setUpDialog(dialog, Text::CommentCaption, 460, 300);
    addTitle(dialog, 0, Text::CommentCaption, {20, 12, 420, 24});
    bool known = false;
    int x = 30;
    for (const Condition& c : kConditions) {
        auto* radio = addRadio(dialog, c.id, c.text, {x, 50, 120, 26});
        x += 130;
        const bool chosen = comment.condition == c.keyword;
        radio->setChecked(chosen);
        known = known || chosen;
        const char* keyword = c.keyword;
        QObject::connect(radio, &QRadioButton::clicked,
                         [&comment, keyword] { comment.condition = keyword; });
    }
    if (!known)
        dialog.findChild<QRadioButton*>("6401")->setChecked(true);
    addLabel(dialog, Text::CommentLabel, {20, 88, 420, 22});
    auto* edit = new QPlainTextEdit(toQString(comment.comment.view()));
    place(edit, 6404, {20, 112, 420, 110});
    edit->setParent(&dialog);
    QObject::connect(edit, &QPlainTextEdit::textChanged, [edit] {
        // At most 98 characters, on one line: the comment is one field of the race file.
        QString text = edit->toPlainText();
        text.replace('\n', ' ');
        if (text.size() > kCommentLength)
            text.truncate(kCommentLength);
        if (text != edit->toPlainText()) {
            edit->setPlainText(text);
            edit->moveCursor(QTextCursor::End);
        }
    });
    auto* validate = addButton(dialog, 1, Text::CommentValidate, {230, 245, 100, 32});
    auto* cancel = addButton(dialog, 2, Text::ButtonCancel, {340, 245, 100, 32});
    QObject::connect(validate, &QPushButton::clicked, [&] {
        comment.comment = fromQString(edit->toPlainText());
        if (!writeHeatComment(file, comment))
            p.showError(tx(Text::ErrCommentFile));
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
}

} // namespace

void runCommentDialog(Program& p, QWidget* parent) {
    HeatComment handed;
    handed.condition = p.loaded.condition.view();
    handed.comment = p.loaded.comment.view();
    if (!writeHeatComment(p.path(kCommentFile), handed))
        p.showError(tx(Text::ErrCommentFile));
    showDialog(p, parent);
    HeatComment back;
    back.condition.clear();
    if (readHeatComment(p.path(kCommentFile), back)) {
        p.loaded.condition = back.condition.view();
        p.loaded.comment = back.comment.view();
    }
}

} // namespace racedesk
