#include "gui/export_button_checks.h"

#include "gui/export_button.h"

#include <QPushButton>
#include <QRect>

#include <gtest/gtest.h>

namespace racedesk::test {

void expectExportButton(QWidget& dialog) {
    auto* button = dialog.findChild<QPushButton*>(QString::number(kExportButtonId));
    ASSERT_NE(button, nullptr) << "no export button";
    EXPECT_EQ(button->text(), "Exporter");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(dialog.rect().contains(button->geometry())) << "inside the dialog";
    for (QWidget* other : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The painted panel is the dialog's background, under every control.
        if (other == button || !other->isVisible() || other->objectName() == "painted")
            continue;
        EXPECT_FALSE(button->geometry().intersects(other->geometry()))
            << "the export button covers control " << other->objectName().toStdString();
    }
}

} // namespace racedesk::test
