#include "pipes/pipe_sizes.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QTest>

using namespace vorlo;

Q_DECLARE_METATYPE(vorlo::NormaTuberia)

namespace {

const TuberiaNormalizada *buscar(NormaTuberia norma, int dn, const QString &cedula) {
    for (const TuberiaNormalizada &t : catalogoTuberias())
        if (t.norma == norma && t.dn == dn && t.cedula == cedula)
            return &t;
    return nullptr;
}

QString nombreFila(const TuberiaNormalizada &t) {
    return QStringLiteral("%1 DN %2 %3").arg(nombreNorma(t.norma)).arg(t.dn).arg(t.cedula);
}

// The rows of one size of one standard, in catalogue order.
QList<TuberiaNormalizada> filasDe(NormaTuberia norma, int dn) {
    QList<TuberiaNormalizada> filas;
    for (const TuberiaNormalizada &t : catalogoTuberias())
        if (t.norma == norma && t.dn == dn)
            filas << t;
    return filas;
}

std::optional<double> espesorDe(NormaTuberia norma, int dn, const QString &cedula) {
    const TuberiaNormalizada *t = buscar(norma, dn, cedula);
    return t ? std::optional<double>(t->espesor) : std::nullopt;
}

} // namespace

class TestPipes : public QObject {
    Q_OBJECT
  private slots:
    void every_row_is_consistent_data() {
        QTest::addColumn<int>("fila");
        const QList<TuberiaNormalizada> &c = catalogoTuberias();
        for (qsizetype i = 0; i < c.size(); ++i)
            QTest::newRow(qPrintable(nombreFila(c.at(i)))) << int(i);
    }
    // Catches a mistyped outside diameter, wall or inside diameter in any row.
    void every_row_is_consistent() {
        QFETCH(int, fila);
        const TuberiaNormalizada &t = catalogoTuberias().at(fila);
        QVERIFY(t.exterior > 0 && t.espesor > 0 && t.interior > 0);
        QVERIFY2(std::abs(t.interior - (t.exterior - 2 * t.espesor)) <= 0.01 + 1e-9,
                 qPrintable(QStringLiteral("ID %1 but OD - 2 wall = %2")
                                .arg(t.interior)
                                .arg(t.exterior - 2 * t.espesor)));
        QVERIFY(t.dn > 0);
        QCOMPARE(t.nps > 0, t.norma != NormaTuberia::En10255);
        QVERIFY(!t.cedula.isEmpty());
    }

    // One row per standard, size and schedule; one outside diameter and one NPS per size.
    void one_outside_diameter_and_one_dn_per_size() {
        QSet<QString> vistas;
        for (const TuberiaNormalizada &t : catalogoTuberias()) {
            QVERIFY2(!vistas.contains(nombreFila(t)), qPrintable(nombreFila(t)));
            vistas.insert(nombreFila(t));
        }
        for (NormaTuberia n : normasTuberia()) {
            QHash<int, double> exteriorPorDn;
            QHash<int, double> npsPorDn;
            QHash<double, int> dnPorNps;
            for (const TuberiaNormalizada &t : catalogoTuberias()) {
                if (t.norma != n)
                    continue;
                const QString fila = nombreFila(t);
                if (exteriorPorDn.contains(t.dn))
                    QVERIFY2(exteriorPorDn.value(t.dn) == t.exterior, qPrintable(fila));
                exteriorPorDn.insert(t.dn, t.exterior);
                if (n == NormaTuberia::En10255)
                    continue;
                if (npsPorDn.contains(t.dn))
                    QVERIFY2(npsPorDn.value(t.dn) == t.nps, qPrintable(fila));
                if (dnPorNps.contains(t.nps))
                    QVERIFY2(dnPorNps.value(t.nps) == t.dn, qPrintable(fila));
                npsPorDn.insert(t.dn, t.nps);
                dnPorNps.insert(t.nps, t.dn);
            }
            // A larger size never has a smaller pipe.
            const QList<int> dns = exteriorPorDn.keys();
            for (int a : dns)
                for (int b : dns)
                    if (a < b)
                        QVERIFY2(exteriorPorDn.value(a) < exteriorPorDn.value(b),
                                 qPrintable(QStringLiteral("DN %1 / DN %2").arg(a).arg(b)));
        }
    }

    void sizes_of_each_standard_data() {
        QTest::addColumn<NormaTuberia>("norma");
        QTest::addColumn<QList<double>>("nps");
        QTest::addColumn<QList<int>>("dn");
        const QList<double> npsHasta24 = {0.125, 0.25, 0.375, 0.5, 0.75, 1,  1.25, 1.5,
                                          2,     2.5,  3,     3.5, 4,    5,  6,    8,
                                          10,    12,   14,    16,  18,   20, 22,   24};
        const QList<int> dnHasta24 = {6,   8,   10,  15,  20,  25,  32,  40,  50,  65,  80,  90,
                                      100, 125, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600};
        QList<double> nps10 = npsHasta24;
        QList<int> dn10 = dnHasta24;
        for (int n = 26; n <= 48; n += 2) {
            nps10 << n;
            dn10 << n * 25;
        }
        QTest::newRow("ASME B36.10M: NPS 1/8 to 48") << NormaTuberia::AsmeB3610M << nps10 << dn10;
        QTest::newRow("ASME B36.19M: NPS 1/8 to 24 and 30")
            << NormaTuberia::AsmeB3619M << (QList<double>(npsHasta24) << 30)
            << (QList<int>(dnHasta24) << 750);
        QTest::newRow("EN 10255: DN 6 to 150")
            << NormaTuberia::En10255 << QList<double>{}
            << QList<int>{6, 8, 10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150};
    }
    void sizes_of_each_standard() {
        QFETCH(NormaTuberia, norma);
        QFETCH(QList<double>, nps);
        QFETCH(QList<int>, dn);
        QList<double> npsVistos;
        QList<int> dnVistos;
        for (const TuberiaNormalizada &t : catalogoTuberias()) {
            if (t.norma != norma || (!dnVistos.isEmpty() && dnVistos.last() == t.dn))
                continue;
            dnVistos << t.dn;
            if (t.nps > 0)
                npsVistos << t.nps;
        }
        QCOMPARE(dnVistos, dn);
        QCOMPARE(npsVistos, nps);
    }

    // Values as printed in the standards' tables.
    void published_rows_data() {
        QTest::addColumn<NormaTuberia>("norma");
        QTest::addColumn<int>("dn");
        QTest::addColumn<QString>("cedula");
        QTest::addColumn<double>("exterior");
        QTest::addColumn<double>("espesor");
        QTest::addColumn<double>("interior");
        const auto b10 = NormaTuberia::AsmeB3610M;
        const auto b19 = NormaTuberia::AsmeB3619M;
        const auto en = NormaTuberia::En10255;
        QTest::newRow("4 Sch 40") << b10 << 100 << "40" << 114.3 << 6.02 << 102.26;
        QTest::newRow("12 STD") << b10 << 300 << "STD" << 323.8 << 9.53 << 304.74;
        QTest::newRow("12 Sch 40") << b10 << 300 << "40" << 323.8 << 10.31 << 303.18;
        QTest::newRow("1/2 XXS") << b10 << 15 << "XXS" << 21.3 << 7.47 << 6.36;
        QTest::newRow("8 Sch 160") << b10 << 200 << "160" << 219.1 << 23.01 << 173.08;
        QTest::newRow("24 Sch 160") << b10 << 600 << "160" << 610.0 << 59.54 << 490.92;
        QTest::newRow("36 Sch 40") << b10 << 900 << "40" << 914.0 << 19.05 << 875.9;
        QTest::newRow("48 XS") << b10 << 1200 << "XS" << 1219.0 << 12.7 << 1193.6;
        QTest::newRow("4 40S") << b19 << 100 << "40S" << 114.3 << 6.02 << 102.26;
        QTest::newRow("10 80S") << b19 << 250 << "80S" << 273.1 << 12.7 << 247.7;
        QTest::newRow("12 40S") << b19 << 300 << "40S" << 323.9 << 9.53 << 304.84;
        QTest::newRow("30 10S") << b19 << 750 << "10S" << 762.0 << 7.92 << 746.16;
        QTest::newRow("DN 50 M") << en << 50 << "M" << 60.3 << 3.6 << 53.1;
        QTest::newRow("DN 150 H") << en << 150 << "H" << 165.1 << 5.4 << 154.3;
    }
    void published_rows() {
        QFETCH(NormaTuberia, norma);
        QFETCH(int, dn);
        QFETCH(QString, cedula);
        QFETCH(double, exterior);
        QFETCH(double, espesor);
        QFETCH(double, interior);
        const TuberiaNormalizada *t = buscar(norma, dn, cedula);
        QVERIFY(t);
        QCOMPARE(t->exterior, exterior);
        QCOMPARE(t->espesor, espesor);
        QCOMPARE(t->interior, interior);
    }

    // Within a size, a heavier schedule of the same kind never has a thinner wall, and the
    // catalogue lists a size from its thinnest wall to its thickest.
    void walls_grow_with_heavier_schedules() {
        const QStringList clases = {QStringLiteral("STD"), QStringLiteral("XS"),
                                    QStringLiteral("XXS")};
        const QStringList inoxidables = {QStringLiteral("5S"), QStringLiteral("10S"),
                                         QStringLiteral("40S"), QStringLiteral("80S")};
        const QStringList series = {QStringLiteral("M"), QStringLiteral("H")};
        QSet<QPair<int, int>> tamanos;
        for (const TuberiaNormalizada &t : catalogoTuberias())
            tamanos.insert({int(t.norma), t.dn});
        QVERIFY(tamanos.size() > 60);
        for (const auto &[norma, dn] : tamanos) {
            const QList<TuberiaNormalizada> filas = filasDe(NormaTuberia(norma), dn);
            QMap<int, double> numeradas;
            QList<double> porClase, porInoxidable, porSerie;
            for (qsizetype i = 0; i < filas.size(); ++i) {
                const TuberiaNormalizada &t = filas.at(i);
                if (i > 0)
                    QVERIFY2(filas.at(i - 1).espesor <= t.espesor, qPrintable(nombreFila(t)));
                bool esNumero = false;
                const int numero = t.cedula.toInt(&esNumero);
                if (esNumero)
                    numeradas.insert(numero, t.espesor);
                else if (clases.contains(t.cedula))
                    porClase << t.espesor;
                else if (inoxidables.contains(t.cedula))
                    porInoxidable << t.espesor;
                else
                    QVERIFY2(series.contains(t.cedula), qPrintable(nombreFila(t)));
                if (series.contains(t.cedula))
                    porSerie << t.espesor;
            }
            const QList<double> numeros = numeradas.values(); // by schedule number
            for (const QList<double> &escala : {numeros, porClase, porInoxidable, porSerie})
                for (qsizetype i = 1; i < escala.size(); ++i)
                    QVERIFY2(escala.at(i - 1) < escala.at(i),
                             qPrintable(QStringLiteral("%1 DN %2")
                                            .arg(nombreNorma(NormaTuberia(norma)))
                                            .arg(dn)));
        }
    }

    // B36.10M: STD is Sch 40 up to NPS 10 and 9.53 mm above; XS is Sch 80 up to NPS 8 and
    // 12.70 mm above. B36.19M's 40S and 80S have the same walls as B36.10M's STD and XS.
    void weight_classes_follow_the_schedules() {
        const auto b10 = NormaTuberia::AsmeB3610M;
        const auto b19 = NormaTuberia::AsmeB3619M;
        QSet<int> dns;
        for (const TuberiaNormalizada &t : catalogoTuberias())
            if (t.norma == b10)
                dns.insert(t.dn);
        for (int dn : dns) {
            const QString fila = QStringLiteral("DN %1").arg(dn);
            const auto std_ = espesorDe(b10, dn, QStringLiteral("STD"));
            const auto xs = espesorDe(b10, dn, QStringLiteral("XS"));
            QVERIFY2(std_ && xs, qPrintable(fila));
            if (dn <= 250)
                QVERIFY2(std_ == espesorDe(b10, dn, QStringLiteral("40")), qPrintable(fila));
            else
                QVERIFY2(*std_ == 9.53, qPrintable(fila));
            if (dn <= 200)
                QVERIFY2(xs == espesorDe(b10, dn, QStringLiteral("80")), qPrintable(fila));
            else
                QVERIFY2(*xs == 12.7, qPrintable(fila));
            if (const auto s40 = espesorDe(b19, dn, QStringLiteral("40S")))
                QVERIFY2(*s40 == *std_, qPrintable(fila));
            if (const auto s80 = espesorDe(b19, dn, QStringLiteral("80S")))
                QVERIFY2(*s80 == *xs, qPrintable(fila));
        }
    }

    void texts_data() {
        QTest::addColumn<NormaTuberia>("norma");
        QTest::addColumn<int>("dn");
        QTest::addColumn<QString>("cedula");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("textoCedula");
        QTest::addColumn<QString>("designacion");
        const auto b10 = NormaTuberia::AsmeB3610M;
        const auto en = NormaTuberia::En10255;
        // clang-format off
        QTest::newRow("4 Sch 40")      << b10 << 100 << "40" << "4\" (DN 100)" << "Sch 40" << "4\" Sch 40";
        QTest::newRow("12 STD")        << b10 << 300 << "STD" << "12\" (DN 300)" << "STD" << "12\" STD";
        QTest::newRow("1 1/4 Sch 160") << b10 << 32 << "160" << "1 1/4\" (DN 32)" << "Sch 160" << "1 1/4\" Sch 160";
        QTest::newRow("4 40S")         << NormaTuberia::AsmeB3619M << 100 << "40S" << "4\" (DN 100)" << "Sch 40S" << "4\" Sch 40S";
        QTest::newRow("DN 50 M")       << en << 50 << "M" << "DN 50" << "M" << "DN 50 EN 10255 M";
        QTest::newRow("DN 150 H")      << en << 150 << "H" << "DN 150" << "H" << "DN 150 EN 10255 H";
        // clang-format on
    }
    void texts() {
        QFETCH(NormaTuberia, norma);
        QFETCH(int, dn);
        QFETCH(QString, cedula);
        const TuberiaNormalizada *t = buscar(norma, dn, cedula);
        QVERIFY(t);
        QTEST(textoNominal(*t), "nominal");
        QTEST(textoCedula(*t), "textoCedula");
        QTEST(designacionTuberia(*t), "designacion");
    }

    void standard_names() {
        QStringList nombres;
        for (NormaTuberia n : normasTuberia())
            nombres << nombreNorma(n);
        QCOMPARE(nombres,
                 (QStringList{QStringLiteral("ASME B36.10M"), QStringLiteral("ASME B36.19M"),
                              QStringLiteral("EN 10255")}));
    }
};

QTEST_APPLESS_MAIN(TestPipes)
#include "tst_pipes.moc"
