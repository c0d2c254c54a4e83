#include "platform/qt_sound_player.h"

#include "platform/wav_file.h"

#include <QAudioDevice>
#include <QDir>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <chrono>

namespace racedesk {
namespace {

// Covers the latency of the audio output, so that a waited clip is heard to its end before
// whatever follows it.
constexpr std::int64_t kWaitMarginMs = 150;

} // namespace

QtSoundPlayer::QtSoundPlayer(const QString& workingFolder) : folder_(workingFolder) {
    const QDir sounds(folder_ + QStringLiteral("/sons"));
    for (const QString& name : sounds.entryList({QStringLiteral("*.wav")}, QDir::Files)) {
        if (Clip* clip = find(("sons/" + name).toStdString()))
            effectFor(*clip);
    }
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const char* clip, bool wait) {
    if (waiting_ != nullptr)
        waiting_->quit();
    if (playing_ != nullptr)
        playing_->stop();
    playing_ = nullptr;

    Clip* c = find(clip);
    if (c == nullptr)
        return;
    if (QSoundEffect* effect = effectFor(*c)) {
        effect->play();
        playing_ = effect;
    }
    if (wait)
        waitForEnd(*c);
}

QtSoundPlayer::Clip* QtSoundPlayer::find(const std::string& clip) {
    if (auto found = clips_.find(clip); found != clips_.end())
        return &found->second;
    // Checked here so that Qt never gets a file it would complain about.
    const QString path = folder_ + '/' + QString::fromStdString(clip);
    const std::optional<WavInfo> info = readWavInfo(path.toStdString());
    if (!info || info->durationMs() <= 0)
        return nullptr;
    Clip& c = clips_[clip];
    c.path = path;
    c.durationMs = info->durationMs();
    return &c;
}

QSoundEffect* QtSoundPlayer::effectFor(Clip& clip) {
    // Without an output Qt complains while loading, then reports the clip as playing for ever.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return nullptr;
    if (!clip.effect) {
        clip.effect = std::make_unique<QSoundEffect>(device);
        clip.effect->setSource(QUrl::fromLocalFile(clip.path));
    } else if (clip.effect->audioDevice() != device) {
        clip.effect->setAudioDevice(device);
    }
    return clip.effect.get();
}

// Qt reports a clip stopped as soon as its last samples are handed to the output, well before
// they are heard, so the wait goes by the clip's own length.
void QtSoundPlayer::waitForEnd(const Clip& clip) {
    QEventLoop loop;
    QEventLoop* outer = waiting_;
    waiting_ = &loop;
    QTimer::singleShot(std::chrono::milliseconds(clip.durationMs + kWaitMarginMs), &loop,
                       &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    waiting_ = outer;
}

} // namespace racedesk
