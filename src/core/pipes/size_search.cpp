#include "size_search.h"

namespace vorlo {

namespace {

// Digits, fraction bars and single spaces between them; a hyphen is a space ("2-1/2").
QString normalizar(const QString &tecleado) {
    QString t;
    for (const QChar c : tecleado) {
        const QChar x = c == u'-' ? QChar(u' ') : c;
        if (x == u' ' && (t.isEmpty() || t.endsWith(u' ')))
            continue;
        if (x.isDigit() || x == u'/' || x == u' ')
            t.append(x);
    }
    return t;
}

} // namespace

QString tamanoTecleable(const TuberiaNormalizada &t) {
    return t.norma == NormaTuberia::En10255 ? QString::number(t.dn) : textoNps(t.nps);
}

int filaDeTamano(const QStringList &tamanos, const QString &tecleado) {
    const QString t = normalizar(tecleado);
    if (t.isEmpty())
        return -1;
    const qsizetype exacta = tamanos.indexOf(t);
    if (exacta >= 0)
        return static_cast<int>(exacta);
    for (qsizetype i = 0; i < tamanos.size(); ++i)
        if (tamanos[i].startsWith(t))
            return static_cast<int>(i);
    return -1;
}

} // namespace vorlo
