#include "platform/GestoreFinestre.h"

#include "platform/Finestra.h"
#include "platform/Interfacce.h"

namespace numerella {

GestoreFinestre::GestoreFinestre(Terminazione& terminazione) : m_terminazione(terminazione) {}

GestoreFinestre::~GestoreFinestre()
{
    // The program is over: the windows go without running any handler.
    m_terminato = true;
    for (const QPointer<Finestra>& f : std::as_const(m_caricate))
        delete f.data();
}

void GestoreFinestre::registra(const QString& nome, Fabbrica fabbrica)
{
    m_fabbriche.insert(nome, std::move(fabbrica));
}

Finestra* GestoreFinestre::carica(const QString& nome)
{
    if (m_terminato)
        return nullptr;
    if (Finestra* f = m_caricate.value(nome))
        return f;
    const auto fabbrica = m_fabbriche.constFind(nome);
    Q_ASSERT_X(fabbrica != m_fabbriche.constEnd(), "GestoreFinestre::carica", qPrintable(nome));
    Q_ASSERT(m_servizi);
    if (fabbrica == m_fabbriche.constEnd() || !m_servizi)
        return nullptr;
    Finestra* f = (*fabbrica)(*m_servizi);
    // Registered before its load handler runs, so that the handler's own references find it loaded.
    m_caricate.insert(nome, f);
    f->Form_Load();
    return m_caricate.value(nome);
}

Finestra* GestoreFinestre::caricata(const QString& nome) const
{
    if (m_inScaricamento.contains(nome))
        return nullptr;
    return m_caricate.value(nome);
}

Finestra* GestoreFinestre::mostra(const QString& nome)
{
    Finestra* f = carica(nome);
    if (!f)
        return nullptr;
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

void GestoreFinestre::scarica(const QString& nome)
{
    if (m_terminato || m_inScaricamento.contains(nome))
        return;
    QPointer<Finestra> f = m_caricate.value(nome);
    if (!f) {
        m_caricate.remove(nome);
        return;
    }
    m_inScaricamento.insert(nome);
    f->Form_QueryUnload();
    if (f && !m_terminato)
        f->Form_Unload();
    m_inScaricamento.remove(nome);
    m_caricate.remove(nome);
    if (f) {
        f->hide();
        // The handler that asked for the unload may still be running inside the window.
        f->deleteLater();
    }
    if (m_caricate.isEmpty() && !m_terminato)
        m_terminazione.nessunaFinestra();
}

void GestoreFinestre::terminaSubito()
{
    if (m_terminato)
        return;
    m_terminato = true;
    for (const QPointer<Finestra>& f : std::as_const(m_caricate))
        if (f)
            f->hide();
    m_terminazione.terminaSubito();
}

QStringList GestoreFinestre::caricate() const
{
    return m_caricate.keys();
}

} // namespace numerella
