#include "shell/TextWarming.h"

#include "dialogs/MessageBoxFrame.h"
#include "dialogs/frmAbout.h"
#include "dialogs/helpme.h"
#include "game/Texts.h"
#include "platform/AppInfo.h"
#include "platform/OwnExecutable.h"
#include "platform/QtTranslation.h"

#include <QFontDatabase>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <memory>
#include <vector>

namespace {

using Steps = std::vector<std::function<void()>>;

// Drawn into an image, never shown: the painting lays the window out and draws every glyph, at
// the size of the screen's pixels, which the glyphs are kept for.
void drawOffScreen(QWidget& window)
{
    const qreal ratio = window.devicePixelRatioF();
    QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    window.render(&painter);
}

void drawOffScreen(std::unique_ptr<QWidget> window)
{
    drawOffScreen(*window);
}

// The message boxes as the game makes them: the same buttons, texts and frame.
void drawBox(QMessageBox::StandardButtons buttons, const char* text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(AppInfo::title), QString::fromUtf8(text),
                    buttons);
    box.setTextFormat(Qt::PlainText);
    frameMessageBox(box);
    drawOffScreen(box);
}

void runSteps(QObject& context, std::shared_ptr<Steps> steps, std::size_t next)
{
    if (next == steps->size())
        return;
    (*steps)[next]();
    QTimer::singleShot(0, &context,
                       [&context, steps, next] { runSteps(context, steps, next + 1); });
}

} // namespace

void warmText(QObject& context, std::function<void()> whenDone)
{
    auto steps = std::make_shared<Steps>(Steps{
        [] { drawOffScreen(std::make_unique<frmAbout>()); },
        [] { drawOffScreen(std::make_unique<helpme>(OwnExecutable::folder())); },
        [] {
            translateQtTexts();
            drawBox(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    Texts::newGameQuestion);
        },
        [] { drawBox(QMessageBox::Ok, Texts::hiddenScreen); },
    });
    if (whenDone)
        steps->push_back(std::move(whenDone));
    // The font database is safe to read from any thread; the fonts and glyph caches that a
    // painting opens belong to the thread that opens them, so those wait for the main thread.
    QThread* reader = QThread::create([] { QFontDatabase::families(); });
    QObject::connect(reader, &QThread::finished, &context,
                     [&context, steps] { runSteps(context, steps, 0); });
    QObject::connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    reader->start(QThread::LowPriority);
}
