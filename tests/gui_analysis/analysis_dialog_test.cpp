#include "core/race/transfer_files.h"
#include "core/reports/analysis_views.h"
#include "core/reports/curve_view.h"
#include "gui/driver_analysis_dialog.h"
#include "gui/gui_program.h"
#include "gui/modal_driver.h"
#include "printing/pdf_reader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>

namespace racedesk {
namespace {

using test::GuiProgram;

constexpr QRgb kViewBackground = qRgb(240, 240, 220);
constexpr QRgb kClassHeader = qRgb(250, 250, 200);
constexpr QRgb kBar = qRgb(250, 250, 180);

// The five laps whose figures are known: 61.2, 61.25, 61.9, 62.6 and 67 s.
constexpr RaceTime kFiveLaps[] = {61'200, 61'250, 61'900, 62'600, 67'000};

struct AnalysisDialog : ::testing::Test {
    GuiProgram g;

    // What the board writes on a Ctrl+click: the car's passing times from its start crossing.
    void writeRun(std::initializer_list<RaceTime> laps, const char* summary = "Dur\xE9"
                                                                              "e 5:00") {
        CarSlot car;
        car.name = "Jean Dupont";
        for (const RaceTime lap : laps) {
            ++car.passings;
            car.cumulativeTimes[std::size_t(car.passings)] =
                car.cumulativeTimes[std::size_t(car.passings - 1)] + lap;
        }
        ASSERT_TRUE(writeDriverResult(g.program.path(kDriverResultFile), car,
                                      " Buggy - Manche1 - S\xE9rie2 ", "Piste du Lac", summary));
    }
    void writeFiveLaps(const char* summary = "Dur\xE9"
                                             "e 5:00") {
        writeRun({kFiveLaps[0], kFiveLaps[1], kFiveLaps[2], kFiveLaps[3], kFiveLaps[4]}, summary);
    }
    void writeEqualLaps(int laps) {
        CarSlot car;
        car.name = "Zo\xE9";
        car.passings = laps;
        for (int i = 1; i <= laps; ++i)
            car.cumulativeTimes[std::size_t(i)] = 60'000 * i;
        ASSERT_TRUE(writeDriverResult(g.program.path(kDriverResultFile), car, "T", "C", "S"));
    }

    // Opens the analysis and runs 'step' on it; the step must close it.
    void open(std::function<void(QWidget&)> step) {
        test::whenDialogWith("6501", std::move(step));
        runDriverAnalysis(g.program, g.window.get());
    }
};

QLineEdit* edit(QWidget& d, const char* id) {
    return d.findChild<QLineEdit*>(id);
}

bool checked(QWidget& d, const char* id) {
    return d.findChild<QAbstractButton*>(id)->isChecked();
}

QRgb pixel(QWidget& d, int x, int y) {
    return d.grab().toImage().pixel(x, y);
}

void typeInto(QLineEdit* field, const char* keys) {
    field->selectAll();
    field->del();
    QTest::keyClicks(field, keys);
}

TEST_F(AnalysisDialog, opensOnTheWrittenRunWithTheWholeRangeAndTheDataView) {
    writeFiveLaps();
    bool shown = false;
    open([&](QWidget& d) {
        shown = true;
        EXPECT_EQ(d.windowTitle(), "Analyse résultats pilote");
        EXPECT_EQ(edit(d, "6504")->text(), "1");
        EXPECT_EQ(edit(d, "6505")->text(), "5");
        EXPECT_TRUE(checked(d, "6501"));
        EXPECT_FALSE(d.findChild<QScrollBar*>("6511")->isVisible()) << "fewer than 7 laps";
        bool headings = false;
        for (const QLabel* label : d.findChildren<QLabel*>())
            headings = headings || label->text() == " Buggy - Manche1 - Série2  : Jean Dupont";
        EXPECT_TRUE(headings);
        EXPECT_EQ(pixel(d, 35, 340), kViewBackground);
        EXPECT_EQ(pixel(d, 302, 152), kClassHeader) << "the class table's header band";
        test::clickButton(d, "1");
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(g.dialogs.messages.empty());
}

TEST_F(AnalysisDialog, theTrackLineShowsWholeWithTheRunsChoicesInWords) {
    writeFiveLaps("Dur\xE9"
                  "e 0:05:00 - DEPARTPremiereVoiture - FINTOURFaireTousLesTours - D\xE9"
                  "part 03/03/2027 9:05");
    open([&](QWidget& d) {
        const QLabel* track = nullptr;
        for (const QLabel* label : d.findChildren<QLabel*>())
            if (label->text().startsWith(" Piste"))
                track = label;
        ASSERT_NE(track, nullptr);
        EXPECT_TRUE(track->text().contains("Départ à la première voiture - Fin après tous les "
                                           "tours"))
            << track->text().toStdString();
        EXPECT_LE(QFontMetrics(track->font()).horizontalAdvance(track->text()), track->width())
            << "not cut";
        EXPECT_LE(track->geometry().right(), d.width());
        test::clickButton(d, "1");
    });
}

TEST_F(AnalysisDialog, theViewButtonsSwitchAndTheLastViewIsKeptForTheNextOpening) {
    writeFiveLaps();
    // The two laps of 61.2 to 61.4 s make the histogram's second bar, the highest.
    const int barX = kViewArea.left + 48 + 14 + 6;
    const int barY = 250;
    open([&](QWidget& d) {
        EXPECT_NE(pixel(d, barX, barY), kBar);
        test::clickButton(d, "6502");
        EXPECT_TRUE(checked(d, "6502"));
        EXPECT_FALSE(checked(d, "6501"));
        EXPECT_EQ(pixel(d, barX, barY), kBar);
        test::clickButton(d, "6503");
        EXPECT_NE(pixel(d, barX, barY), kBar);
        test::clickButton(d, "1");
    });
    EXPECT_EQ(g.program.analysisView, int(AnalysisView::Curve));
    open([&](QWidget& d) {
        EXPECT_TRUE(checked(d, "6503"));
        EXPECT_FALSE(checked(d, "6501"));
        test::clickButton(d, "6502");
        test::clickButton(d, "1");
    });
    open([&](QWidget& d) {
        EXPECT_TRUE(checked(d, "6502"));
        EXPECT_EQ(pixel(d, barX, barY), kBar);
        d.close();
    });
    EXPECT_EQ(g.program.analysisView, int(AnalysisView::Histogram));
}

TEST_F(AnalysisDialog, theRangeEditsClampToTheRun) {
    writeFiveLaps();
    open([&](QWidget& d) {
        QLineEdit* first = edit(d, "6504");
        QLineEdit* last = edit(d, "6505");
        EXPECT_EQ(last->maxLength(), 3);
        typeInto(last, "999");
        EXPECT_EQ(last->text(), "5") << "set back to the run's last lap";
        typeInto(first, "0");
        EXPECT_EQ(first->text(), "0") << "taken as lap 1, left as typed";
        typeInto(first, "9");
        EXPECT_EQ(first->text(), "5");
        typeInto(first, "x2");
        EXPECT_EQ(first->text(), "2") << "digits only";
        test::clickButton(d, "1");
    });
    open([&](QWidget& d) {
        EXPECT_EQ(edit(d, "6504")->text(), "1") << "every opening starts on the whole run";
        EXPECT_EQ(edit(d, "6505")->text(), "5");
        test::clickButton(d, "1");
    });
}

TEST_F(AnalysisDialog, aRangeWithoutLapsEmptiesTheClassTable) {
    writeFiveLaps();
    open([&](QWidget& d) {
        const QImage before = d.grab().toImage();
        typeInto(edit(d, "6504"), "4");
        typeInto(edit(d, "6505"), "2");
        const QImage reversed = d.grab().toImage();
        EXPECT_NE(before, reversed);
        typeInto(edit(d, "6505"), "5");
        typeInto(edit(d, "6504"), "1");
        EXPECT_EQ(d.grab().toImage(), before) << "the whole run again";
        test::clickButton(d, "1");
    });
}

TEST_F(AnalysisDialog, theLapScrollBarShowsFromSevenLapsAndMovesALapAtATime) {
    writeEqualLaps(6);
    open([&](QWidget& d) {
        EXPECT_FALSE(d.findChild<QScrollBar*>("6511")->isVisible());
        test::clickButton(d, "1");
    });
    writeEqualLaps(7);
    open([&](QWidget& d) {
        auto* bar = d.findChild<QScrollBar*>("6511");
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 1);
        test::clickButton(d, "1");
    });
    writeEqualLaps(20);
    open([&](QWidget& d) {
        auto* bar = d.findChild<QScrollBar*>("6511");
        const QImage first = d.grab().toImage();
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(bar->value(), 14) << "a page right goes to the end";
        EXPECT_NE(d.grab().toImage(), first);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(bar->value(), 13);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        EXPECT_EQ(bar->value(), 0) << "a page left goes to the start";
        EXPECT_EQ(d.grab().toImage(), first);
        test::clickButton(d, "1");
    });
}

TEST_F(AnalysisDialog, theCurveShowsTheLapUnderThePointerInAnEllipse) {
    writeFiveLaps();
    g.program.analysisView = int(AnalysisView::Curve);
    DriverResult run;
    ASSERT_TRUE(readDriverResult(g.program.path(kDriverResultFile), run));
    const CurvePlot plot = curvePlot(run, {1, 5}, {kViewArea.left, kViewArea.top});
    const Point lap3 = plot.points[2].at;
    const Rect box = curveHoverBox(plot, lap3);
    const int x = (box.left + box.right) / 2;
    const int y = box.top + 3; // inside the ellipse, above its text
    open([&](QWidget& d) {
        QWidget* panel = d.findChild<QWidget*>("painted");
        ASSERT_NE(panel, nullptr);
        EXPECT_NE(pixel(d, x, y), qRgb(255, 255, 255));
        QMouseEvent over(QEvent::MouseMove, QPointF(lap3.x, lap3.y), QPointF(lap3.x, lap3.y),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &over);
        EXPECT_EQ(pixel(d, x, y), qRgb(255, 255, 255));
        QMouseEvent away(QEvent::MouseMove, QPointF(lap3.x + 30, lap3.y + 30),
                         QPointF(lap3.x + 30, lap3.y + 30), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(panel, &away);
        EXPECT_NE(pixel(d, x, y), qRgb(255, 255, 255));
        test::clickButton(d, "1");
    });
}

TEST_F(AnalysisDialog, anUnreadableFileIsReportedAndTheDialogStillOpens) {
    std::filesystem::remove(g.program.path(kDriverResultFile));
    bool shown = false;
    open([&](QWidget& d) {
        shown = true;
        EXPECT_FALSE(d.findChild<QScrollBar*>("6511")->isVisible());
        test::clickButton(d, "1");
    });
    EXPECT_TRUE(shown);
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_EQ(g.dialogs.messages[0].text, "Erreur: impossible d'ouvrir le fichier DetailResultats");
    EXPECT_EQ(g.dialogs.messages[0].caption, "Erreur");
}

TEST_F(AnalysisDialog, thePrintButtonPrintsTheAnalysisThroughThePrintDialog) {
    writeFiveLaps();
    const std::string pdf = g.folder.file("analysis.pdf");
    open([&](QWidget& d) {
        test::whenModal([](QWidget& w) { return qobject_cast<QPrintDialog*>(&w) != nullptr; },
                        [&](QWidget& w) {
                            auto* name = w.findChild<QLineEdit*>("filename");
                            ASSERT_NE(name, nullptr);
                            EXPECT_EQ(name->text(),
                                      QString::fromStdString(g.folder.file(
                                          "Analyse Jean Dupont - Buggy - Manche1 - Série2.pdf")))
                                << "in the working folder, named after the printout";
                            name->setText(QString::fromStdString(pdf));
                            qobject_cast<QPrintDialog*>(&w)->accept();
                        });
        test::clickButton(d, "6510");
        test::clickButton(d, "1");
    });
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("Synthèse du run entre tour 1 et tour 5"), std::string::npos) << text;
}

} // namespace
} // namespace racedesk
