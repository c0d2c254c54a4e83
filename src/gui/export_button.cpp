#include "gui/export_button.h"

#include "core/app/program.h"
#include "core/reports/csv_export.h"
#include "core/reports/export_texts.h"
#include "core/reports/print_file_name.h"
#include "gui/dialog_look.h"
#include "platform/qt_text.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>

#include <utility>

namespace racedesk {
namespace {

QString uiText(ExportText id) {
    return QString::fromUtf8(textUtf8(id));
}

// The save dialog of Qt itself, so that it adds ".csv" to a name typed without it and asks
// before replacing a file.
QString chosenFile(QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent, uiText(ExportText::DialogTitle));
    dialog.setObjectName("EXPORTFILE");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(uiText(ExportText::FileFilter));
    dialog.setDefaultSuffix("csv");
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void exportTable(QWidget* parent, Program& p, const PrintDocument& document) {
    if (!exportable(document))
        return;
    const QString proposed =
        QDir(QString::fromStdString(p.workDir)).filePath(toQString(proposedCsvName(document)));
    const QString file = chosenFile(parent, proposed);
    if (!file.isEmpty())
        exportCsvFile(p.io.dialogs, file.toStdString(), document);
}

QPushButton* addExportButton(QWidget& parent, const QRect& where, Program& p,
                             std::function<PrintDocument()> document) {
    auto* button = addButton(parent, kExportButtonId, uiText(ExportText::Button), where);
    QObject::connect(
        button, &QPushButton::clicked, &parent,
        [&parent, &p, document = std::move(document)] { exportTable(&parent, p, document()); });
    return button;
}

} // namespace racedesk
