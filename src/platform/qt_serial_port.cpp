#include "platform/qt_serial_port.h"

#include "platform/system_clock.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <type_traits>
#include <utility>

namespace racedesk {

namespace {

// Gives 0 for a name that is not "COMn".
int comNumber(std::string_view name) {
    if (name.size() < 4 || name.substr(0, 3) != "COM")
        return 0;
    int number = 0;
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(name.data() + 3, last, number);
    return error == std::errc() && end == last && number >= 1 ? number : 0;
}

std::string portLink(const std::string& workingFolder, std::string_view name) {
    const std::filesystem::path link =
        std::filesystem::path(workingFolder) / "ports" / std::string(name);
    std::error_code ignored;
    return std::filesystem::exists(link, ignored) ? link.string() : std::string();
}

// A built-in UART the kernel found nothing at reports the unknown type. A device that does not
// say (a pseudo-terminal, some USB adapters) is taken as there.
bool uartMissing(int fd) {
    serial_struct info{};
    return fd >= 0 && ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
}

bool nothingBehind(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return false; // not ours to judge: opening it will say
    const bool missing = uartMissing(fd);
    ::close(fd);
    return missing;
}

} // namespace

std::vector<SystemSerialPort> systemSerialPorts() {
    std::vector<SystemSerialPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string path = info.systemLocation().toStdString();
        if (path.empty() || nothingBehind(path))
            continue;
        QString description = info.description();
        if (!info.manufacturer().isEmpty() && !description.contains(info.manufacturer()))
            description += QStringLiteral(", ") + info.manufacturer();
        ports.push_back({path, description.toStdString(), info.hasVendorIdentifier()});
    }
    std::stable_partition(ports.begin(), ports.end(),
                          [](const SystemSerialPort& p) { return p.usb; });
    return ports;
}

std::string serialDevicePath(const std::string& workingFolder, const char* portName,
                             const std::vector<SystemSerialPort>& ports) {
    const std::string_view name(portName != nullptr ? portName : "");
    const int number = comNumber(name);
    if (number == 0)
        return {};
    if (std::string link = portLink(workingFolder, name); !link.empty())
        return link;
    return std::size_t(number) <= ports.size() ? ports[std::size_t(number - 1)].path
                                               : std::string();
}

std::string serialDevicePath(const std::string& workingFolder, const char* portName) {
    return serialDevicePath(workingFolder, portName, systemSerialPorts());
}

std::string describePort(const std::string& workingFolder, const char* portName,
                         const std::vector<SystemSerialPort>& ports) {
    const std::string path = serialDevicePath(workingFolder, portName, ports);
    if (path.empty())
        return {};
    std::error_code ignored;
    const std::filesystem::path target = std::filesystem::canonical(path, ignored);
    std::string text = path;
    if (!target.empty() && target.string() != path)
        text += " -> " + target.string();
    for (const SystemSerialPort& p : ports) {
        if (p.path == path && !p.description.empty())
            text += " (" + p.description + ")";
    }
    return text;
}

template <typename F> auto QtSerialPort::inReader(F f) {
    using Result = std::invoke_result_t<F>;
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(home_, std::move(f), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(home_, std::move(f), Qt::BlockingQueuedConnection, &result);
        return result;
    }
}

QtSerialPort::QtSerialPort(std::string workingFolder)
    : workDir_(std::move(workingFolder)), thread_(std::make_unique<QThread>()) {
    home_ = new QObject;
    port_ = new QSerialPort(home_);
    port_->setReadBufferSize(0);
    QObject::connect(port_, &QSerialPort::readyRead, home_, [this] { drain(); });
    QObject::connect(port_, &QSerialPort::errorOccurred, home_,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
    home_->moveToThread(thread_.get());
    QObject::connect(thread_.get(), &QThread::finished, home_, &QObject::deleteLater);
    thread_->setObjectName(QStringLiteral("serial reader"));
    thread_->start(QThread::HighestPriority);
}

QtSerialPort::~QtSerialPort() {
    inReader([this] { closeDevice(); });
    thread_->quit();
    thread_->wait();
}

bool QtSerialPort::open(const char* portName) {
    const std::string path = serialDevicePath(workDir_, portName);
    return inReader([this, &path] { return openDevice(path); });
}

void QtSerialPort::close() {
    inReader([this] { closeDevice(); });
}

bool QtSerialPort::isOpen() const {
    return open_;
}

int QtSerialPort::write(const std::uint8_t* data, int count) {
    if (!open_ || count <= 0)
        return 0;
    return inReader([this, data, count] { return writeDevice(data, count); });
}

int QtSerialPort::read(std::uint8_t* data, std::int64_t* stamps, int maxCount) {
    return ring_.take(data, stamps, maxCount);
}

void QtSerialPort::purge() {
    inReader([this] { purgeDevice(); });
}

bool QtSerialPort::openDevice(const std::string& path) {
    closeDevice();
    if (path.empty())
        return false;
    port_->setPortName(QString::fromStdString(path));
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        port_->clearError();
        return false;
    }
    if (uartMissing(int(port_->handle()))) {
        port_->close();
        port_->clearError();
        return false;
    }
    ++generation_;
    devicePath_ = path;
    failedReadsInARow_ = 0;
    port_->clear(QSerialPort::AllDirections);
    // A pseudo-terminal has no modem lines and refuses them; the port works all the same.
    port_->setDataTerminalReady(true);
    port_->setRequestToSend(true);
    port_->clearError();
    ring_.clear();
    open_ = true;
    return true;
}

void QtSerialPort::closeDevice() {
    open_ = false;
    ++generation_;
    if (port_->isOpen()) {
        // A tty waits on close for its output to drain: what was not sent is dropped first.
        port_->clear(QSerialPort::Output);
        port_->close();
    }
    port_->clearError();
    ring_.clear();
}

void QtSerialPort::purgeDevice() {
    if (port_->isOpen()) {
        drain(); // what Qt already holds goes too
        port_->clear(QSerialPort::AllDirections);
        port_->clearError();
    }
    ring_.clear();
}

int QtSerialPort::writeDevice(const std::uint8_t* data, int count) {
    if (!port_->isOpen())
        return 0;
    port_->clearError();
    if (port_->write(reinterpret_cast<const char*>(data), count) != count) {
        port_->clear(QSerialPort::Output);
        return 0;
    }
    const QDeadlineTimer deadline(kWriteWaitMs);
    while (port_->bytesToWrite() > 0 && port_->error() == QSerialPort::NoError &&
           !deadline.hasExpired())
        port_->waitForBytesWritten(int(deadline.remainingTime()));
    const qint64 unsent = port_->bytesToWrite();
    const bool failed = port_->error() != QSerialPort::NoError;
    // Bytes that missed their moment are not sent later, behind the next command.
    if (unsent > 0)
        port_->clear(QSerialPort::Output);
    return failed ? 0 : int(count - unsent);
}

void QtSerialPort::drain() {
    const std::int64_t arrival = monotonicNanoseconds();
    for (;;) {
        const qint64 n = port_->read(chunk_.data(), qint64(chunk_.size()));
        if (n <= 0)
            break;
        failedReadsInARow_ = 0;
        ring_.push(reinterpret_cast<const std::uint8_t*>(chunk_.data()), int(n), arrival);
    }
}

// A read that finds nothing is not a device that has gone: a passing read while a
// keep-alive was being written leaves the port told there is something to read, and the
// next read finds nothing and reports an error. The device has gone only when its node is
// no longer there, the line has hung up, or reads keep failing with nothing read between.
bool QtSerialPort::deviceGone() {
    if (++failedReadsInARow_ >= kFailedReadsWhenGone)
        return true;
    std::error_code ignored;
    if (!std::filesystem::exists(devicePath_, ignored))
        return true;
    pollfd line{int(port_->handle()), 0, 0};
    return ::poll(&line, 1, 0) == 1 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// A port whose device has gone (an adapter unplugged, the simulator's terminal closed) keeps
// signalling that there is something to read and then reads nothing, over and over: it is
// closed, once the port call that reported it has returned, and every write gives 0 until
// it is opened again. Any other failed read is forgotten, so that it fails no write.
void QtSerialPort::onError(int error) {
    const bool readFailed = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!readFailed || closePending_ || !port_->isOpen())
        return;
    if (!deviceGone()) {
        port_->clearError();
        return;
    }
    closePending_ = true;
    const int generation = generation_;
    QMetaObject::invokeMethod(
        home_,
        [this, generation] {
            closePending_ = false;
            if (generation == generation_)
                closeDevice();
        },
        Qt::QueuedConnection);
}

} // namespace racedesk
