#include "gui/qualifying_look.h"

#include "platform/qt_text.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace racedesk {

QString uiText(QualifyingText id) {
    return QString::fromUtf8(textUtf8(id));
}

QGroupBox* addFrame(QWidget& parent, int id, QualifyingText text, const QRect& where) {
    auto* group = addControl<QGroupBox>(parent, id, text, where, true);
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    return group;
}

QLineEdit* addNumberEdit(QWidget& parent, int id, const QRect& where, const NumberField& field,
                         int value, std::function<TypedNumber(std::string_view)> type) {
    auto* edit = new QLineEdit(QString::number(value), &parent);
    place(edit, id, where);
    edit->setMaxLength(field.digits);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    QObject::connect(edit, &QLineEdit::textEdited, [edit, type](const QString& text) {
        const TypedNumber typed = type(fromQString(text));
        if (typed.showValue)
            edit->setText(QString::number(typed.value));
    });
    return edit;
}

QLineEdit* addShownEdit(QWidget& parent, int id, const QRect& where, bool bold) {
    auto* edit = new QLineEdit(&parent);
    place(edit, id, where, bold);
    edit->setReadOnly(true);
    return edit;
}

} // namespace racedesk
