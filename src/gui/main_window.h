#pragma once
#include "core/platform/screen.h"
#include "core/race/tree_events.h"
#include "gui/main_controls.h"

#include <QMainWindow>
#include <QMap>
#include <QSet>
#include <QTimer>

#include <functional>
#include <map>

class QAction;

namespace racedesk {

struct Program;
class BoardWidget;
class RaceTreeView;

// Folders the window needs besides the working folder.
struct AppFolders {
    QString working;
    QString icons;
};

// The main window: menus, the race tree, the run buttons, the live board and the 10 ms tick.
class MainWindow : public QMainWindow, public Screen {
    Q_OBJECT
public:
    MainWindow(Program& program, AppFolders folders);
    ~MainWindow() override;

    // Screen
    void invalidate(BoardArea area) override;
    void setRunLocked(bool locked) override;
    void setRaceTitle(const char* title, bool titled) override;
    void runChanged() override;
    void setHeatImage(int itemCode, bool withResults) override;
    void scanChanged() override;

    void startTick();
    // A race opened outside the menus (an interrupted run taken back): its tree and the board.
    void showRace(const TreeItems& tree);
    // One tick of the program: never run inside another one.
    void tickOnce();

    BoardWidget* board() const { return board_; }
    const MainControls& controls() const { return controls_; }
    RaceTreeView* raceTree() const { return raceTree_; }
    QAction* action(int id) const { return actions_.value(id); }
    // Menu items whose dialogs come from their own files: the item becomes available and
    // runs `run`.
    void setMenuCommand(int id, std::function<void()> run);
    // What a tree selection opens (driver details, classifications...).
    void setTreeTarget(TreeTarget target, std::function<void(const TreeSelection&)> open);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // The results button's popup: modify the results, detailed results, heat comment.
    void buildResultsMenu();
    void showComment();
    QAction* addItem(QMenu* menu, int id, int textId, const QString& icon, bool available);
    void connectControls();
    // What a run in progress and the scan leave usable.
    void applyLocks();
    void applyDisplaySettings();
    // The database dialogs whose tables the window keeps a copy of, read again after them.
    void showCircuits();
    void showTransponders();
    // The pack names in file order, for the club transponders mode.
    void fillPackList();
    void showSounds();
    void showDisplay();
    void showInterface();
    void showHelp();
    // Ctrl+Z during a run: the last car-button lap is taken back.
    void undoManualLap();
    // The board shows another run, or none: scrolled to its top and drawn anew.
    void resetBoard();
    void startNewRace();
    void loadRaceFile();
    void save();
    void saveAs();
    bool confirmQuit();
    // What the window does when it goes: the detailed results left empty, the display
    // settings saved, the decoder port closed.
    void shutDown();

    Program& program_;
    AppFolders folders_;
    BoardWidget* board_;
    MainControls controls_;
    RaceTreeView* raceTree_;
    QMap<int, QAction*> actions_;
    std::map<TreeTarget, std::function<void(const TreeSelection&)>> treeTargets_;
    QMenu* resultsMenu_ = nullptr;
    QSet<int> available_; // commands built so far: the others stay disabled
    QTimer timer_;
    bool inTick_ = false;
    bool locked_ = false;
    bool titled_ = false;
    bool closing_ = false;
};

} // namespace racedesk
