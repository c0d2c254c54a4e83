#pragma once
#include <QList>

class QWidget;
class QTreeWidget;
class QPushButton;
class QLineEdit;
class QGroupBox;
class QRadioButton;
class QComboBox;
class QString;

namespace racedesk {

struct BoardLayout;

// The child controls of the main window, each named by its command identifier
// (objectName "2001" for the start button), as menus and tests find them.
struct MainControls {
    QTreeWidget* tree = nullptr;        // 4000
    QPushButton* start = nullptr;       // 2001
    QPushButton* stop = nullptr;        // 2002
    QPushButton* clear = nullptr;       // 2003
    QLineEdit* startLabel = nullptr;    // 2004
    QLineEdit* stopLabel = nullptr;     // 2005
    QLineEdit* clearLabel = nullptr;    // 2006
    QPushButton* results = nullptr;     // 6101
    QPushButton* print = nullptr;       // 6000
    QPushButton* exportTable = nullptr; // 6001, the run's results for a spreadsheet
    QGroupBox* carFrame = nullptr;
    QList<QPushButton*> cars;            // 2201 to 2220
    QGroupBox* clockGroup = nullptr;     // 2221
    QGroupBox* countdownGroup = nullptr; // 2222
    QGroupBox* modeGroup = nullptr;      // 2223
    QRadioButton* personal = nullptr;    // 2101
    QRadioButton* club = nullptr;        // 2102
    QRadioButton* mixed = nullptr;       // 2103
    QComboBox* packs = nullptr;          // 2104
    QPushButton* scan = nullptr;         // 2105
    QLineEdit* scanStatus = nullptr;     // 2106
};

// Creates the controls on the board with their texts, fonts and images.
MainControls createMainControls(QWidget* board, const QString& iconsFolder);

// Places them for a client area of W x H: they scale with the window.
void layoutMainControls(const MainControls& c, int width, int height, const BoardLayout& board);

} // namespace racedesk
