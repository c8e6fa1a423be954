#include "platform/OrigineFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>

namespace numerella {

QStringList OrigineFontSistema::famiglie()
{
    return QFontDatabase::families();
}

bool OrigineFontSistema::passoFisso(const QString& nome)
{
    QFont font(nome);
    font.setPointSize(12);
    const QFontInfo risolto(font);
    if (risolto.family().isEmpty())
        return false;
    // An alias never matches exactly, and QFontInfo::fixedPitch() is not reliable for every format:
    // a narrow and a wide glyph of the same advance settle it.
    const QFontMetricsF misure(font);
    const qreal stretta = misure.horizontalAdvance(QLatin1Char('i'));
    for (QChar c : {QLatin1Char('W'), QLatin1Char('m'), QLatin1Char('.'), QLatin1Char('0')})
        if (qAbs(misure.horizontalAdvance(c) - stretta) > 0.01)
            return false;
    return stretta > 0;
}

QStringList fontDellaStampante(OrigineFont& origine)
{
    QStringList elenco = origine.famiglie();
    bool aggiunti = false;
    for (const QString& nome : {QStringLiteral("Courier"), QStringLiteral("Courier New")}) {
        if (!elenco.contains(nome) && origine.passoFisso(nome)) {
            elenco.append(nome);
            aggiunti = true;
        }
    }
    if (aggiunti)
        std::stable_sort(elenco.begin(), elenco.end(),
                         [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return elenco;
}

} // namespace numerella
