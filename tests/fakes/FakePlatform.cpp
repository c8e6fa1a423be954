#include "FakePlatform.h"

namespace numerella::prova {

int MessaggiFinti::mostra(const QString& testo, int stile, const QString& titolo)
{
    mostrati.append(testo);
    if (attesi.isEmpty()) {
        errori.append(QStringLiteral("unexpected box: \"%1\" title \"%2\" style %3").arg(testo, titolo).arg(stile));
        return stile == SiNoInformazione ? No : Ok;
    }
    Atteso a = attesi.takeFirst();
    if (a.testo != testo || a.stile != stile || a.titolo != titolo)
        errori.append(QStringLiteral("box \"%1\" title \"%2\" style %3, expected \"%4\" title \"%5\" style %6")
                          .arg(testo, titolo)
                          .arg(stile)
                          .arg(a.testo, a.titolo)
                          .arg(a.stile));
    if (a.durante)
        a.durante();
    return a.risposta;
}

QString MessaggiFinti::problemi() const
{
    QStringList tutti = errori;
    for (const Atteso& a : attesi)
        tutti.append(QStringLiteral("expected box never shown: \"%1\"").arg(a.testo));
    return tutti.join(QLatin1Char('\n'));
}

} // namespace numerella::prova
