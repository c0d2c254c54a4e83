#include "gui/main_window.h"

#include "core/app/app_texts.h"
#include "core/app/program.h"
#include "core/app/tick.h"
#include "core/common/texts.h"
#include "core/databases/database_reload.h"
#include "core/live/live_texts.h"
#include "core/race/detail_results_file.h"
#include "core/race/race_lifecycle.h"
#include "core/race/results_editing.h"
#include "core/timing/manual_lap_undo.h"
#include "core/timing/run_engine.h"
#include "core/timing/run_texts.h"
#include "core/timing/transponder_modes.h"
#include "core/web/web_texts.h"
#include "gui/board_widget.h"
#include "gui/circuits_dialog.h"
#include "gui/classification_wiring.h"
#include "gui/clubs_dialog.h"
#include "gui/comment_dialog.h"
#include "gui/composition_wiring.h"
#include "gui/display_dialog.h"
#include "gui/drivers_dialog.h"
#include "gui/finals_wiring.h"
#include "gui/frequencies_dialog.h"
#include "gui/interface_dialog.h"
#include "gui/live_results_wiring.h"
#include "gui/participants_wiring.h"
#include "gui/qualifying_wiring.h"
#include "gui/race_tree_view.h"
#include "gui/results_wiring.h"
#include "gui/sounds_dialog.h"
#include "gui/transponder_mode_wiring.h"
#include "gui/transponders_dialog.h"
#include "gui/web_export_wiring.h"
#include "platform/qt_convert.h"
#include "platform/qt_text.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QUrl>

#include <cstdio>

namespace racedesk {
namespace {

QString text(int id) {
    return toQString(tx(Text(id)));
}

constexpr int kCmdUndoManualLap = 1020;

// Commands that stay enabled during a countdown or a run.
bool usableDuringRun(int id) {
    return id == 1015 || id == 1017 || id == kCmdLiveResults;
}

// Commands that mean something only while a run is in progress.
bool onlyDuringRun(int id) {
    return id == kCmdUndoManualLap;
}

} // namespace

MainWindow::MainWindow(Program& program, AppFolders folders)
    : program_(program), folders_(std::move(folders)),
      board_(new BoardWidget(program, folders_.working, this)) {
    setObjectName("classeF");
    setWindowTitle(text(int(Text::WindowTitle)));
    setWindowIcon(QIcon(QDir(folders_.icons).filePath("racedesk.png")));
    setCentralWidget(board_);
    controls_ = createMainControls(board_, folders_.icons);
    fillPackList();
    raceTree_ = new RaceTreeView(program_, controls_.tree, folders_.icons, this);
    raceTree_->show(readRaceTree(program_));
    connect(raceTree_, &RaceTreeView::selected, this, [this](const TreeSelection& s) {
        if (const auto it = treeTargets_.find(s.target); it != treeTargets_.end())
            it->second(s);
    });
    connect(raceTree_, &RaceTreeView::runUnloaded, this, &MainWindow::resetBoard);
    buildMenus();
    buildResultsMenu();
    connectControls();
    wireQualifyingCommands(*this, program_);
    wireClassifications(*this, program_);
    wireCompositionCommands(*this, program_);
    wireResultsCommands(*this, program_, folders_.working);
    wireWebExport(*this, program_);
    wireParticipants(*this, program_);
    wireFinalsCommands(*this, program_);
    wireTransponderModes(*this, program_);
    wireLiveResults(*this, program_);
    connect(board_, &BoardWidget::resized, this, [this] {
        layoutMainControls(controls_, board_->width(), board_->height(), board_->layout());
    });
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &MainWindow::tickOnce);
    applyDisplaySettings();
    setRunLocked(false);
}

MainWindow::~MainWindow() {
    shutDown();
}

QAction* MainWindow::addItem(QMenu* menu, int id, int textId, const QString& icon, bool available) {
    QAction* a = menu->addAction(text(textId));
    a->setObjectName(QString::number(id));
    if (!icon.isEmpty())
        a->setIcon(QIcon(QDir(folders_.icons).filePath(icon)));
    actions_.insert(id, a);
    if (available)
        available_.insert(id);
    return a;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(text(int(Text::MenuFile)));
    connect(addItem(file, 1001, int(Text::ItemNewRace), "new_race.png", true), &QAction::triggered,
            this, &MainWindow::startNewRace);
    connect(addItem(file, 1002, int(Text::ItemLoadRace), "", true), &QAction::triggered, this,
            &MainWindow::loadRaceFile);
    file->addSeparator();
    connect(addItem(file, 1003, int(Text::ItemSave), "save.png", true), &QAction::triggered, this,
            &MainWindow::save);
    connect(addItem(file, 1004, int(Text::ItemSaveAs), "", true), &QAction::triggered, this,
            &MainWindow::saveAs);
    file->addSeparator();
    QAction* exportWeb = file->addAction(toQString(tx(WebText::ItemExportWeb)));
    exportWeb->setObjectName(QString::number(kCmdExportWeb));
    actions_.insert(kCmdExportWeb, exportWeb);
    file->addSeparator();
    connect(addItem(file, 1005, int(Text::ItemQuit), "quit.png", true), &QAction::triggered, this,
            &QWidget::close);

    QMenu* edit = menuBar()->addMenu(toQString(tx(RunText::MenuEdit)));
    QAction* undo = edit->addAction(toQString(tx(RunText::ItemUndoManualLap)));
    undo->setObjectName(QString::number(kCmdUndoManualLap));
    undo->setShortcut(QKeySequence::Undo);
    actions_.insert(kCmdUndoManualLap, undo);
    available_.insert(kCmdUndoManualLap);
    connect(undo, &QAction::triggered, this, &MainWindow::undoManualLap);

    QMenu* databases = menuBar()->addMenu(text(int(Text::MenuDatabase)));
    connect(addItem(databases, 1006, int(Text::ItemCircuits), "circuits.png", true),
            &QAction::triggered, this, &MainWindow::showCircuits);
    databases->addSeparator();
    connect(addItem(databases, 1007, int(Text::ItemClubs), "clubs.png", true), &QAction::triggered,
            this, [this] { runClubsDialog(program_, this); });
    databases->addSeparator();
    connect(addItem(databases, 1008, int(Text::ItemDrivers), "drivers.png", true),
            &QAction::triggered, this, [this] { runDriversDialog(program_, this); });
    databases->addSeparator();
    connect(addItem(databases, 1009, int(Text::ItemTransponders), "transponders.png", true),
            &QAction::triggered, this, &MainWindow::showTransponders);
    databases->addSeparator();
    connect(addItem(databases, 1010, int(Text::ItemFrequencies), "frequencies.png", true),
            &QAction::triggered, this, [this] { runFrequenciesDialog(program_, this); });

    QMenu* planning = menuBar()->addMenu(text(int(Text::MenuPlanning)));
    addItem(planning, 1011, int(Text::ItemPlanQualifying), "planning.png", false);
    planning->addSeparator();
    addItem(planning, 1012, int(Text::ItemPlanFinals), "", false);

    QMenu* settings = menuBar()->addMenu(text(int(Text::MenuSettings)));
    connect(addItem(settings, 1013, int(Text::ItemSounds), "sounds.png", true), &QAction::triggered,
            this, &MainWindow::showSounds);
    settings->addSeparator();
    connect(addItem(settings, 1014, int(Text::ItemDisplay), "display.png", true),
            &QAction::triggered, this, &MainWindow::showDisplay);
    settings->addSeparator();
    connect(addItem(settings, 1015, int(Text::ItemInterface), "interface.png", true),
            &QAction::triggered, this, &MainWindow::showInterface);
    settings->addSeparator();
    QAction* live = settings->addAction(toQString(tx(LiveText::MenuItem)));
    live->setObjectName(QString::number(kCmdLiveResults));
    actions_.insert(kCmdLiveResults, live);

    QMenu* help = menuBar()->addMenu(text(int(Text::MenuHelp)));
    connect(addItem(help, 1017, int(Text::ItemHelp), "", true), &QAction::triggered, this,
            &MainWindow::showHelp);
}

void MainWindow::setMenuCommand(int id, std::function<void()> run) {
    QAction* item = actions_.value(id);
    if (item == nullptr)
        return;
    available_.insert(id);
    connect(item, &QAction::triggered, this, std::move(run));
    setRunLocked(locked_);
}

void MainWindow::setTreeTarget(TreeTarget target, std::function<void(const TreeSelection&)> open) {
    treeTargets_[target] = std::move(open);
}

void MainWindow::buildResultsMenu() {
    resultsMenu_ = new QMenu(this);
    addItem(resultsMenu_, 6102, int(Text::ItemModifyResults), "", false);
    addItem(resultsMenu_, 6103, int(Text::ItemDetailedResults), "", false);
    connect(addItem(resultsMenu_, 6104, int(Text::ItemHeatComment), "", true), &QAction::triggered,
            this, &MainWindow::showComment);
    connect(controls_.results, &QPushButton::clicked, this,
            [this] { resultsMenu_->popup(QCursor::pos()); });
}

void MainWindow::showComment() {
    if (program_.loaded.loaded())
        runCommentDialog(program_, this);
}

void MainWindow::connectControls() {
    const MainControls& c = controls_;
    connect(c.start, &QPushButton::clicked, this, [this] { startRun(program_); });
    connect(c.stop, &QPushButton::clicked, this, [this] { stopRun(program_); });
    connect(c.clear, &QPushButton::clicked, this, [this] {
        clearRun(program_);
        board_->resetScroll();
    });
    for (int i = 0; i < c.cars.size(); ++i)
        connect(c.cars[i], &QPushButton::clicked, this,
                [this, i] { manualPassing(program_, i + 1); });
}

void MainWindow::invalidate(BoardArea area) {
    board_->update(board_->areaRect(int(area)));
}

void MainWindow::setRunLocked(bool locked) {
    locked_ = locked;
    applyLocks();
}

void MainWindow::scanChanged() {
    const MainControls& c = controls_;
    c.scan->blockSignals(true);
    c.scan->setChecked(program_.scan.on);
    c.scan->blockSignals(false);
    c.scanStatus->setText(toQString(scanStatusText(program_.scan.status)));
    applyLocks();
}

void MainWindow::applyLocks() {
    const bool scanning = program_.scan.on;
    for (auto it = actions_.begin(); it != actions_.end(); ++it)
        it.value()->setEnabled(
            available_.contains(it.key()) &&
            (onlyDuringRun(it.key()) ? locked_ : !locked_ || usableDuringRun(it.key())) &&
            (!scanning || it.key() == 1017) && (it.key() != 1003 || titled_) &&
            ((it.key() != 6103 && it.key() != 6104) || program_.loaded.loaded()) &&
            (it.key() != 6102 || loadedRunEditable(program_.loaded)));
    const MainControls& c = controls_;
    c.results->setEnabled(program_.loaded.loaded() && !scanning);
    for (QWidget* w : {static_cast<QWidget*>(c.tree), static_cast<QWidget*>(c.start),
                       static_cast<QWidget*>(c.clear), static_cast<QWidget*>(c.personal),
                       static_cast<QWidget*>(c.club), static_cast<QWidget*>(c.packs),
                       static_cast<QWidget*>(c.print), static_cast<QWidget*>(c.exportTable)})
        w->setEnabled(!locked_ && !scanning);
    c.stop->setEnabled(!scanning);
    c.mixed->setEnabled(!locked_);
    c.scan->setEnabled(!locked_);
}

void MainWindow::setRaceTitle(const char* title, bool titled) {
    setWindowTitle(toQString(title));
    titled_ = titled;
    setRunLocked(locked_);
}

void MainWindow::setHeatImage(int itemCode, bool withResults) {
    raceTree_->setRunImage(itemCode, withResults);
}

void MainWindow::startTick() {
    timer_.start();
}

void MainWindow::tickOnce() {
    if (inTick_)
        return;
    inTick_ = true;
    program_.io.dialogs.beginTick();
    tick(program_);
    inTick_ = false;
    program_.io.dialogs.endTick();
}

void MainWindow::applyDisplaySettings() {
    QPalette palette = controls_.tree->palette();
    palette.setColor(QPalette::Base, toQColor(program_.display.colours[kTreeBackground]));
    controls_.tree->setPalette(palette);
    board_->relayout();
    layoutMainControls(controls_, board_->width(), board_->height(), board_->layout());
    board_->resetScroll();
    update();
    board_->update();
}

void MainWindow::showCircuits() {
    runCircuitsDialog(program_, this);
    reloadCircuits(program_);
}

void MainWindow::showTransponders() {
    runTranspondersDialog(program_, this);
    reloadTransponderPacks(program_);
    fillPackList();
}

void MainWindow::fillPackList() {
    controls_.packs->clear();
    for (const TransponderPack& pack : program_.packs)
        controls_.packs->addItem(toQString(pack.name.view()));
}

void MainWindow::showSounds() {
    runSoundsDialog(program_, this);
    if (!readSoundSettings(program_.path(kSoundSettingsFile), program_.sounds))
        program_.showError(tx(Text::ErrSoundSettings));
}

void MainWindow::showDisplay() {
    const std::string file = program_.path(kDisplaySettingsFile);
    if (!writeDisplaySettings(file, program_.display))
        program_.showError(tx(Text::ErrDisplaySettings));
    runDisplayDialog(program_, this);
    if (!readDisplaySettings(file, program_.display))
        program_.showError(tx(Text::ErrDisplaySettings));
    applyDisplaySettings();
}

void MainWindow::showInterface() {
    // The dialog owns the port while it is open; the tick takes up its settings after.
    program_.link.keepAliveActive = false;
    program_.link.lost = false;
    runInterfaceDialog(program_, this);
    program_.link.reloadPending = true;
}

void MainWindow::showHelp() {
    const QString pdf =
        QDir(folders_.working).filePath(QString::fromUtf8(textUtf8(Text::HelpFile)));
    if (QFileInfo::exists(pdf) && QDesktopServices::openUrl(QUrl::fromLocalFile(pdf)))
        return;
    char message[1200];
    std::snprintf(message, sizeof message, tx(AppText::HelpNotOpened), fromQString(pdf).c_str());
    program_.io.dialogs.message(message, tx(Text::CaptionMessage), Icon::Information);
}

void MainWindow::undoManualLap() {
    if (!undoLastManualLap(program_))
        program_.io.dialogs.message(tx(RunText::NothingToUndo), tx(Text::CaptionTarvolin),
                                    Icon::Information);
}

void MainWindow::runChanged() {
    resetBoard();
    setRunLocked(locked_);
}

void MainWindow::resetBoard() {
    // Whatever stood over the rows of the run that went (a row's fields, a transponder list)
    // goes with it.
    Q_EMIT board_->pressed();
    board_->resetScroll();
    board_->update();
}

void MainWindow::startNewRace() {
    TreeItems tree;
    if (!newRace(program_, tree))
        return;
    raceTree_->show(tree, true);
    resetBoard();
}

void MainWindow::loadRaceFile() {
    TreeItems tree;
    if (loadRace(program_, tree))
        showRace(tree);
}

void MainWindow::showRace(const TreeItems& tree) {
    raceTree_->show(tree);
    resetBoard();
}

void MainWindow::save() {
    saveRace(program_);
}

void MainWindow::saveAs() {
    saveRaceAs(program_);
}

bool MainWindow::confirmQuit() {
    if (program_.run.inProgress() || program_.scan.on) {
        program_.io.dialogs.message(tx(Text::RunInProgressNoQuit), tx(Text::CaptionTarvolin),
                                    Icon::Error);
        return false;
    }
    switch (program_.io.dialogs.ask(tx(Text::QuitQuestion), tx(Text::CaptionAttention),
                                    Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        return saveCurrentRace(program_);
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_ || confirmQuit()) {
        closing_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::shutDown() {
    timer_.stop();
    emptySlots(program_.slots);
    if (!writeDetailResults(program_.path(kDetailResultsFile), program_.run.ranking,
                            program_.slots))
        program_.showError(tx(Text::ErrDetailedResultsFile));
    if (!writeDisplaySettings(program_.path(kDisplaySettingsFile), program_.display))
        program_.showError(tx(Text::ErrDisplaySettings));
    program_.io.serial.close();
}

} // namespace racedesk
