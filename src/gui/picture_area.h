#pragma once
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

namespace racedesk {

struct Program;

// A picture path of a record (Windows-1252) as a file name (UTF-8).
std::string pictureFile(std::string_view recordPath);
QString workingFolderOf(const Program& program);

// A driver's or a circuit's picture: the BMP file drawn scaled to the area, nothing when there
// is none. A left double-click asks for a file, a right double-click takes the picture away.
class PictureArea : public QWidget {
public:
    static constexpr int kWidth = 217;
    static constexpr int kHeight = 148;

    struct Actions {
        std::function<std::string()> file; // UTF-8 path; empty for none
        std::function<void()> choose;
        std::function<void()> clear;
    };

    PictureArea(QWidget& dialog, QPoint at, QString workingFolder, Actions actions);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString folder_;
    Actions actions_;
};

// The file dialog for a picture: the chosen path in Windows-1252, as records hold it, or empty
// when the user cancelled.
std::string choosePicture(Program& program);

// The picture of the selected record of a database dialog, whose 'picture' field holds the
// path; nothing is chosen or cleared while no record is selected.
template <typename Record>
PictureArea* addRecordPicture(QWidget& dialog, QPoint at, Program& program,
                              std::function<Record*()> current) {
    PictureArea::Actions actions{
        [current] {
            const Record* r = current();
            return r != nullptr ? pictureFile(r->picture.view()) : std::string();
        },
        [current, &program] {
            if (Record* r = current()) {
                const std::string chosen = choosePicture(program);
                if (!chosen.empty())
                    r->picture = chosen;
            }
        },
        [current] {
            if (Record* r = current())
                r->picture.clear();
        },
    };
    return new PictureArea(dialog, at, workingFolderOf(program), std::move(actions));
}

} // namespace racedesk
