#include "platform/qt_printing.h"

#include "core/reports/participants_printout.h"
#include "pdf_reader.h"
#include "support/fake_clock.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace racedesk {
namespace {

using test::FakeClock;
using test::pdfOrientation;
using test::pdfText;
using test::TempFolder;

// What the dialog showed when it opened.
struct DialogSeen {
    bool shown = false;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int copies = 0;
    int fromPage = 0;
    int toPage = 0;
};

// A clock that counts the times the print job asks for the date.
struct CountingClock : FakeClock {
    LocalDateTime localNow() override {
        ++dateReads;
        return FakeClock::localNow();
    }
    int dateReads = 0;
};

// The print dialog is modal: a timer inside its event loop answers it. A dialog that never
// shows up fails the test instead of hanging it.
void whenPrintDialog(std::function<void(QPrintDialog&)> answer) {
    auto* timer = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, answer] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && waited->elapsed() < 10'000)
            return;
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (dialog != nullptr) {
            answer(*dialog);
            return;
        }
        ADD_FAILURE() << "no print dialog";
        if (QWidget* other = QApplication::activeModalWidget())
            other->close();
    });
    timer->start(20);
}

// Chooses "Print to File (PDF)" with this file, the way a user types it in.
void printToFile(QPrintDialog& dialog, const std::string& file) {
    auto* name = dialog.findChild<QLineEdit*>("filename");
    ASSERT_NE(name, nullptr) << "the print dialog has no file name field";
    name->setText(QString::fromStdString(file));
}

struct PrintDialog : ::testing::Test {
    TempFolder folder;
    CountingClock clock;
    QtPrinter printer{nullptr, QString::fromStdString(folder.path()), clock};
    std::string pdf = folder.file("chosen.pdf");
    DialogSeen seen;

    void answerWith(bool accept) {
        whenPrintDialog([this, accept](QPrintDialog& dialog) {
            const QPrinter& p = *dialog.printer();
            seen = {true, p.pageLayout().orientation(), p.copyCount(), p.fromPage(), p.toPage()};
            printToFile(dialog, pdf);
            if (accept)
                dialog.accept();
            else
                dialog.reject();
        });
    }
};

PrintDocument listOf(int drivers) {
    ParticipantTable table;
    for (int i = 0; i < drivers; ++i)
        table[std::size_t(i)].name = "Pilote " + std::to_string(i + 1);
    return participantsPrintout(table, "Buggy 1/8", "Grand Prix", "Circuit des Pins", {});
}

TEST_F(PrintDialog, opensOnOneCopyOfPage1To1InTheDocumentsOrientation) {
    answerWith(false);
    printer.print(listOf(2));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.orientation, QPageLayout::Portrait);
    EXPECT_EQ(seen.copies, 1);
    EXPECT_EQ(seen.fromPage, 1);
    EXPECT_EQ(seen.toPage, 1);

    PrintDocument landscape = listOf(2);
    landscape.layout = landscapeLayout();
    answerWith(false);
    printer.print(landscape);
    EXPECT_EQ(seen.orientation, QPageLayout::Landscape);
}

TEST_F(PrintDialog, cancellingPrintsNothing) {
    answerWith(false);
    printer.print(listOf(2));
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(clock.dateReads, 0);
}

TEST_F(PrintDialog, printingToAFileWritesEveryPageDatedWhenTheJobStarted) {
    clock.date = {2026, 11, 28, 17, 40, 0};
    answerWith(true);
    printer.print(listOf(41));
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(clock.dateReads, 1);
    EXPECT_EQ(test::pdfPageCount(pdf), 2);
    EXPECT_EQ(pdfOrientation(pdf), "portrait");
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Page 2 /2"), std::string::npos) << text;
    EXPECT_NE(text.find("Pilote 41"), std::string::npos);
    EXPECT_NE(text.find("Edité le 28/11/2026 à 17:40"), std::string::npos);
}

TEST_F(PrintDialog, aDocumentWithoutRowsPrintsNothingEvenWhenAccepted) {
    answerWith(true);
    printer.print(listOf(0));
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
} // namespace racedesk
