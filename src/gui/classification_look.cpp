#include "gui/classification_look.h"

#include <QIcon>
#include <QPushButton>
#include <QScrollBar>

namespace racedesk {
namespace {

constexpr int kScrollBarWidth = 17;
constexpr int kPrintIconSide = 32;

} // namespace

QString uiText(ClassificationText id) {
    return QString::fromUtf8(textUtf8(id));
}

QPushButton* addPrintButton(QWidget& parent, int id, const QString& workingFolder,
                            const QRect& where) {
    auto* print = addButton(parent, id, QString(), where);
    print->setIcon(QIcon(workingFolder + "/images/impression.bmp"));
    print->setIconSize(QSize(kPrintIconSide, kPrintIconSide));
    print->setToolTip(uiText(Text::ButtonPrint));
    return print;
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

} // namespace racedesk
