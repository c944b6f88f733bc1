#pragma once
// The system printer through Qt PrintSupport.

#include "platform/Drucker.h"

#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kalumo {

class QtDrucker : public Drucker
{
public:
    explicit QtDrucker(QWidget *eltern = nullptr);
    ~QtDrucker() override;

    bool Vorhanden() const override;
    QString Geraetename() const override;
    QString Anschluss() const override;
    bool Einrichten() override;
    bool Drucken(const Druckauftrag &auftrag, const Zeichnen &zeichnen, QString &fehler) override;

private:
    QWidget *m_eltern;
    std::unique_ptr<QPrinter> m_drucker;
};

// The print dialog for one job named auftrag; the chosen printer, or
// nullptr when the user cancelled. The dialogs that print rich text take it
// as their print target.
std::unique_ptr<QPagedPaintDevice> DruckzielWaehlen(QWidget *eltern, const QString &auftrag);

} // namespace kalumo
