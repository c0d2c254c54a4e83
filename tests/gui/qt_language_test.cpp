// Qt's own dialogs as the French program shows them: its questions and file dialogs.
#include "core/common/texts.h"
#include "gui/modal_driver.h"
#include "gui/qt_translations.h"
#include "platform/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTranslator>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

QStringList buttonTexts(QWidget& box) {
    QStringList texts;
    for (const QAbstractButton* b : box.findChildren<QAbstractButton*>())
        texts << b->text().remove('&');
    return texts;
}

TEST(QtLanguage, aQuestionOfTheFrenchProgramAnswersOuiNonAnnuler) {
    QTranslator* translator = installQtTranslations(*qApp);
    ASSERT_NE(translator, nullptr) << "Qt's French translations are installed by scripts/setup";
    QtDialogs dialogs;
    QStringList shown;
    test::whenModal([](QWidget& w) { return qobject_cast<QMessageBox*>(&w) != nullptr; },
                    [&](QWidget& w) {
                        shown = buttonTexts(w);
                        qobject_cast<QMessageBox*>(&w)->button(QMessageBox::Cancel)->click();
                    });
    const Answer answer = dialogs.ask("Enregistrer la course ?", tx(Text::CaptionAttention),
                                      Buttons::YesNoCancel, Icon::Question);
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(answer, Answer::Cancel);
    EXPECT_TRUE(shown.contains("Oui")) << shown.join(",").toStdString();
    EXPECT_TRUE(shown.contains("Non")) << shown.join(",").toStdString();
    EXPECT_TRUE(shown.contains("Annuler")) << shown.join(",").toStdString();
}

TEST(QtLanguage, theFileDialogsFilterShowsItsPatternOnce) {
    QtDialogs dialogs;
    QStringList filters;
    test::whenModal([](QWidget& w) { return qobject_cast<QFileDialog*>(&w) != nullptr; },
                    [&](QWidget& w) {
                        filters = qobject_cast<QFileDialog*>(&w)->nameFilters();
                        qobject_cast<QFileDialog*>(&w)->reject();
                    });
    EXPECT_EQ(dialogs.chooseOpenFile(tx(Text::RaceFileFilter), "*.race", "/tmp"), "");
    EXPECT_EQ(filters, QStringList{"Fichier course (*.race)"});
}

} // namespace
} // namespace racedesk
