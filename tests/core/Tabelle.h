#pragma once
// The worked-example tables write a blank as "·"; this turns a table cell into the text it stands for.
#include <QString>
#include <string>

namespace numerella::prova {

inline std::string daTabella(const QString& s)
{
    QString t = s;
    return t.replace(QChar(0x00B7), QLatin1Char(' ')).toStdString();
}

} // namespace numerella::prova
