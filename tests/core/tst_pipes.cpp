#include "pipes/pipe_sizes.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QTest>

#include "../support/runner.h"

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
        QVERIFY(t.exterior > 0 && t.espesor > 0 && t.interior > 0 && t.dn > 0);
        const double calculado = t.exterior - 2 * t.espesor;
        QVERIFY2(std::abs(t.interior - calculado) <= 0.01 + 1e-9,
                 qPrintable(
                     QStringLiteral("ID %1 but OD - 2 wall = %2").arg(t.interior).arg(calculado)));
        QCOMPARE(t.nps > 0, t.norma != NormaTuberia::En10255);
    }

    // One row per standard, size and schedule; one outside diameter and one NPS per size, and a
    // larger size never has a smaller pipe.
    void one_outside_diameter_and_one_nps_per_size() {
        QSet<QString> vistas;
        QHash<QPair<int, int>, QPair<double, double>> porDn; // (standard, DN) -> (OD, NPS)
        QMap<QPair<int, double>, int> dnPorNps;
        for (const TuberiaNormalizada &t : catalogoTuberias()) {
            const QString fila = nombreFila(t);
            QVERIFY2(!vistas.contains(fila), qPrintable(fila));
            vistas.insert(fila);
            const QPair<int, int> clave(int(t.norma), t.dn);
            QVERIFY2(porDn.value(clave, {t.exterior, t.nps}) == qMakePair(t.exterior, t.nps),
                     qPrintable(fila));
            porDn.insert(clave, {t.exterior, t.nps});
            if (t.nps > 0)
                QVERIFY2(dnPorNps.value({int(t.norma), t.nps}, t.dn) == t.dn, qPrintable(fila));
            dnPorNps.insert({int(t.norma), t.nps}, t.dn);
        }
        for (auto a = porDn.cbegin(); a != porDn.cend(); ++a)
            for (auto b = porDn.cbegin(); b != porDn.cend(); ++b)
                if (a.key().first == b.key().first && a.key().second < b.key().second)
                    QVERIFY2(a.value().first < b.value().first,
                             qPrintable(QStringLiteral("DN %1 / DN %2")
                                            .arg(a.key().second)
                                            .arg(b.key().second)));
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
        QTest::newRow("4 40S") << b19 << 100 << "40S" << 114.3 << 6.02 << 102.26;
        QTest::newRow("12 40S") << b19 << 300 << "40S" << 323.9 << 9.53 << 304.84;
        QTest::newRow("30 10S") << b19 << 750 << "10S" << 762.0 << 7.92 << 746.16;
        QTest::newRow("DN 50 M") << en << 50 << "M" << 60.3 << 3.6 << 53.1;
    }
    void published_rows() {
        QFETCH(NormaTuberia, norma);
        QFETCH(int, dn);
        QFETCH(QString, cedula);
        const TuberiaNormalizada *t = buscar(norma, dn, cedula);
        QVERIFY(t);
        QTEST(t->exterior, "exterior");
        QTEST(t->espesor, "espesor");
        QTEST(t->interior, "interior");
    }

    // The catalogue lists a size from its thinnest wall to its thickest, and within a size a
    // heavier schedule of the same kind has a thicker wall.
    void walls_grow_with_heavier_schedules() {
        const QStringList clases = {"STD", "XS", "XXS", "5S", "10S", "40S", "80S", "M", "H"};
        QMap<std::tuple<int, int, int>, QMap<int, double>> escalas; // (standard, DN, kind)
        const TuberiaNormalizada *anterior = nullptr;
        for (const TuberiaNormalizada &t : catalogoTuberias()) {
            if (anterior && anterior->norma == t.norma && anterior->dn == t.dn)
                QVERIFY2(anterior->espesor <= t.espesor, qPrintable(nombreFila(t)));
            anterior = &t;
            bool esNumero = false;
            const int numero = t.cedula.toInt(&esNumero), i = clases.indexOf(t.cedula);
            QVERIFY2(esNumero || i >= 0, qPrintable(nombreFila(t)));
            const int tipo = esNumero ? 0 : i < 3 ? 1 : i < 7 ? 2 : 3;
            escalas[{int(t.norma), t.dn, tipo}].insert(esNumero ? numero : i, t.espesor);
        }
        for (auto e = escalas.cbegin(); e != escalas.cend(); ++e)
            for (qsizetype i = 1; i < e.value().size(); ++i)
                QVERIFY2(e.value().values().at(i - 1) < e.value().values().at(i),
                         qPrintable(QString::number(std::get<1>(e.key()))));
    }

    void weight_classes_follow_the_schedules() {
        const auto b10 = NormaTuberia::AsmeB3610M;
        const auto b19 = NormaTuberia::AsmeB3619M;
        QSet<int> dns;
        for (const TuberiaNormalizada &t : catalogoTuberias())
            if (t.norma == b10)
                dns.insert(t.dn);
        for (int dn : dns) {
            const QString fila = QStringLiteral("DN %1").arg(dn);
            const auto std_ = espesorDe(b10, dn, "STD"), xs = espesorDe(b10, dn, "XS");
            QVERIFY2(std_ && xs, qPrintable(fila));
            QVERIFY2(std_ == (dn <= 250 ? espesorDe(b10, dn, "40") : 9.53), qPrintable(fila));
            QVERIFY2(xs == (dn <= 200 ? espesorDe(b10, dn, "80") : 12.7), qPrintable(fila));
            // Where B36.19M has 40S and 80S, they are B36.10M's STD and XS.
            QVERIFY2(espesorDe(b19, dn, "40S").value_or(*std_) == *std_, qPrintable(fila));
            QVERIFY2(espesorDe(b19, dn, "80S").value_or(*xs) == *xs, qPrintable(fila));
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
        QTest::newRow("4 40S")         << NormaTuberia::AsmeB3619M << 100 << "40S" << "4\" (DN 100)" << "Sch 40S" << "4\" Sch 40S";
        QTest::newRow("DN 50 M")       << en << 50 << "M" << "DN 50" << "M" << "DN 50 EN 10255 M";
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
};

VORLO_PRUEBA(TestPipes, SinAplicacion)
#include "tst_pipes.moc"
