#include "pdf_reader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace racedesk::test {
namespace {

QString run(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    if (!process.waitForFinished(30'000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString info(const std::string& pdfFile) {
    return run(RACEDESK_PDFINFO, {QString::fromStdString(pdfFile)});
}

} // namespace

std::string pdfText(const std::string& pdfFile) {
    return run(RACEDESK_PDFTOTEXT, {"-layout", QString::fromStdString(pdfFile), "-"}).toStdString();
}

int pdfPageCount(const std::string& pdfFile) {
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(info(pdfFile));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

std::string pdfOrientation(const std::string& pdfFile) {
    const auto match =
        QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+))").match(info(pdfFile));
    if (!match.hasMatch())
        return "unknown";
    return match.captured(1).toDouble() > match.captured(2).toDouble() ? "landscape" : "portrait";
}

} // namespace racedesk::test
