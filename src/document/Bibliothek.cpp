#include "document/Bibliothek.h"

#include "document/DokumentDateien.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kalumo {

namespace {

constexpr int kListenSchritt = 100; // the list grows in steps of this many entries

} // namespace

void BibliothekSortieren(std::vector<ThemenDataTyp> &liste)
{
    QCollator vergleich;
    vergleich.setCaseSensitivity(Qt::CaseInsensitive);
    vergleich.setNumericMode(false);
    // stable: of equal names the one found first stays first
    std::stable_sort(liste.begin(), liste.end(), [&vergleich](const ThemenDataTyp &a, const ThemenDataTyp &b) {
        return vergleich.compare(a.Sortname, b.Sortname) < 0;
    });
}

std::vector<ThemenDataTyp> BibliothekOrdnerLesen(const QString &ordner)
{
    std::vector<ThemenDataTyp> liste;
    if (ordner.isEmpty())
        return liste;
    QDir dir(ordner);
    if (!dir.exists())
        return liste;
    // name filters compare without regard to case: "*.kal" finds ".KAL" too
    const QFileInfoList dateien =
        dir.entryInfoList({QStringLiteral("*.kal")}, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    liste.reserve(size_t(std::min<qsizetype>(dateien.size(), kListenSchritt)));
    HeaderDataTyp kopf;
    for (const QFileInfo &info : dateien) {
        if (info.suffix().compare(QLatin1String("kal"), Qt::CaseInsensitive) != 0)
            continue;
        if (!KopfLesen(info.filePath(), kopf))
            continue; // foreign, damaged or newer files are not listed
        if (liste.size() == liste.capacity())
            liste.reserve(liste.size() + kListenSchritt);
        liste.push_back({kopf.titel, info.filePath(), info.fileName().toLower()});
    }
    liste.shrink_to_fit();
    BibliothekSortieren(liste);
    return liste;
}

QString BibliothekAnzeigename(const ThemenDataTyp &e)
{
    return e.Titel.trimmed().isEmpty() ? QFileInfo(e.Datei).fileName() : e.Titel;
}

QString BibliothekEintragText(const ThemenDataTyp &e, int index)
{
    const QString zugriff = index < kBibliothekZugriffstasten ? QStringLiteral("&") : QString();
    return zugriff + QString::number(index + 1) + QStringLiteral(":  ") + BibliothekAnzeigename(e);
}

QString ThemenlisteText(const std::vector<ThemenDataTyp> &liste)
{
    QString text = QStringLiteral("<TIT>Themenliste\r\n");
    for (size_t i = 0; i < liste.size(); ++i)
        text += QString::number(i + 1) + QStringLiteral(": ") + BibliothekAnzeigename(liste[i]) + QStringLiteral("\r\n");
    return text;
}

QString BibliothekEingelesenText(int anzahl)
{
    return QString::number(anzahl) + QStringLiteral(" Themendokument(e) eingelesen.\r\n")
        + QStringLiteral("Wählen Sie das gewünschte Dokument im Menü \"Themenauswahl\".");
}

BibliotheksBlaettern BibliothekBlaetterzustand(int anzahl, int seitenanfang)
{
    BibliotheksBlaettern b;
    const QString seite = QString::number(kBibliothekSeite);
    b.VorherigeText = QStringLiteral("Vorherige ") + seite + QStringLiteral(" Dokumente anzeigen");
    b.VorherigeAktiv = seitenanfang > 0;
    b.NaechsteText = QStringLiteral("Nächste ") + seite + QStringLiteral(" Dokumente anzeigen") + QStringLiteral(" (von ")
        + QString::number(anzahl) + QStringLiteral(")");
    b.NaechsteAktiv = seitenanfang + kBibliothekSeite < anzahl;
    return b;
}

int Bibliothek::Setzen(std::vector<ThemenDataTyp> liste, const QString &aktuelleDatei)
{
    m_liste = std::move(liste);
    const int index = IndexVon(aktuelleDatei);
    m_seitenanfang = 0;
    SeiteAnzeigen(index);
    return index;
}

int Bibliothek::IndexVon(const QString &datei) const
{
    if (datei.isEmpty())
        return -1;
    for (size_t i = 0; i < m_liste.size(); ++i)
        if (m_liste[i].Datei == datei)
            return int(i);
    return -1;
}

void Bibliothek::klemmen()
{
    m_seitenanfang = std::max(0, std::min(Anzahl() - kBibliothekSeite, m_seitenanfang));
}

void Bibliothek::SeiteVor()
{
    m_seitenanfang += kBibliothekSeite;
    klemmen();
}

void Bibliothek::SeiteZurueck()
{
    m_seitenanfang = std::max(0, m_seitenanfang - kBibliothekSeite);
}

void Bibliothek::SeiteAnzeigen(int bibliotheksindex)
{
    if (bibliotheksindex >= 0 && bibliotheksindex < Anzahl()) {
        while (bibliotheksindex >= m_seitenanfang + kBibliothekSeite) {
            const int vorher = m_seitenanfang;
            SeiteVor();
            if (m_seitenanfang == vorher)
                break;
        }
        while (bibliotheksindex < m_seitenanfang)
            SeiteZurueck();
    }
    klemmen();
}

int Bibliothek::NaechstesZiel(int bibliotheksindex) const
{
    if (m_liste.empty())
        return -1;
    return std::min(bibliotheksindex + 1, Anzahl() - 1);
}

int Bibliothek::VorherigesZiel(int bibliotheksindex) const
{
    if (m_liste.empty())
        return -1;
    return std::max(bibliotheksindex - 1, 0);
}

int Bibliothek::Spaltenumbruch() const
{
    if (Anzahl() <= kBibliothekSpaltenAb)
        return -1;
    return std::min(Anzahl(), kBibliothekSeite) / 2 + m_seitenanfang - 5;
}

BibliotheksMenue Bibliothek::Menue(int bibliotheksindex) const
{
    BibliotheksMenue m;
    const int umbruch = Spaltenumbruch();
    m.Eintraege.reserve(m_liste.size());
    for (int i = 0; i < Anzahl(); ++i) {
        BibliotheksMenueEintrag e;
        e.Text = BibliothekEintragText(m_liste[size_t(i)], i);
        e.Sichtbar = Sichtbar(i);
        e.Markiert = i == bibliotheksindex;
        e.Spaltenumbruch = i == umbruch;
        m.Eintraege.push_back(std::move(e));
    }
    m.Blaettern = BibliothekBlaetterzustand(Anzahl(), m_seitenanfang);
    return m;
}

} // namespace kalumo
