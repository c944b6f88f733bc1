#pragma once
// The way messages travel from the participant computers of a network
// exercise to the teacher computer. Two ways exist, chosen by the setting
// "NetzKomVerfahren":
//
//   1  datagrams: every message is one UDP datagram to the teacher computer
//      on the port of the channel (NetzPort below). Only the teacher
//      computer binds that port, on all its addresses (IPv4 and IPv6); a
//      participant sends from a port the system picks. Receiving runs on
//      the thread of the caller (the UI thread) through the socket's
//      notifier: no thread of its own, no polling.
//   0  message files: every message is one file in the communication
//      folder. The writer writes it under a temporary name that the
//      teacher's search pattern does not match and renames it into place
//      only when it is complete (never over an existing file), so the
//      teacher never reads a half-written message. Each file of one sender
//      carries a later modification time than the one before (at least a
//      millisecond). The teacher searches the folder every 150 ms, hands on
//      each file oldest first — so a participant's messages arrive in the
//      order they were sent — and deletes it.
//
// This layer moves bytes; what they mean belongs to the network exercise
// (src/network). Both receivers drop what is too large before it is read
// into memory and report it with a reason.

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace kalumo {

// ---- the port of a channel ----------------------------------------------
//
// port = base port + (FNV-1a hash, 32 bits, of the UTF-8 bytes of the
// channel name in capitals) mod 1000.
//
// The base port is 47600 unless the administrator sets another in
// config.ini (section "NetzKom", key "NetzKomBasisport"); a channel's port
// therefore lies in base … base + 999, by default 47600 … 48599. Channel
// names compare without regard to case, as the names of the folder files
// do on the teacher's file server.
inline constexpr int kNetzBasisportVorgabe = 47600;
inline constexpr int kNetzPortBereich = 1000;
inline constexpr int kNetzBasisportMin = 1024;
inline constexpr int kNetzBasisportMax = 65535 - (kNetzPortBereich - 1);

// A base port outside kNetzBasisportMin … kNetzBasisportMax becomes the default.
int NetzBasisportGueltig(int basisport);
quint16 NetzPort(const QString &kanal, int basisport = kNetzBasisportVorgabe);

// Nothing larger is read: a message of the program is a few hundred bytes.
inline constexpr qint64 kNetzDatagrammHoechstgroesse = 8 * 1024;
inline constexpr qint64 kNetzNachrichtendateiHoechstgroesse = 64 * 1024;

// What arrived: the bytes and where they came from (the sender's address
// and port, or the file's path).
struct NetzPaket
{
    QByteArray Daten;
    QString Herkunft;
    bool AusDatei = false;
};

// What the receiver dropped before anyone read it, and why (a fixed text).
struct NetzVerworfen
{
    QString Grund;
    QString Herkunft;
};

// The participant's side: hands one message to the way.
class NetzAbsender
{
public:
    virtual ~NetzAbsender() = default;
    // False, with the reason in fehler, when the message could not be handed on.
    virtual bool Senden(const QByteArray &daten, QString *fehler = nullptr) = 0;
};

// The teacher's side.
class NetzAnnahme
{
public:
    using PaketFunktion = std::function<void(const NetzPaket &)>;
    using VerworfenFunktion = std::function<void(const NetzVerworfen &)>;

    virtual ~NetzAnnahme() = default;

    // Starts receiving; false, with the reason, when the port or the folder
    // cannot be used.
    virtual bool Starten(QString *fehler = nullptr) = 0;
    virtual void Stoppen() = 0;
    virtual bool Aktiv() const = 0;
    // Fetches what is waiting now, as the notifier or the folder timer does,
    // and returns how many messages were handed on. A headless loop or a
    // test may call it instead of waiting for the event loop.
    virtual int Abholen() = 0;

    // Called for every message, on the thread that runs the event loop.
    void BeiPaket(PaketFunktion f) { m_paket = std::move(f); }
    void BeiVerworfen(VerworfenFunktion f) { m_verworfen = std::move(f); }

protected:
    void paketMelden(const NetzPaket &p)
    {
        if (m_paket)
            m_paket(p);
    }
    void verworfenMelden(const QString &grund, const QString &herkunft)
    {
        if (m_verworfen)
            m_verworfen({grund, herkunft});
    }

private:
    PaketFunktion m_paket;
    VerworfenFunktion m_verworfen;
};

// ---- datagrams ------------------------------------------------------------

// Sends to the computer rechner, resolved by the system's resolver and,
// when that knows no address, as rechner + ".local" (the names computers
// of a room announce to each other). The address is looked up once, at
// the first message. A message that cannot be delivered is dropped; the
// result only tells whether it left this computer.
std::unique_ptr<NetzAbsender> UdpAbsender(const QString &rechner, quint16 port);

// Listens on port on every address of this computer (IPv4 and IPv6). A
// port that another program holds is refused by Starten.
std::unique_ptr<NetzAnnahme> UdpAnnahme(quint16 port);

// ---- message files --------------------------------------------------------

// Names a new message file; called again while the name is taken.
using DateinamenFunktion = std::function<QString()>;

// Writes each message as a new file ordner + name() (name from the
// function), through a temporary file ".<name>.tmp" in the same folder.
// When it fails, Senden's fehler holds the path that could not be written.
std::unique_ptr<NetzAbsender> OrdnerAbsender(const QString &ordner, DateinamenFunktion name);

// Searches ordner for files matching muster (a wildcard such as
// "MASTER-1-vkdnetzuebung-TN-*.dat") every intervallMs milliseconds; the
// timer stands still during a pass. Empty files are left for a later pass;
// each other file is read, handed on and deleted, oldest first. A file
// that cannot be deleted is never handed on twice.
std::unique_ptr<NetzAnnahme> OrdnerAnnahme(const QString &ordner, const QString &muster, int intervallMs = 150);

// The temporary name under which OrdnerAbsender writes the file name.
QString NetzTemporaererName(const QString &name);

} // namespace kalumo
