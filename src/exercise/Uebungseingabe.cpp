#include "exercise/Uebungseingabe.h"

#include "exercise/Uebungszeichnung.h"

#include <QPainter>

namespace kalumo {

namespace {

// Qt::Key values, so that this window-free code needs no Qt Widgets.
constexpr int kBackspace = 0x01000003;
constexpr int kTab = 0x01000001, kBacktab = 0x01000002, kReturn = 0x01000004, kEnter = 0x01000005;
constexpr int kEscape = 0x01000000;
constexpr int kStrg = 0x04000000, kAlt = 0x08000000, kMeta = 0x10000000;

bool Druckbar(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c == QChar(0x7F))
            return false;
    return true;
}

} // namespace

UebEingabeAntwort UebungsEingabe::Antwort(bool verbraucht, bool liefVorher)
{
    UebEingabeAntwort a;
    a.Verbraucht = verbraucht;
    a.Neuzeichnen = m_u.AenderungenAbholen() != 0;
    a.Aktivieren = m_u.OeffnenAbholen();
    a.LaufEnde = liefVorher && !m_u.Laeuft();
    return a;
}

UebEingabeAntwort UebungsEingabe::MausDruck(QPoint p, Maustaste taste)
{
    const bool lief = m_u.Laeuft();
    const bool genutzt = m_u.MausDruck(p, taste);
    return Antwort(genutzt, lief);
}

UebEingabeAntwort UebungsEingabe::MausBewegung(QPoint p, bool linksGedrueckt, bool rechtsGedrueckt)
{
    Q_UNUSED(rechtsGedrueckt)
    const bool lief = m_u.Laeuft();
    const bool genutzt = m_u.MausBewegung(p, linksGedrueckt);
    return Antwort(genutzt, lief);
}

UebEingabeAntwort UebungsEingabe::MausLos(QPoint p, Maustaste taste)
{
    const bool lief = m_u.Laeuft();
    const bool genutzt = m_u.MausLos(p, taste);
    return Antwort(genutzt, lief);
}

UebEingabeAntwort UebungsEingabe::MausWeg()
{
    return Antwort(false, m_u.Laeuft());
}

bool UebungsEingabe::Tippen(int taste, const QString &text)
{
    const UebElement *feld = m_u.Element(m_u.Fokus());
    if (!feld || feld->Art != ElementArt::Eingabefeld || !feld->Sichtbar)
        return false;
    const int kennung = feld->Kennung;
    if (taste == kBackspace) {
        if (feld->Hinweis)
            return m_u.FeldKlick(kennung);
        QString t = feld->Text;
        t.chop(1);
        return m_u.FeldText(kennung, t);
    }
    if (!Druckbar(text))
        return false;
    // typing into a field that shows the "<n>" hint clears it first, as a click does
    if (feld->Hinweis)
        m_u.FeldKlick(kennung);
    const UebElement *jetzt = m_u.Element(kennung);
    return jetzt && m_u.FeldText(kennung, jetzt->Text + text);
}

UebEingabeAntwort UebungsEingabe::Taste(int taste, int zusatz, const QString &text)
{
    const bool lief = m_u.Laeuft();
    bool genutzt = false;
    const bool befehl = zusatz & (kStrg | kAlt | kMeta);
    const bool steuer = taste == kTab || taste == kBacktab || taste == kReturn || taste == kEnter || taste == kEscape;
    if (!befehl && !steuer)
        genutzt = Tippen(taste, text);
    if (!genutzt)
        genutzt = m_u.Taste(taste, zusatz);
    return Antwort(genutzt, lief);
}

UebEingabeAntwort UebungsEingabe::Takt()
{
    const bool lief = m_u.Laeuft();
    m_u.Tick();
    return Antwort(false, lief);
}

void UebungsEingabe::Ueberzeichnen(QPainter &p) const
{
    if (m_u.Laeuft())
        UebungZeichnen(p, m_u, m_u.Dok(), QImage(), zeichHintergrund | zeichElemente);
}

} // namespace kalumo
