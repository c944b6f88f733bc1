#pragma once
// A small JSON value whose objects keep their keys in the order they were
// added, so that dumps list fields in the order of the file.

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <utility>
#include <vector>

namespace kalumo {

class Json
{
public:
    Json() = default; // null
    Json(const QJsonValue &v) : m_art(Art::Wert), m_wert(v) {}
    Json(const QString &s) : Json(QJsonValue(s)) {}
    Json(const char *s) : Json(QJsonValue(QString::fromUtf8(s))) {}
    Json(int i) : Json(QJsonValue(i)) {}
    Json(qint64 i) : Json(QJsonValue(i)) {}
    Json(double d) : Json(QJsonValue(d)) {}
    Json(bool b) : Json(QJsonValue(b)) {}

    static Json Objekt() { Json j; j.m_art = Art::Objekt; return j; }
    static Json Liste() { Json j; j.m_art = Art::Liste; return j; }

    Json &Feld(const QString &schluessel, Json wert)
    {
        m_felder.emplace_back(schluessel, std::move(wert));
        return *this;
    }
    Json &Element(Json wert)
    {
        m_elemente.push_back(std::move(wert));
        return *this;
    }

    QByteArray Text() const;

private:
    enum class Art { Null, Wert, Objekt, Liste };
    void schreiben(QByteArray &aus, int tiefe) const;

    Art m_art = Art::Null;
    QJsonValue m_wert;
    std::vector<std::pair<QString, Json>> m_felder;
    std::vector<Json> m_elemente;
};

template <typename Feld>
Json JsonListe(const Feld &werte)
{
    Json l = Json::Liste();
    for (const auto &w : werte)
        l.Element(Json(w));
    return l;
}

} // namespace kalumo
