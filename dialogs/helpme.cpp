#include "dialogs/helpme.h"

#include "dialogs/HelpFile.h"
#include "dialogs/HelpText.h"
#include "dialogs/SideWindowFrame.h"

#include <QPlainTextEdit>

namespace {

constexpr QSize innerSize(465, 369);

} // namespace

helpme::helpme(const QByteArray& folder) : m_folder(folder)
{
    setObjectName(QStringLiteral("helpme"));
    QWidget& inner = frameSideWindow(*this, innerSize);
    setWindowTitle(QStringLiteral("Help"));

    // Read-only: the file is never written back. Keyboard selection stays on so the reader can
    // move through the text and copy from it.
    m_text = new QPlainTextEdit(&inner);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setGeometry(QRect(QPoint(0, 0), innerSize));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setFocus();

    centreOnPrimaryScreen(*this);
    Form_Load();
}

void helpme::Form_Load()
{
    m_text->setPlainText(HelpText::shapeForView(HelpFile::read(m_folder)));
}
