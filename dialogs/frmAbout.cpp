#include "dialogs/frmAbout.h"

#include "assets/Pictures.h"
#include "dialogs/AboutTexts.h"
#include "dialogs/SideWindowFrame.h"
#include "platform/AppInfo.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <array>

namespace {

constexpr QSize innerSize(385, 241);
constexpr int iconSize = 64;
constexpr int iconBorder = 2;

// One member of the separator Line1, as filled pixels: x1 to x2 inclusive, rows y downwards.
struct SeparatorLine
{
    int x1;
    int x2;
    int y;
    int thickness;
    QRgb colour;
};

// Line1(0) then Line1(1): the grey line is painted over the top row of the white one, which
// gives the etched look.
constexpr std::array<SeparatorLine, 2> Line1{{
    {8, 378, 200, 2, 0xFFFFFF},
    {8, 379, 200, 1, 0x808080},
}};

QLabel* makeLabel(QWidget* parent, const char* name, QRect place, QColor textColour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColour);
    label->setPalette(palette);
    return label;
}

// The whole text within the label's box: its lines in its height, a single line in its width.
bool textFits(const QLabel* label)
{
    return label->heightForWidth(label->width()) <= label->height() &&
           (label->wordWrap() || label->sizeHint().width() <= label->width());
}

// The boxes are sized for the small bitmap font the dialog was drawn with; most desktop fonts
// are larger and would cut the end of the text off. Steps the font down until the text fits, by
// pixels: where fonts are set large (a high font resolution with no scaling of the window) even
// the smallest reasonable point size is too big for the box.
void shrinkUntilTextFits(QLabel* label)
{
    QFont font = label->font();
    constexpr int smallestPixelSize = 7;
    int pixelSize = QFontInfo(font).pixelSize();
    while (!textFits(label) && pixelSize > smallestPixelSize) {
        font.setPixelSize(--pixelSize);
        label->setFont(font);
    }
}

} // namespace

frmAbout::frmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    m_inner = &frameSideWindow(*this, innerSize);

    // Created in tab order: the focus chain follows creation, and OK is first, so it has the
    // focus when the dialog opens.
    m_cmdOK = new QPushButton(QStringLiteral("OK"), m_inner);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(280, 208, 100, 28);
    // Enter presses the default button; QDialog turns Esc into reject(), which closes, and so
    // unloads, the dialog just as OK does.
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    const QColor black(Qt::black);
    m_picIcon = makeLabel(m_inner, "picIcon", QRect(8, 8, 68, 68), black);
    m_picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picIcon->setLineWidth(iconBorder);
    m_picIcon->setPixmap(Pictures::applicationIcon().pixmap(iconSize, iconSize));

    m_lblDescription = makeLabel(m_inner, "lblDescription", QRect(8, 83, 371, 110), black);
    m_lblDescription->setWordWrap(true);
    m_lblDescription->setText(QString::fromUtf8(AboutTexts::description));

    m_lblDisclaimer = makeLabel(m_inner, "lblDisclaimer", QRect(8, 208, 258, 31), black);
    m_lblTitle = makeLabel(m_inner, "lblTitle", QRect(96, 16, 275, 32), black);
    m_lblVersion = makeLabel(m_inner, "lblVersion", QRect(96, 52, 277, 15),
                             palette().color(QPalette::ButtonText));

    m_cmdOK->setFocus();
    centreOnPrimaryScreen(*this);
    Form_Load();
    for (QLabel* label : {m_lblDescription, m_lblTitle, m_lblVersion})
        shrinkUntilTextFits(label);
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromUtf8(AppInfo::title);
    setWindowTitle(QString::fromUtf8(AboutTexts::captionPrefix) + title);
    m_lblVersion->setText(
        QString::fromUtf8(AboutTexts::versionPrefix) +
        QStringLiteral("%1.%2.%3").arg(AppInfo::major).arg(AppInfo::minor).arg(AppInfo::revision));
    m_lblTitle->setText(title);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.translate(m_inner->mapTo(this, QPoint()));
    for (const SeparatorLine& line : Line1)
        painter.fillRect(line.x1, line.y, line.x2 - line.x1 + 1, line.thickness,
                         QColor::fromRgb(line.colour));
}
