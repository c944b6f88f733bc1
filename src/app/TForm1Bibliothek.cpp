// The main window's side of the library: the menu "&Themenauswahl" with the
// documents of the current folder, the two buttons beside the title and the
// dialog "Themenliste".

#include "app/TBibliotheksmenue.h"
#include "app/TForm1.h"
#include "peripheral/TThemenlisteForm.h"

#include <QMenu>
#include <QToolButton>

namespace kalumo {

void TForm1::BibliotheksmenueBauen()
{
    m_bibliotheksmenue = new TBibliotheksmenue(
        m_sitzung, *Menue(QStringLiteral("Themenauswahl1")), [this](const QString &name) { return Aktion(name); }, this);
    TThemenlisteForm *liste = m_bibliotheksmenue->Themenliste();
    liste->MeldungenSetzen(m_meldungen);
    liste->DateidialogeSetzen(m_dialoge);
    liste->EMailSetzen(m_email);
    connect(m_vorherigesKnopf, &QToolButton::clicked, this, [this] { m_sitzung.VorherigesDokument(); });
    connect(m_naechstesKnopf, &QToolButton::clicked, this, [this] { m_sitzung.NaechstesDokument(); });
    m_bibliotheksmenue->Aktualisieren();
    DokumentdialogeBauen();
}

void TForm1::BibliotheksmenueMeldungen(Meldungen *m)
{
    if (m_bibliotheksmenue)
        m_bibliotheksmenue->Themenliste()->MeldungenSetzen(m);
}

void TForm1::BibliotheksmenueDateidialoge(Dateidialoge *d)
{
    if (m_bibliotheksmenue)
        m_bibliotheksmenue->Themenliste()->DateidialogeSetzen(d);
}

void TForm1::BibliothekGeaendert()
{
    if (m_bibliotheksmenue)
        m_bibliotheksmenue->Aktualisieren();
    ZustandAnzeigen(); // the paging entries
}

} // namespace kalumo
