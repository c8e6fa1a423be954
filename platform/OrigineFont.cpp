#include "platform/OrigineFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

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
    // The aliases fontconfig resolves come first, "Courier New" ahead of "Courier": at Courier New's
    // 9 points a whole operation line fits the review window's labels, at Courier's 10 points its last
    // character is cut off.
    QStringList alias;
    for (const QString& nome : {QStringLiteral("Courier New"), QStringLiteral("Courier")})
        if (!elenco.contains(nome) && origine.passoFisso(nome))
            alias.append(nome);
    return alias + elenco;
}

} // namespace numerella
