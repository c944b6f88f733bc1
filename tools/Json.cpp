#include "Json.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace kalumo {

namespace {

QByteArray blatt(const QJsonValue &v)
{
    // let Qt do the escaping and the shortest exact form of doubles
    QByteArray t = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return t.mid(1, t.size() - 2);
}

void einruecken(QByteArray &aus, int tiefe)
{
    aus += '\n';
    aus += QByteArray(tiefe * 2, ' ');
}

} // namespace

void Json::schreiben(QByteArray &aus, int tiefe) const
{
    switch (m_art) {
    case Art::Null: aus += "null"; return;
    case Art::Wert: aus += blatt(m_wert); return;
    case Art::Objekt:
        if (m_felder.empty()) {
            aus += "{}";
            return;
        }
        aus += '{';
        for (size_t i = 0; i < m_felder.size(); ++i) {
            if (i)
                aus += ',';
            einruecken(aus, tiefe + 1);
            aus += blatt(QJsonValue(m_felder[i].first));
            aus += ": ";
            m_felder[i].second.schreiben(aus, tiefe + 1);
        }
        einruecken(aus, tiefe);
        aus += '}';
        return;
    case Art::Liste: {
        // lists of plain values stay on one line
        bool flach = true;
        for (const Json &e : m_elemente)
            flach = flach && (e.m_art == Art::Wert || e.m_art == Art::Null);
        aus += '[';
        for (size_t i = 0; i < m_elemente.size(); ++i) {
            if (i)
                aus += flach ? ", " : ",";
            if (!flach)
                einruecken(aus, tiefe + 1);
            m_elemente[i].schreiben(aus, tiefe + 1);
        }
        if (!flach && !m_elemente.empty())
            einruecken(aus, tiefe);
        aus += ']';
        return;
    }
    }
}

QByteArray Json::Text() const
{
    QByteArray aus;
    schreiben(aus, 0);
    aus += '\n';
    return aus;
}

} // namespace kalumo
