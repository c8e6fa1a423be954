#include "LetturaPdf.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace numerella::prova {

QString esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

namespace {

struct Parola
{
    double x0, y0, x1, y1;
    QString testo;
};

QString decodifica(QString t)
{
    return t.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

QList<RigaPdf> righePdf(const QString& file, const QList<double>& colonne)
{
    const QString xml =
        esegui(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                             QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")});
    static const QRegularExpression parola(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Parola> parole;
    for (auto it = parola.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        parole.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                       m.captured(4).toDouble(), decodifica(m.captured(5))});
    }
    std::sort(parole.begin(), parole.end(),
              [](const Parola& a, const Parola& b) { return std::abs(a.y0 - b.y0) > 0.5 ? a.y0 < b.y0 : a.x0 < b.x0; });
    QList<RigaPdf> righe;
    QList<Parola> corrente;
    auto chiudi = [&] {
        if (corrente.isEmpty())
            return;
        const Parola& prima = corrente.first();
        RigaPdf r;
        r.carattere = (prima.x1 - prima.x0) / prima.testo.size();
        r.inizio = QPointF(prima.x0, prima.y0);
        r.sinistraParola = prima.x0;
        r.testo = prima.testo;
        for (qsizetype i = 1; i < corrente.size(); ++i) {
            const int blanks = int(std::lround((corrente[i].x0 - corrente[i - 1].x1) / r.carattere));
            r.testo += QString(blanks, QLatin1Char(' ')) + corrente[i].testo;
        }
        righe.append(r);
        corrente.clear();
    };
    auto colonna = [&](double x) {
        return std::count_if(colonne.begin(), colonne.end(), [x](double c) { return x >= c; });
    };
    for (const Parola& p : parole) {
        if (!corrente.isEmpty() &&
            (std::abs(p.y0 - corrente.last().y0) > 0.5 || colonna(p.x0) != colonna(corrente.last().x0)))
            chiudi();
        corrente.append(p);
    }
    chiudi();
    return righe;
}

QString testoDa(const RigaPdf& riga, double x)
{
    const int blanks = int(std::lround((riga.sinistraParola - x) / riga.carattere));
    return QString(std::max(blanks, 0), QLatin1Char(' ')) + riga.testo;
}

int paginePdf(const QString& file)
{
    static const QRegularExpression pagine(QStringLiteral(R"(^Pages:\s+(\d+))"), QRegularExpression::MultilineOption);
    const auto m = pagine.match(esegui(QStringLiteral("pdfinfo"), {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

int immaginiPdf(const QString& file)
{
    // Two heading lines, then one line for each image.
    const QStringList righe = esegui(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int n = 0;
    for (const QString& r : righe.mid(2))
        if (r.simplified().section(QLatin1Char(' '), 2, 2) == QLatin1String("image"))
            ++n;
    return n;
}

QStringList fontPdf(const QString& file)
{
    QStringList nomi;
    const QStringList righe = esegui(QStringLiteral("pdffonts"), {file}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& r : righe.mid(2))
        nomi.append(r.section(QLatin1Char(' '), 0, 0));
    return nomi;
}

} // namespace numerella::prova
