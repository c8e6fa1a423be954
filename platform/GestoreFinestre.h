#pragma once
// The window rules: a window is loaded on its first reference (its load handler runs to its end
// before the reference takes effect), loading a loaded window does nothing, showing brings it to the
// front, unloading discards the window object, and the program ends when no window is loaded.
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <functional>

namespace numerella {

class Finestra;
struct Servizi;
class Terminazione;

class GestoreFinestre
{
public:
    using Fabbrica = std::function<Finestra*(Servizi&)>;

    explicit GestoreFinestre(Terminazione& terminazione);
    ~GestoreFinestre();
    GestoreFinestre(const GestoreFinestre&) = delete;
    GestoreFinestre& operator=(const GestoreFinestre&) = delete;

    void impostaServizi(Servizi& servizi) { m_servizi = &servizi; }
    void registra(const QString& nome, Fabbrica fabbrica);

    // Loads the window if it is not loaded, running its load handler to its end; returns it.
    Finestra* carica(const QString& nome);
    template <class W> W* carica(const QString& nome) { return qobject_cast<W*>(carica(nome)); }
    // The window if it is loaded (and not being unloaded), otherwise nullptr. Loads nothing.
    Finestra* caricata(const QString& nome) const;
    template <class W> W* caricata(const QString& nome) const { return qobject_cast<W*>(caricata(nome)); }
    // Loads the window if needed, shows it modeless and brings it to the front.
    Finestra* mostra(const QString& nome);
    // Runs the window's unload handlers and discards the window object. Unloading a window that is not
    // loaded, or that is already being unloaded, does nothing. The program ends when none is left.
    void scarica(const QString& nome);
    // Ends the program at once: no unload handler runs.
    void terminaSubito();

    QStringList caricate() const;

private:
    Terminazione& m_terminazione;
    Servizi* m_servizi = nullptr;
    QHash<QString, Fabbrica> m_fabbriche;
    QHash<QString, QPointer<Finestra>> m_caricate;
    QSet<QString> m_inScaricamento;
    bool m_terminato = false;
};

} // namespace numerella
