#pragma once
#include "core/common/texts.h"
#include "core/databases/name_list.h"

#include <QDialog>
#include <QRect>

#include <functional>
#include <span>
#include <string_view>

class QLineEdit;
class QListWidget;

namespace racedesk {

// The list of names a database dialog edits, as its frame sees it.
struct NameTable {
    std::function<int()> listed;
    std::function<std::string_view(int)> name;
    std::function<int(std::string_view typed)> add;
    std::function<Removal(std::string_view selected, std::string_view typed)> remove;
};

template <typename Record, std::size_t N>
NameTable nameTableOf(RecordSpan<Record> table, const NameList<Record, N>& list) {
    return {
        [table, list] { return listedCount<Record, N>(table, list); },
        [table, list](int i) { return nameOf(table[std::size_t(i)], list); },
        [table, list](std::string_view typed) { return addName<Record, N>(table, list, typed); },
        [table, list](std::string_view selected, std::string_view typed) {
            return removeName<Record, N>(table, list, selected, typed);
        },
    };
}

struct FrameLayout {
    Text caption;
    Text title;
    Text header; // above the names, with the capacity
    Text newLabel;
    int width;
    int height;
    int listId;       // the names; the identifier list, "Ajouter" and "Supprimer" follow it
    int newNameId;    // the " Nouveau" field
    int newNameMax;   // characters the " Nouveau" field takes
    bool selectAdded; // false: the first record stays selected after an addition
};

// The rows of fields right of the list: a label, then its control.
inline constexpr int kLabelX = 330;
inline constexpr int kFieldX = 485;
inline QRect labelAt(int y) {
    return {kLabelX, y + 3, kFieldX - kLabelX - 5, 22};
}
inline QRect fieldAt(int y, int width) {
    return {kFieldX, y, width, 28};
}

// What every database dialog but the transponders' has: the title, the list of names with the
// identifier of the selected one beside it, the " Nouveau" field with "Ajouter" and
// "Supprimer", and "Ok" and "Echap". The record fields stand right of the list, from x = 330.
class DatabaseFrame {
public:
    DatabaseFrame(QWidget* parent, const FrameLayout& layout, NameTable names);

    QDialog& dialog() { return dialog_; }
    // The selected record's position; -1 while the list is empty.
    int selected() const { return selected_; }

    // Called with the selected position whenever it changes, and whenever the list is refilled.
    void onSelection(std::function<void(int)> show) { show_ = std::move(show); }
    // What "Ok" does before the dialog closes.
    void onOk(std::function<void()> ok) { ok_ = std::move(ok); }

    // Lists the names, selects the first and runs the dialog until it closes.
    void run();

private:
    void buildList(const FrameLayout& layout);
    void buildButtons(const FrameLayout& layout);
    void refill(int select);
    void select(int position);
    void add();
    void remove();

    QDialog dialog_;
    NameTable names_;
    bool selectAdded_;
    int selected_ = -1;
    QListWidget* list_ = nullptr;
    QListWidget* identifier_ = nullptr;
    QLineEdit* newName_ = nullptr;
    std::function<void(int)> show_;
    std::function<void()> ok_;
};

} // namespace racedesk
