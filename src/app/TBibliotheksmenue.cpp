#include "app/TBibliotheksmenue.h"

#include "app/Sitzung.h"
#include "peripheral/TThemenlisteForm.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace kalumo {

TBibliotheksmenue::TBibliotheksmenue(Sitzung &sitzung, QMenu &menue,
                                     const std::function<QAction *(const QString &)> &aktion, QWidget *fenster)
    : QObject(&menue)
    , m_s(sitzung)
    , m_menue(menue)
    , m_fenster(fenster)
    , m_gruppe(new QActionGroup(this))
{
    m_gruppe->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    auto verbinden = [&](const char *name, auto was) {
        if (QAction *a = aktion(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, this, was);
    };
    verbinden("Startseite1", [this] { m_s.Startseite(); });
    verbinden("ZuvorAngezeigt1", [this] { m_s.ZuvorAngezeigtesDokument(); });
    verbinden("VorherigesDokument1", [this] { m_s.VorherigesDokument(); });
    verbinden("NaechstesDokument1", [this] { m_s.NaechstesDokument(); });
    verbinden("OrdnerNeuEinlesen1", [this] { m_s.OrdnerNeuEinlesen(); });
    verbinden("OrdnerWaehlen1", [this] { m_s.OrdnerWaehlen(); });
    verbinden("ThemenlisteDrucken1", [this] { ThemenlisteDrucken(); });
    verbinden("Vorherige60Dokumente1", [this] { Blaettern(false); });
    verbinden("Naechste60Dokumente1", [this] { Blaettern(true); });
    m_themenliste = new TThemenlisteForm(fenster);
}

void TBibliotheksmenue::Aktualisieren()
{
    const BibliotheksMenue m = m_s.Themen().Menue(m_s.Dok().Bibliotheksindex);
    // entries are reused: a rebuild after every document read stays cheap
    while (m_eintraege.size() > m.Eintraege.size()) {
        QAction *a = m_eintraege.back();
        m_eintraege.pop_back();
        m_gruppe->removeAction(a);
        m_menue.removeAction(a);
        delete a;
    }
    while (m_eintraege.size() < m.Eintraege.size()) {
        const int index = int(m_eintraege.size());
        auto *a = new QAction(&m_menue);
        a->setObjectName(QStringLiteral("MenueThemaItem%1").arg(index));
        a->setCheckable(true);
        m_gruppe->addAction(a);
        m_menue.addAction(a);
        connect(a, &QAction::triggered, this, [this, index] {
            m_s.BibliotheksdokumentOeffnen(index);
            Aktualisieren(); // a refused or failed open keeps the old mark
        });
        m_eintraege.push_back(a);
    }
    bool markiert = false;
    for (size_t i = 0; i < m.Eintraege.size(); ++i) {
        const BibliotheksMenueEintrag &e = m.Eintraege[i];
        QAction *a = m_eintraege[i];
        if (a->text() != e.Text)
            a->setText(e.Text);
        a->setVisible(e.Sichtbar);
        a->setChecked(e.Markiert);
        markiert = markiert || e.Markiert;
        // Qt lays out menu columns by height; the entry keeps the mark for
        // styles and tests
        a->setProperty("Spaltenumbruch", e.Spaltenumbruch);
    }
    if (!markiert)
        if (QAction *a = m_gruppe->checkedAction())
            a->setChecked(false);
}

QAction *TBibliotheksmenue::Spaltenumbruch() const
{
    for (QAction *a : m_eintraege)
        if (a->property("Spaltenumbruch").toBool())
            return a;
    return nullptr;
}

void TBibliotheksmenue::ThemenlisteDrucken()
{
    m_themenliste->ProtokollordnerSetzen(m_s.Einstellungen().Ordner.Protokolle);
    m_themenliste->Zeigen(ThemenlisteText(m_s.Themen().Liste()), m_s.Dok().Kopf.Dateiname);
}

void TBibliotheksmenue::Blaettern(bool vor)
{
    m_s.BibliothekBlaettern(vor);
    // the menu again at its place in the menu bar, with the new page
    if (!m_fenster || !m_fenster->isVisible())
        return;
    QMenuBar *leiste = m_fenster->findChild<QMenuBar *>();
    if (!leiste)
        return;
    const QRect ort = leiste->actionGeometry(m_menue.menuAction());
    QTimer::singleShot(0, &m_menue, [this, leiste, ort] { m_menue.popup(leiste->mapToGlobal(ort.bottomLeft())); });
}

} // namespace kalumo
