#include "platform/QtPlatform.h"

#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QWidget>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

PegPointers::Scaling pointerScaling()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? PegPointers::Scaling::PictureRatio
               : PegPointers::Scaling::DevicePixels;
}

} // namespace

QtPlatform::QtPlatform() : m_pegPointers(pointerScaling()) {}

void QtPlatform::setPointerWidget(QWidget* widget)
{
    m_pointerWidget = widget;
}

double QtPlatform::timeOfDay() const
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    const double seconds = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return seconds + static_cast<double>(now.tv_nsec / 1000) / 1e6;
}

void QtPlatform::seedRandom(double seed)
{
    m_generator.seed(static_cast<std::uint64_t>(std::llround(seed * 1e6)));
}

double QtPlatform::nextRandom()
{
    // generate_canonical may round up to exactly 1.0 on some library versions; keep [0, 1).
    const double value = std::generate_canonical<double, 53>(m_generator);
    return value < 1.0 ? value : std::nextafter(1.0, 0.0);
}

namespace {

QMessageBox::StandardButton runBox(const QString& text, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(AppInfo::title), text, buttons);
    box.setDefaultButton(defaultButton);
    if (buttons & QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtPlatform::showMessage(const QString& text)
{
    runBox(text, QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtPlatform::askYesNoCancel(const QString& text)
{
    switch (
        runBox(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtPlatform::setPointer(int colour)
{
    if (!m_pointerWidget)
        return;
    if (colour == 0) {
        m_pointerWidget->unsetCursor();
        return;
    }
    m_pointerWidget->setCursor(m_pegPointers.pointer(colour, m_pointerWidget->devicePixelRatioF()));
}

QString QtPlatform::runningExecutable() const
{
    // Read the link now: the file may have been renamed since start, and Qt caches the old name.
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length == static_cast<ssize_t>(sizeof buffer))
        return QCoreApplication::applicationFilePath();
    return QString::fromLocal8Bit(buffer, length);
}

StartOutcome QtPlatform::startProgram(const QString& path)
{
    QProcess process;
    process.setProgram(path);
    if (process.startDetached())
        return {true, {}};
    return {false, process.errorString()};
}

void QtPlatform::endProgram()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
