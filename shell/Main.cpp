#include "shell/Main.h"

#include "assets/Pictures.h"
#include "platform/AppInfo.h"

#include <QPainter>

Main::Main() : m_skin(Pictures::skin())
{
    setWindowTitle(QString::fromUtf8(AppInfo::title));
    setFixedSize(m_skin.size());
    m_platform.seedRandom(m_platform.timeOfDay());
    m_game.DrawSecretCode();
}

void Main::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_skin);
}
