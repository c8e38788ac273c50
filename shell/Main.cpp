#include "shell/Main.h"

#include "assets/Pictures.h"
#include "platform/AppInfo.h"
#include "platform/Platform.h"
#include "platform/WindowSystem.h"
#include "shell/Centring.h"
#include "shell/FirstFrame.h"
#include "shell/RandomSeed.h"
#include "shell/SharpFace.h"
#include "shell/SkinShape.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

Main::Main(Platform& platform)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_platform(platform),
      m_face(Pictures::face()), m_game(m_board, platform), m_hand(m_board, platform, m_face)
{
    setWindowTitle(QString::fromUtf8(AppInfo::title));
    // Where the mask cuts input only, the key pixels are painted transparent too; a window that
    // the mask cuts for drawing as well stays opaque, which spares the server an alpha channel.
    if (!WindowSystem::maskClipsDrawing())
        setAttribute(Qt::WA_TranslucentBackground);
    m_board.setChangeListener([this](ElementId id) { update(m_board[id].rect); });
    Form_Load();
}

void Main::Form_Load()
{
    m_platform.seedRandom(randomSeed(m_platform));

    setFixedSize(m_face.size());

    const QRegion shape = BuildSkinRegion(m_face);
    if (shape.isEmpty())
        clearMask();
    else
        setMask(shape);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.topLeft() + centredPosition(area.size(), size()));
    }

    // Only the centring works in twips; everything from here on is in pixels.
    m_game.DrawSecretCode();
}

void Main::paintEvent(QPaintEvent* event)
{
    if (!m_painted) {
        m_painted = true;
        quitAfterFirstFrameIfProfiling(*this);
        setIconAfterFirstFrame(*this);
        tellStarterAfterFirstFrame(*this);
        warmTextAfterFirstFrame(*this);
    }
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = devicePixelRatioF();
    // Copied as it is, so the key pixels stay fully transparent.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (ratio == 1.0) {
        painter.drawImage(dirty.topLeft(), m_face, dirty);
    } else {
        // Made when a scaled screen first shows the window, and again only on another ratio;
        // the window's mask is the face's shape, already cut.
        if (!m_sharpFace || m_sharpFace->ratio() != ratio)
            m_sharpFace.emplace(m_face, mask(), ratio);
        m_sharpFace->paint(painter);
        // The large face is read again only when the window is painted again. Its pages are
        // given back once control is back in the event loop, after the window has been flushed,
        // so the new pixels do not wait for it.
        QTimer::singleShot(0, &Pictures::giveBackLargeFace);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const Element& element : m_board.elements()) {
        if (element.visible && element.picture != 0 && element.rect.intersects(dirty))
            painter.drawPixmap(element.rect.topLeft(), Pictures::peg(element.picture, ratio));
    }
}
