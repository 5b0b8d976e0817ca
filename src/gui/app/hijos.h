#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

// Reaching a window's controls by name, for the tables of names the windows keep. A name that
// matches no control is a fault in such a table: a debug build stops on it at once, and a
// release build skips it instead of dereferencing null.
namespace vorlo {

template <class T> T *hijo(const QObject *padre, const QString &nombre) {
    T *w = padre->findChild<T *>(nombre);
    Q_ASSERT_X(w, "hijo",
               qPrintable(QStringLiteral("%1 has no control %2").arg(padre->objectName(), nombre)));
    return w;
}

inline void fijarVisibles(const QObject *padre, const QStringList &nombres, bool visible) {
    for (const QString &n : nombres)
        if (QWidget *w = hijo<QWidget>(padre, n))
            w->setVisible(visible);
}

} // namespace vorlo
