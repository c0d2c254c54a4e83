#include "gui/results_edit_fields.h"

#include "core/app/program.h"
#include "gui/board_widget.h"
#include "platform/qt_convert.h"

#include <QIntValidator>
#include <QLineEdit>

#include <algorithm>

namespace racedesk {

ResultsEditFields::ResultsEditFields(Program& program, BoardWidget& board)
    : QObject(&board), program_(program), board_(board) {}

bool ResultsEditFields::open(int visibleRow) {
    close();
    if (!openResultsEdit(program_, program_.board.firstVisibleRow + visibleRow, edit_))
        return false;
    for (int field = 0; field < kResultFieldCount; ++field)
        fields_.append(makeField(field, visibleRow));
    fields_.first()->setFocus();
    return true;
}

void ResultsEditFields::close() {
    for (QLineEdit* field : fields_)
        delete field;
    fields_.clear();
}

QLineEdit* ResultsEditFields::makeField(int field, int visibleRow) {
    const QString text =
        QString::fromStdString(resultFieldText(field, edit_.values[std::size_t(field)]));
    auto* edit = new QLineEdit(text, &board_);
    edit->setObjectName(QString::number(kFirstResultFieldId + field));
    const int digits = resultFieldDigits(field);
    edit->setMaxLength(digits);
    int most = 1;
    for (int d = 0; d < digits; ++d)
        most *= 10;
    edit->setValidator(new QIntValidator(0, most - 1, edit));
    edit->setAlignment(Qt::AlignCenter);
    const QRect where = toQRect(resultFieldRect(board_.layout(), visibleRow, field));
    QFont font("Arial");
    font.setPixelSize(std::max(8, where.height() * 3 / 5));
    edit->setFont(font);
    edit->setGeometry(where);
    connect(edit, &QLineEdit::textEdited, this, [this, field, edit] { edited(field, *edit); });
    edit->show();
    return edit;
}

void ResultsEditFields::edited(int field, QLineEdit& edit) {
    const int typed = edit.text().toInt();
    const int kept = editResultField(program_, edit_, field, typed);
    // Only a value the field could not keep is rewritten, so typing is never disturbed.
    if (kept != typed)
        edit.setText(QString::fromStdString(resultFieldText(field, kept)));
}

} // namespace racedesk
