#include "platform/qt_canvas.h"

#include "support/temp_folder.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TempFolder;

TEST(QtCanvasPage, eachPageSettingTheLogicalWindowAgainGetsTheSameMapping) {
    // A device whose size does not divide evenly, as a printer's printable area.
    QImage device(1131, 1601, QImage::Format_RGB32);
    QPainter painter(&device);
    QtCanvas canvas(painter, QString());
    canvas.setLogicalWindow(900, 1600);
    const QPointF corner = painter.combinedTransform().map(QPointF(900, 1600));
    canvas.setLogicalWindow(900, 1600);
    EXPECT_EQ(painter.combinedTransform().map(QPointF(900, 1600)), corner);
    EXPECT_NEAR(corner.y(), 1601, 1.0);
}

TEST(QtCanvasPage, aCroppedBitmapSmallerThanItsTargetKeepsItsOwnSize) {
    TempFolder folder;
    QImage logo(100, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(QString::fromStdString(folder.file("logo.bmp")), "BMP"));

    QImage page(300, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        QtCanvas canvas(painter, QString::fromStdString(folder.path()));
        canvas.bitmap({25, 25, 225, 75}, "logo.bmp", true);
        canvas.bitmap({0, 0, 10, 10}, "missing.bmp", true);
    }
    EXPECT_EQ(page.pixelColor(30, 30), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(120, 40), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(130, 30), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(30, 50), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(5, 5), QColor(Qt::white));
}

TEST(QtCanvasPage, aCroppedBitmapLargerThanItsTargetGivesItsTopLeftPart) {
    TempFolder folder;
    QImage logo(400, 100, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 200; ++x)
            logo.setPixelColor(x, y, Qt::green);
    ASSERT_TRUE(logo.save(QString::fromStdString(folder.file("logo.bmp")), "BMP"));

    QImage page(300, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        QtCanvas canvas(painter, QString::fromStdString(folder.path()));
        canvas.bitmap({25, 25, 225, 75}, "logo.bmp", true);
    }
    EXPECT_EQ(page.pixelColor(26, 26), QColor(Qt::green));
    EXPECT_EQ(page.pixelColor(224, 74), QColor(Qt::green));
    EXPECT_EQ(page.pixelColor(226, 50), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(100, 76), QColor(Qt::white));
}

} // namespace
} // namespace racedesk
