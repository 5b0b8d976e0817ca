#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

// File helpers shared by the results-file tests.
namespace vorlo::prueba {

inline QByteArray bytesDe(const QString &ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<no se puede leer>");
    return f.readAll();
}

inline void escribirBytes(const QString &ruta, const QByteArray &b) {
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(b), b.size());
}

// Everything a folder holds, hidden entries included (to see a leftover temporary file).
inline QStringList listado(const QString &carpeta) {
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                   QDir::NoDotAndDotDot);
}

} // namespace vorlo::prueba
