#include "CommittedSkin.h"
#include "layout/MainLayout.h"

#include <QTest>
#include <cmath>

// What the skin draws under the elements of the main window: holes under the holes' elements and
// buttons under the buttons. The pegs under the palette strips are held against the drawing in
// tst_traypegs.
class SkinContentTest : public QObject
{
    Q_OBJECT

private:
    QImage m_skin;
    std::vector<Element> m_elements = MainLayout::createElements();

    static double lightness(QRgb p) { return 0.3 * qRed(p) + 0.59 * qGreen(p) + 0.11 * qBlue(p); }

    // The mean lightness of the plastic on a ring around a point.
    double ringLightness(QPointF centre, double radius) const
    {
        double sum = 0;
        int count = 0;
        for (int step = 0; step < 32; ++step) {
            const double angle = step * 2 * M_PI / 32;
            const QPoint p =
                (centre + QPointF(std::cos(angle), std::sin(angle)) * radius).toPoint();
            sum += lightness(m_skin.pixel(p));
            ++count;
        }
        return sum / count;
    }

    const Element& element(std::string_view name, int index = -1) const
    {
        for (const Element& e : m_elements) {
            if (e.name == name && e.index == index)
                return e;
        }
        qFatal("no element %s", name.data());
    }

private slots:
    void initTestCase() { m_skin = committedSkin(); }

    void holesAreDrawnUnderTheirElements_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("ringRadius");
        for (const Element& e : m_elements) {
            const QString name = QString::fromLatin1(e.name.data(), qsizetype(e.name.size()));
            const QString row =
                e.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(e.index);
            if (name.size() == 3 && name[0] == u'i')
                QTest::newRow(qPrintable(row)) << name << e.index << 11.0;
            else if (name.size() == 2 && name[0] == u'h')
                QTest::newRow(qPrintable(row)) << name << e.index << 8.0;
        }
    }

    // A hole is dark in the middle against the plastic around it, which would fail for a hole
    // drawn a few pixels away from its element.
    void holesAreDrawnUnderTheirElements()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(double, ringRadius);
        const QPointF centre = QRectF(element(name.toStdString(), index).rect).center();
        const double middle = lightness(m_skin.pixel(centre.toPoint()));
        const double around = ringLightness(centre, ringRadius);
        QVERIFY2(middle < 0.6 * around,
                 qPrintable(QStringLiteral("middle %1, around %2").arg(middle).arg(around)));
    }

    void buttonsAreDrawnUnderTheirElements_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"about", "help", "minim", "kon"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void buttonsAreDrawnUnderTheirElements()
    {
        QFETCH(QString, name);
        const QRect box = element(name.toStdString()).rect;
        // A raised bevel: light along the top-left edges, dark along the bottom-right ones.
        QVERIFY(lightness(m_skin.pixel(box.topLeft())) > 220);
        QVERIFY(lightness(m_skin.pixel(box.left(), box.center().y())) > 220);
        QVERIFY(lightness(m_skin.pixel(box.bottomRight())) < 100);
        QVERIFY(lightness(m_skin.pixel(box.right(), box.center().y())) < 100);
        // Just outside the button lies the plain band again.
        QCOMPARE(m_skin.pixel(box.left() - 1, box.center().y()), qRgb(192, 192, 192));
        QCOMPARE(m_skin.pixel(box.right() + 1, box.center().y()), qRgb(192, 192, 192));
        // A black glyph on a grey face.
        int black = 0;
        int face = 0;
        for (int y = box.top() + 2; y <= box.bottom() - 2; ++y) {
            for (int x = box.left() + 2; x <= box.right() - 2; ++x) {
                black += m_skin.pixel(x, y) == qRgb(0, 0, 0);
                face += m_skin.pixel(x, y) == qRgb(192, 192, 192);
            }
        }
        QVERIFY(black >= 6);
        QVERIFY(face >= 60);
    }
};

QTEST_MAIN(SkinContentTest)
#include "tst_skincontent.moc"
