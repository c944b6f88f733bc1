#include "platform/Netzweg.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QSet>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <vector>

namespace kalumo {

int NetzBasisportGueltig(int basisport)
{
    if (basisport < kNetzBasisportMin || basisport > kNetzBasisportMax)
        return kNetzBasisportVorgabe;
    return basisport;
}

quint16 NetzPort(const QString &kanal, int basisport)
{
    // FNV-1a, 32 bits
    quint32 h = 2166136261u;
    for (const char c : kanal.toUpper().toUtf8()) {
        h ^= quint8(c);
        h *= 16777619u;
    }
    return quint16(NetzBasisportGueltig(basisport) + int(h % quint32(kNetzPortBereich)));
}

QString NetzTemporaererName(const QString &name)
{
    return QLatin1Char('.') + name + QStringLiteral(".tmp");
}

namespace {

// ---- datagrams ------------------------------------------------------------

class UdpAbsenderImpl : public NetzAbsender
{
public:
    UdpAbsenderImpl(const QString &rechner, quint16 port) : m_rechner(rechner.trimmed()), m_port(port) {}

    bool Senden(const QByteArray &daten, QString *fehler) override
    {
        if (daten.size() > kNetzDatagrammHoechstgroesse) {
            if (fehler)
                *fehler = QStringLiteral("Nachricht zu groß für ein Datagramm (%1 Bytes)").arg(daten.size());
            return false;
        }
        if (!m_aufgeloest)
            aufloesen();
        if (m_adressen.empty()) {
            if (fehler)
                *fehler = QStringLiteral("Rechner \"%1\" nicht gefunden").arg(m_rechner);
            return false;
        }
        for (const QHostAddress &a : m_adressen) {
            if (m_socket.writeDatagram(daten, a, m_port) == daten.size())
                return true;
        }
        if (fehler)
            *fehler = m_socket.errorString();
        return false;
    }

private:
    void aufloesen()
    {
        m_aufgeloest = true;
        if (m_rechner.isEmpty())
            return;
        QHostInfo info = QHostInfo::fromName(m_rechner);
        if (info.addresses().isEmpty() && !m_rechner.endsWith(QStringLiteral(".local"), Qt::CaseInsensitive))
            info = QHostInfo::fromName(m_rechner + QStringLiteral(".local"));
        // IPv4 first: in a school network it is the address every computer reaches
        for (const QHostAddress &a : info.addresses())
            if (a.protocol() == QAbstractSocket::IPv4Protocol)
                m_adressen.push_back(a);
        for (const QHostAddress &a : info.addresses())
            if (a.protocol() != QAbstractSocket::IPv4Protocol)
                m_adressen.push_back(a);
    }

    QString m_rechner;
    quint16 m_port;
    bool m_aufgeloest = false;
    std::vector<QHostAddress> m_adressen;
    QUdpSocket m_socket;
};

class UdpAnnahmeImpl : public NetzAnnahme
{
public:
    explicit UdpAnnahmeImpl(quint16 port) : m_port(port) {}
    ~UdpAnnahmeImpl() override { Stoppen(); }

    bool Starten(QString *fehler) override
    {
        if (m_socket)
            return true;
        auto s = std::make_unique<QUdpSocket>();
        // QHostAddress::Any binds IPv4 and IPv6 at once; the port is ours alone
        if (!s->bind(QHostAddress::Any, m_port, QAbstractSocket::DontShareAddress)) {
            if (fehler)
                *fehler = QStringLiteral("Port %1 kann nicht geöffnet werden: %2").arg(m_port).arg(s->errorString());
            return false;
        }
        QObject::connect(s.get(), &QUdpSocket::readyRead, s.get(), [this] { Abholen(); });
        m_socket = std::move(s);
        return true;
    }

    void Stoppen() override
    {
        if (m_socket) {
            m_socket->disconnect();
            m_socket->close();
            m_socket.reset();
        }
    }

    bool Aktiv() const override { return bool(m_socket); }

    int Abholen() override
    {
        int n = 0;
        // the socket may be closed by a handler (the exercise ends)
        while (m_socket && m_socket->hasPendingDatagrams()) {
            const qint64 groesse = m_socket->pendingDatagramSize();
            if (groesse > kNetzDatagrammHoechstgroesse) {
                QHostAddress von;
                quint16 vonPort = 0;
                m_socket->readDatagram(nullptr, 0, &von, &vonPort);   // discards it
                verworfenMelden(QStringLiteral("Datagramm zu groß"), herkunft(von, vonPort));
                continue;
            }
            const QNetworkDatagram d = m_socket->receiveDatagram(kNetzDatagrammHoechstgroesse);
            if (!d.isValid())
                break;
            ++n;
            paketMelden({d.data(), herkunft(d.senderAddress(), quint16(d.senderPort())), false});
        }
        return n;
    }

private:
    static QString herkunft(const QHostAddress &a, quint16 port)
    {
        return a.toString() + QLatin1Char(' ') + QString::number(port);
    }

    quint16 m_port;
    std::unique_ptr<QUdpSocket> m_socket;
};

// ---- message files --------------------------------------------------------

class OrdnerAbsenderImpl : public NetzAbsender
{
public:
    OrdnerAbsenderImpl(const QString &ordner, DateinamenFunktion name) : m_ordner(ordner), m_name(std::move(name))
    {
        if (!m_ordner.isEmpty() && !m_ordner.endsWith(QLatin1Char('/')))
            m_ordner += QLatin1Char('/');
    }

    bool Senden(const QByteArray &daten, QString *fehler) override
    {
        constexpr int kVersuche = 20;
        for (int versuch = 0; versuch < kVersuche; ++versuch) {
            const QString name = m_name();
            const QString ziel = m_ordner + name;
            if (QFileInfo::exists(ziel))
                continue;
            const QString temp = m_ordner + NetzTemporaererName(name);
            QFile f(temp);
            if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                if (f.exists())
                    continue;   // another writer chose the same name
                return scheitern(fehler, ziel);
            }
            bool geschrieben = f.write(daten) == daten.size() && f.flush();
            // the teacher reads oldest first: each message of this sender
            // gets a later time than the one before, even within one tick
            // of the file system's clock. The time is the one the file
            // system gave the file (its clock may lag behind the system's
            // by a tick), moved on only when it is not later than the last.
            if (geschrieben) {
                QDateTime zeit = f.fileTime(QFileDevice::FileModificationTime).toUTC();
                if (!zeit.isValid())
                    zeit = QDateTime::currentDateTimeUtc();
                if (m_letzteZeit.isValid() && zeit <= m_letzteZeit) {
                    zeit = m_letzteZeit.addMSecs(1);
                    if (!f.setFileTime(zeit, QFileDevice::FileModificationTime))
                        zeit = m_letzteZeit;
                }
                m_letzteZeit = zeit;
            }
            f.close();
            if (!geschrieben || f.error() != QFileDevice::NoError) {
                QFile::remove(temp);
                return scheitern(fehler, ziel);
            }
            // rename never replaces an existing file: a taken name means a new name
            if (QFile::rename(temp, ziel))
                return true;
            QFile::remove(temp);
            if (!QFileInfo::exists(ziel))
                return scheitern(fehler, ziel);
        }
        // no free name after many tries: the folder is not what it should be
        return scheitern(fehler, m_ordner);
    }

private:
    static bool scheitern(QString *fehler, const QString &ziel)
    {
        if (fehler)
            *fehler = ziel;
        return false;
    }

    QString m_ordner;
    DateinamenFunktion m_name;
    QDateTime m_letzteZeit;
};

class OrdnerAnnahmeImpl : public NetzAnnahme
{
public:
    OrdnerAnnahmeImpl(const QString &ordner, const QString &muster, int intervallMs)
        : m_ordner(ordner), m_muster(muster), m_intervall(std::max(1, intervallMs))
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { durchgang(); });
    }
    ~OrdnerAnnahmeImpl() override { Stoppen(); }

    bool Starten(QString *fehler) override
    {
        if (!QFileInfo(m_ordner).isDir()) {
            if (fehler)
                *fehler = QStringLiteral("Ordner \"%1\" nicht gefunden").arg(m_ordner);
            return false;
        }
        m_aktiv = true;
        m_timer.start(m_intervall);
        return true;
    }

    void Stoppen() override
    {
        m_aktiv = false;
        m_timer.stop();
    }

    bool Aktiv() const override { return m_aktiv; }

    int Abholen() override
    {
        // a handler may stop the receiving (the exercise ends): the pass ends with it
        const bool warAktiv = m_aktiv;
        m_rest = false;
        QDir dir(m_ordner);
        // oldest first; files of one time (different writers within one
        // millisecond) by name
        QFileInfoList dateien = dir.entryInfoList({m_muster}, QDir::Files | QDir::System, QDir::Unsorted);
        std::stable_sort(dateien.begin(), dateien.end(), [](const QFileInfo &a, const QFileInfo &b) {
            const qint64 ta = a.lastModified().toMSecsSinceEpoch();
            const qint64 tb = b.lastModified().toMSecsSinceEpoch();
            return ta != tb ? ta < tb : a.fileName() < b.fileName();
        });
        // names handed on whose file could not be deleted: only while they exist
        QSet<QString> vorhanden;
        for (const QFileInfo &fi : dateien)
            vorhanden.insert(fi.fileName());
        m_erledigt.intersect(vorhanden);

        int n = 0;
        int bearbeitet = 0;
        for (const QFileInfo &fi : dateien) {
            if (warAktiv && !m_aktiv)
                break;
            if (bearbeitet >= kHoechstensJeDurchgang) {
                m_rest = true;
                break;
            }
            const QString name = fi.fileName();
            if (m_erledigt.contains(name) || fi.size() <= 0)
                continue;
            ++bearbeitet;
            const QString pfad = fi.absoluteFilePath();
            if (fi.size() > kNetzNachrichtendateiHoechstgroesse) {
                entfernen(name, pfad);
                verworfenMelden(QStringLiteral("Nachrichtendatei zu groß"), pfad);
                continue;
            }
            QFile f(pfad);
            if (!f.open(QIODevice::ReadOnly)) {
                entfernen(name, pfad);
                verworfenMelden(QStringLiteral("Nachrichtendatei nicht lesbar"), pfad);
                continue;
            }
            const QByteArray daten = f.read(kNetzNachrichtendateiHoechstgroesse + 1);
            f.close();
            if (daten.size() > kNetzNachrichtendateiHoechstgroesse) {
                entfernen(name, pfad);
                verworfenMelden(QStringLiteral("Nachrichtendatei zu groß"), pfad);
                continue;
            }
            ++n;
            paketMelden({daten, pfad, true});
            entfernen(name, pfad);
        }
        return n;
    }

private:
    static constexpr int kHoechstensJeDurchgang = 500;

    void entfernen(const QString &name, const QString &pfad)
    {
        if (!QFile::remove(pfad) && QFileInfo::exists(pfad))
            m_erledigt.insert(name);
    }

    void durchgang()
    {
        if (!m_aktiv)
            return;
        Abholen();
        if (m_aktiv)
            m_timer.start(m_rest ? 0 : m_intervall);
    }

    QString m_ordner;
    QString m_muster;
    int m_intervall;
    bool m_aktiv = false;
    bool m_rest = false;
    QTimer m_timer;
    QSet<QString> m_erledigt;
};

} // namespace

std::unique_ptr<NetzAbsender> UdpAbsender(const QString &rechner, quint16 port)
{
    return std::make_unique<UdpAbsenderImpl>(rechner, port);
}

std::unique_ptr<NetzAnnahme> UdpAnnahme(quint16 port)
{
    return std::make_unique<UdpAnnahmeImpl>(port);
}

std::unique_ptr<NetzAbsender> OrdnerAbsender(const QString &ordner, DateinamenFunktion name)
{
    return std::make_unique<OrdnerAbsenderImpl>(ordner, std::move(name));
}

std::unique_ptr<NetzAnnahme> OrdnerAnnahme(const QString &ordner, const QString &muster, int intervallMs)
{
    return std::make_unique<OrdnerAnnahmeImpl>(ordner, muster, intervallMs);
}

} // namespace kalumo
