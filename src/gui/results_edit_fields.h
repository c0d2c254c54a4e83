#pragma once
#include "core/race/results_editing.h"

#include <QObject>
#include <QVector>

class QLineEdit;

namespace racedesk {

struct Program;
class BoardWidget;

// The 13 numeric fields (6201 to 6213) that correct a board row in results editing mode,
// placed over that row's laps and time cells. Each change goes straight to the run.
class ResultsEditFields : public QObject {
    Q_OBJECT
public:
    ResultsEditFields(Program& program, BoardWidget& board);

    // Opens the fields over visible row 'visibleRow' when the board is in editing mode and
    // the row holds a driver.
    bool open(int visibleRow);
    void close();
    bool isOpen() const { return !fields_.isEmpty(); }

private:
    QLineEdit* makeField(int field, int visibleRow);
    void edited(int field, QLineEdit& edit);

    Program& program_;
    BoardWidget& board_;
    ResultsEdit edit_;
    QVector<QLineEdit*> fields_;
};

} // namespace racedesk
