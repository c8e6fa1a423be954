#pragma once
// Where the printer's font list comes from. On Linux the printer prints with the installed font
// families; fontconfig resolves names such as "Courier New" to a metric-compatible family (Liberation
// Mono) that the family list does not name, so those two names are counted as the printer's own when
// they resolve to a fixed-pitch family.
#include <QString>
#include <QStringList>

namespace numerella {

class OrigineFont
{
public:
    virtual ~OrigineFont() = default;
    // The installed families, in the font database's order.
    virtual QStringList famiglie() = 0;
    // True when the name resolves to a fixed-pitch family.
    virtual bool passoFisso(const QString& nome) = 0;
};

// The fonts of the system, read through Qt's font database and fontconfig.
class OrigineFontSistema : public OrigineFont
{
public:
    QStringList famiglie() override;
    bool passoFisso(const QString& nome) override;
};

// The printer's font list: the families, plus "Courier" and "Courier New" where they resolve to a
// fixed-pitch family and the list does not already hold them, at the front ("Courier New" first).
QStringList fontDellaStampante(OrigineFont& origine);

} // namespace numerella
