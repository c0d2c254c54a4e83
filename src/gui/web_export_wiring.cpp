#include "gui/web_export_wiring.h"

#include "core/app/program.h"
#include "core/web/site_export_command.h"
#include "core/web/web_texts.h"
#include "gui/main_window.h"
#include "platform/qt_text.h"

#include <QPointer>
#include <QProgressDialog>
#include <QThread>

#include <atomic>
#include <memory>

namespace racedesk {
namespace {

// One export at a time: the progress dialog is modal to the window. The pages read the race
// file under its lock (meeting_site.h), so the worker thread never meets a commit half made.
class WebExport : public QObject {
public:
    WebExport(MainWindow& window, Program& program)
        : QObject(&window), window_(window), program_(program) {}

    // The window closing stops an export still running, and waits for its thread.
    ~WebExport() override {
        stop_->store(true);
        if (worker_ != nullptr)
            worker_->wait();
    }

    void start() {
        const std::string folder = chooseExportFolder(program_);
        if (folder.empty() || worker_ != nullptr || !confirmReplacing(program_, folder))
            return;
        QPointer<QProgressDialog> progress = showProgress();
        stop_->store(false);
        const MeetingSource source = meetingSourceOf(program_);
        const std::shared_ptr<std::atomic<bool>> stop = stop_;
        worker_ = QThread::create([this, source, folder, progress, stop] {
            const SiteExport done =
                exportMeetingSite(source, folder, [progress, stop](int written, int total) {
                    QMetaObject::invokeMethod(
                        progress,
                        [progress, written, total] {
                            progress->setMaximum(total);
                            progress->setValue(written);
                        },
                        Qt::QueuedConnection);
                    return !stop->load();
                });
            QMetaObject::invokeMethod(
                this, [this, done, folder, progress] { finish(done, folder, progress); },
                Qt::QueuedConnection);
        });
        worker_->start();
    }

private:
    QPointer<QProgressDialog> showProgress() {
        auto* progress = new QProgressDialog(&window_);
        progress->setWindowTitle(toQString(tx(WebText::ItemExportWeb)));
        progress->setLabelText(toQString(tx(WebText::ExportWriting)));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAutoClose(false);
        progress->setRange(0, 0);
        const std::shared_ptr<std::atomic<bool>> stop = stop_;
        connect(progress, &QProgressDialog::canceled, this, [stop] { stop->store(true); });
        progress->show();
        return progress;
    }

    void finish(const SiteExport& done, const std::string& folder,
                QPointer<QProgressDialog> progress) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
        if (progress != nullptr)
            progress->deleteLater();
        reportExport(program_, done, folder);
    }

    MainWindow& window_;
    Program& program_;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    QThread* worker_ = nullptr;
};

} // namespace

void wireWebExport(MainWindow& window, Program& program) {
    auto* exporter = new WebExport(window, program);
    window.setMenuCommand(kCmdExportWeb, [exporter] { exporter->start(); });
}

} // namespace racedesk
