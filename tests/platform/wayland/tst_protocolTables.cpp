#include "platform/wayland/XdgActivationProtocol.h"
#include "xdg-activation-v1-server-protocol.h"

#include <QTest>
#include <cstring>

Q_DECLARE_METATYPE(const wl_interface*)

// The game's protocol tables, written by hand, against those that wayland-scanner makes from the
// protocols' XML: a compositor reads a request by the XML's signature and sends the XML's events.
class ProtocolTablesTest : public QObject
{
    Q_OBJECT

private:
    // The version a message came in, from the digits that its signature starts with.
    static int since(const wl_message& message)
    {
        const int version = std::atoi(message.signature);
        return version > 0 ? version : 1;
    }

    // The first way in which a message of the game's table differs from the XML's, or nothing.
    static QString messageDifference(const wl_message& own, const wl_message& xml)
    {
        if (std::strcmp(own.name, xml.name) != 0 || std::strcmp(own.signature, xml.signature) != 0)
            return QStringLiteral("%1(%2) where the XML has %3(%4)")
                .arg(QLatin1String(own.name), QLatin1String(own.signature), QLatin1String(xml.name),
                     QLatin1String(xml.signature));
        // A new object is made with its interface; other objects are sent without theirs.
        int argument = 0;
        for (const char* type = xml.signature; *type; ++type) {
            if (*type == '?' || (*type >= '0' && *type <= '9'))
                continue;
            const wl_interface* made = *type == 'n' ? xml.types[argument] : nullptr;
            if (made &&
                (!own.types[argument] || std::strcmp(own.types[argument]->name, made->name) != 0))
                return QStringLiteral("%1 makes its new object with another interface")
                    .arg(QLatin1String(own.name));
            ++argument;
        }
        return {};
    }

    // How many of the messages were there at the version.
    static int countAt(const wl_message* messages, int count, int version)
    {
        int at = 0;
        while (at < count && since(messages[at]) <= version)
            ++at;
        return at;
    }

    static QString listDifference(const char* what, const wl_message* own, int ownCount,
                                  const wl_message* xml, int xmlCount)
    {
        if (ownCount != xmlCount)
            return QStringLiteral("%1 %2 where its version has %3")
                .arg(ownCount)
                .arg(what)
                .arg(xmlCount);
        for (int i = 0; i < ownCount; ++i) {
            const QString different = messageDifference(own[i], xml[i]);
            if (!different.isEmpty())
                return QStringLiteral("%1 %2: %3").arg(what).arg(i).arg(different);
        }
        return {};
    }

    // The first way in which the game's interface differs from the XML's at the version it
    // declares, or nothing: requests go by their number, and a compositor may send any event.
    static QString difference(const wl_interface& own, const wl_interface& xml)
    {
        if (std::strcmp(own.name, xml.name) != 0)
            return QStringLiteral("named %1, not %2")
                .arg(QLatin1String(own.name), QLatin1String(xml.name));
        if (own.version < 1 || own.version > xml.version)
            return QStringLiteral("version %1 of %2").arg(own.version).arg(xml.version);
        const QString requests =
            listDifference("requests", own.methods, own.method_count, xml.methods,
                           countAt(xml.methods, xml.method_count, own.version));
        return !requests.isEmpty()
                   ? requests
                   : listDifference("events", own.events, own.event_count, xml.events,
                                    countAt(xml.events, xml.event_count, own.version));
    }

private slots:
    void tablesFollowTheXml_data()
    {
        QTest::addColumn<const wl_interface*>("own");
        QTest::addColumn<const wl_interface*>("xml");
        QTest::newRow("activation")
            << &XdgActivationProtocol::activation << &xdg_activation_v1_interface;
        QTest::newRow("activation token")
            << &XdgActivationProtocol::token << &xdg_activation_token_v1_interface;
    }

    void tablesFollowTheXml()
    {
        QFETCH(const wl_interface*, own);
        QFETCH(const wl_interface*, xml);
        const QString different = difference(*own, *xml);
        QVERIFY2(different.isEmpty(), qPrintable(different));
    }
};

QTEST_GUILESS_MAIN(ProtocolTablesTest)
#include "tst_protocolTables.moc"
