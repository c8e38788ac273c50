#include "IcoReader.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The committed pictures are what the drawing program draws from the committed source (the
// test `draw_assets` draws them into the build tree first). Qt's
// raster paths may round differently on another processor, so colours may differ a little;
// the cut of the window and the icons' masks may not differ at all.
class RedrawTest : public QObject
{
    Q_OBJECT

private:
    static constexpr int tolerance = 6;
    const QDir m_drawn{QStringLiteral(VORE_DRAWN_DIR)};

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The first pixel that differs beyond the tolerance, or in whether it is transparent or cut
    // away (the key colour is exact where it is, so the cut of a window must match exactly).
    static QString firstDifference(const QImage& committed, const QImage& drawn)
    {
        constexpr QRgb key = 0xffff00ff;
        if (committed.size() != drawn.size())
            return QStringLiteral("sizes differ");
        for (int y = 0; y < committed.height(); ++y) {
            for (int x = 0; x < committed.width(); ++x) {
                const QRgb a = committed.pixel(x, y);
                const QRgb b = drawn.pixel(x, y);
                const bool apart = qAlpha(a) != qAlpha(b) || (a == key) != (b == key) ||
                                   std::abs(qRed(a) - qRed(b)) > tolerance ||
                                   std::abs(qGreen(a) - qGreen(b)) > tolerance ||
                                   std::abs(qBlue(a) - qBlue(b)) > tolerance;
                if (apart)
                    return QStringLiteral("(%1, %2): %3 committed, %4 drawn")
                        .arg(x)
                        .arg(y)
                        .arg(a, 8, 16)
                        .arg(b, 8, 16);
            }
        }
        return {};
    }

private slots:
    void skinMatchesTheCommittedOne()
    {
        const QByteArray committed = contents(QStringLiteral(VORE_ASSETS_DIR "/skin.bmp"));
        const QByteArray drawn = contents(m_drawn.filePath(QStringLiteral("skin.bmp")));
        QCOMPARE(drawn.size(), committed.size());
        QCOMPARE(drawn.left(54), committed.left(54));
        const QImage a = QImage::fromData(committed).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage::fromData(drawn).convertToFormat(QImage::Format_ARGB32);
        const QString difference = firstDifference(a, b);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void pngPicturesMatchTheCommittedOnes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("skin@2x") << QStringLiteral("skin@2x.png");
        for (int colour = 2; colour <= 9; ++colour) {
            for (const QString& suffix : {QString(), QStringLiteral("@2x")})
                QTest::newRow(qPrintable(QStringLiteral("peg %1%2").arg(colour).arg(suffix)))
                    << QStringLiteral("pegs/%1%2.png").arg(colour).arg(suffix);
        }
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(size)))
                << QStringLiteral("icons/%1.png").arg(size);
    }

    void pngPicturesMatchTheCommittedOnes()
    {
        QFETCH(QString, path);
        const QImage committed(QStringLiteral(VORE_ASSETS_DIR "/") + path);
        const QImage drawn(m_drawn.filePath(path));
        QVERIFY(!committed.isNull());
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn.format(), committed.format());
        const QString difference = firstDifference(committed.convertToFormat(QImage::Format_ARGB32),
                                                   drawn.convertToFormat(QImage::Format_ARGB32));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void icoMatchesTheCommittedOne()
    {
        const auto committed = readIco(contents(QStringLiteral(VORE_ASSETS_DIR "/app.ico")));
        const auto drawn = readIco(contents(m_drawn.filePath(QStringLiteral("app.ico"))));
        QVERIFY(committed.has_value());
        QVERIFY(drawn.has_value());
        QCOMPARE(drawn->size(), committed->size());
        for (qsizetype i = 0; i < committed->size(); ++i) {
            const QString difference = firstDifference((*committed)[i].image, (*drawn)[i].image);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
    }
};

QTEST_MAIN(RedrawTest)
#include "tst_redraw.moc"
