#pragma once
#include "core/common/fixed_text.h"
#include "gui/dialog_look.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStringList>

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace racedesk {

// The controls of a database dialog that show the selected record and edit it as the user
// types: each change goes at once into the record, cut to its field. While no record is
// selected the controls are empty and what is typed is kept nowhere.
template <typename Record> class RecordForm {
public:
    using Get = std::function<std::string_view(const Record&)>;
    using Set = std::function<void(Record&, std::string_view)>;

    // 'current' gives the selected record, or null.
    explicit RecordForm(std::function<Record*()> current) : current_(std::move(current)) {}
    RecordForm(const RecordForm&) = delete;
    RecordForm& operator=(const RecordForm&) = delete;

    QLineEdit* edit(QWidget& parent, int id, const QRect& where, int maxLength, Get get, Set set) {
        auto* e = new QLineEdit(&parent);
        place(e, id, where);
        e->setMaxLength(maxLength);
        QObject::connect(e, &QLineEdit::textEdited, [this, set](const QString& text) {
            if (Record* r = current_())
                set(*r, fromQString(text));
        });
        shows_.push_back([e, get](const Record* r) {
            e->setText(r != nullptr ? toQString(get(*r)) : QString());
        });
        return e;
    }

    template <std::size_t N>
    QLineEdit* edit(QWidget& parent, int id, const QRect& where, int maxLength,
                    FixedText<N> Record::*field) {
        return edit(parent, id, where, maxLength, getter(field),
                    [field](Record& r, std::string_view text) { r.*field = text; });
    }

    // An edit that takes digits only.
    template <std::size_t N>
    QLineEdit* number(QWidget& parent, int id, const QRect& where, int digits,
                      FixedText<N> Record::*field) {
        return digitsOnly(edit(parent, id, where, digits, field));
    }

    // A field shown but not edited.
    template <std::size_t N>
    QLineEdit* shown(QWidget& parent, int id, const QRect& where, FixedText<N> Record::*field,
                     bool bold = false) {
        auto* e = new QLineEdit(&parent);
        place(e, id, where, bold);
        e->setReadOnly(true);
        shows_.push_back([e, get = getter(field)](const Record* r) {
            e->setText(r != nullptr ? toQString(get(*r)) : QString());
        });
        return e;
    }

    // A drop-down list of fixed choices; a record whose text is not among them leaves the
    // list without a selection, and the record keeps its text until a choice is made.
    template <std::size_t N>
    QComboBox* choice(QWidget& parent, int id, const QRect& where, const QStringList& items,
                      FixedText<N> Record::*field) {
        auto* box = new QComboBox(&parent);
        place(box, id, where);
        box->addItems(items);
        QObject::connect(box, &QComboBox::activated, [this, box, field](int index) {
            if (Record* r = current_(); r != nullptr && index >= 0)
                r->*field = fromQString(box->itemText(index));
        });
        shows_.push_back([box, field](const Record* r) {
            box->setCurrentIndex(r != nullptr ? box->findText(toQString((r->*field).view())) : -1);
        });
        return box;
    }

    // Anything else the dialog shows of the record.
    void alsoShow(std::function<void(const Record*)> show) { shows_.push_back(std::move(show)); }

    void show() {
        const Record* r = current_();
        for (const auto& s : shows_)
            s(r);
    }

    static QLineEdit* digitsOnly(QLineEdit* e) {
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
        return e;
    }

private:
    template <std::size_t N> static Get getter(FixedText<N> Record::*field) {
        return [field](const Record& r) { return (r.*field).view(); };
    }

    std::function<Record*()> current_;
    std::vector<std::function<void(const Record*)>> shows_;
};

} // namespace racedesk
