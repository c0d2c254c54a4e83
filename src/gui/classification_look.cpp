#include "gui/classification_look.h"

#include "platform/qt_printing.h"

#include <QDialog>
#include <QPushButton>
#include <QScrollBar>

namespace racedesk {
namespace {

constexpr int kScrollBarWidth = 17;
constexpr int kButtonStep = 120; // from "Valider" to "Annuler"

} // namespace

QString uiText(ClassificationText id) {
    return QString::fromUtf8(textUtf8(id));
}

QScrollBar* addTableScrollBar(QWidget& parent, int id, const ScreenTable& table, int rows,
                              std::function<void(int firstRow)> scrolled) {
    auto* bar = new QScrollBar(Qt::Vertical, &parent);
    place(bar, id,
          {table.right(), table.rowsTop(), kScrollBarWidth, table.bottom() - table.rowsTop()});
    bar->setRange(0, lastFirstRow(rows));
    bar->setPageStep(kClassificationVisibleRows);
    bar->setVisible(lastFirstRow(rows) > 0);
    QObject::connect(bar, &QScrollBar::valueChanged, &parent, std::move(scrolled));
    return bar;
}

void addClassificationButtons(QDialog& dialog, const QRect& where, std::vector<QWidget*> editable,
                              bool readOnly, std::function<void()> confirm) {
    auto* validate = addControl<QPushButton>(dialog, 1, ClassificationText::Validate, where);
    auto* cancel = addButton(dialog, 2, Text::ButtonCancel, where.translated(kButtonStep, 0));
    QObject::connect(validate, &QPushButton::clicked, &dialog, [&dialog, confirm] {
        confirm();
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    editable.push_back(validate);
    for (QWidget* control : editable)
        control->setEnabled(!readOnly);
    (readOnly ? cancel : validate)->setDefault(true);
}

void printClassification(QWidget& parent, const QString& workingFolder, Clock& clock,
                         const PrintDocument& document) {
    if (document.rows.empty())
        return;
    QtPrinter printer(&parent, workingFolder, clock);
    printer.print(document);
}

} // namespace racedesk
