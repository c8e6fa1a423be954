#pragma once
// A printer that records what is printed on it, document by document.
#include "platform/Stampante.h"

#include <QList>
#include <QStringList>
#include <memory>

namespace numerella::prova {

struct DocumentoFinto
{
    struct Riga
    {
        QString font;
        double punti;
        bool grassetto;
        int x, y;
        QString testo;
    };
    QString cosa;
    QList<Riga> righe;
    int immagini = 0;
    QList<QStringList> controlliVisibili; // for each image: the visible buttons' names at that moment
    bool finito = false;
};

class StampanteFinta : public Stampante
{
public:
    StampanteFinta(QStringList fonts, std::shared_ptr<DocumentoFinto> doc) : m_fonts(std::move(fonts)), m_doc(doc) {}
    QStringList fonts() override { return m_fonts; }
    void impostaFont(const QString& nome) override { m_font = nome; }
    void impostaDimensione(double punti) override { m_punti = punti; }
    void impostaGrassetto(bool grassetto) override { m_grassetto = grassetto; }
    void impostaX(int twips) override { m_x = twips; }
    void impostaY(int twips) override { m_y = twips; }
    void stampaRiga(const QString& testo) override
    {
        m_doc->righe.append({m_font, m_punti, m_grassetto, m_x, m_y, testo});
        m_x = 0;
        m_y += int(m_punti * 20 * 1.15);
    }
    void stampaImmagine(QWidget* finestra) override;
    bool fineDocumento() override
    {
        m_doc->finito = true;
        return true;
    }

private:
    QStringList m_fonts;
    std::shared_ptr<DocumentoFinto> m_doc;
    QString m_font;
    double m_punti = 10;
    bool m_grassetto = false;
    int m_x = 0, m_y = 0;
};

class FabbricaStampanteFinta : public FabbricaStampante
{
public:
    QStringList fonts{QStringLiteral("Arial"), QStringLiteral("Courier New")};
    QList<std::shared_ptr<DocumentoFinto>> documenti;
    QStringList elencoFont() override { return fonts; }
    std::unique_ptr<Stampante> crea(const QString& cosa) override
    {
        auto doc = std::make_shared<DocumentoFinto>();
        doc->cosa = cosa;
        documenti.append(doc);
        return std::make_unique<StampanteFinta>(fonts, doc);
    }
};

} // namespace numerella::prova
