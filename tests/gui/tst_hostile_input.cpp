// Whatever arrives in a field — pasted from a spreadsheet, a PDF or an e-mail — the windows keep
// working: no crash, no "nan" or "inf" shown, and valid input afterwards gives the right results.
#include "app/gasline_entry.h"
#include "app/open_windows.h"
#include "fields/language.h"
#include "fittings/form_accesorios.h"
#include "gas/form2.h"
#include "gasline/form_linea_gas.h"
#include "pipeflow/ejemplo.h"
#include "pipeflow/form_reynolds.h"
#include "units/conversorudsrapido.h"

#include "../support/gui_fixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "../support/runner.h"

using namespace vorlo;
using namespace vorlo::prueba;

namespace {

QStringList hostiles() {
    return {QString(10000, u'9'),
            QStringLiteral("1e999"),
            QStringLiteral("1E308"),
            QStringLiteral("-1E308"),
            QStringLiteral("1E-320"),
            QStringLiteral("-0"),
            QStringLiteral(","),
            QStringLiteral("-"),
            QStringLiteral("--"),
            QStringLiteral("1,2,3"),
            QStringLiteral("1-2"),
            QStringLiteral("abc"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("   "),
            QStringLiteral("12\t34"),
            QStringLiteral("١٢٣"),
            QStringLiteral("💧"),
            QStringLiteral("0"),
            QStringLiteral("-273,16"),
            QStringLiteral("1.234.567,89"),
            QStringLiteral("0,0000000000000000001")};
}

// No field or label of the window shows a value that is not a number.
void sinValoresInvalidos(QWidget *ventana, const QString &pegado) {
    for (QLineEdit *e : ventana->findChildren<QLineEdit *>()) {
        if (e->text() == pegado)
            continue;
        QVERIFY2(!muestraNoNumero(e->text()),
                 qPrintable(e->objectName() + u'=' + e->text().left(40)));
    }
    for (QLabel *l : ventana->findChildren<QLabel *>())
        QVERIFY2(!muestraNoNumero(l->text()),
                 qPrintable(l->objectName() + u'=' + l->text().left(40)));
}

} // namespace

class TestHostileInput : public PruebaGui {
    Q_OBJECT
  public:
    TestHostileInput() : PruebaGui(kEspanol) {}

  private slots:
    void pipe_window_survives_every_text_in_every_field() {
        auto *f = ventanas().mostrar<FormReynolds>();
        const QStringList campos = {t::Qproceso, t::dproceso,  t::vdinamica, t::dint, t::Vproceso,
                                    t::Re,       t::Rugosidad, t::ffinal,    t::L,    t::Desnivel};
        for (const QString &texto : hostiles()) {
            // The worked example, then one hostile field at a time.
            for (const QString &n : campos) {
                for (const t::TextoEjemplo &e : t::ejemplo())
                    f->escribir(e.campo, e.texto);
                pegar(campo(f, n), texto);
                f->CalcularTuberia();
                sinValoresInvalidos(f, texto);
            }
            // Every field hostile at once.
            for (const QString &n : campos)
                pegar(campo(f, n), texto);
            tic(f); // the timer's pass over them all
            sinValoresInvalidos(f, texto);
        }
        QTest::mouseDClick(control(f, t::DPbar), Qt::LeftButton);
        // Still responding: the worked example gives its results.
        f->Borrar();
        f->escribir(t::Desnivel, "5");
        for (auto [n, v] : {std::pair{t::Qproceso, "36"},
                            {t::dproceso, "998"},
                            {t::vdinamica, "0,001"},
                            {t::dint, "100"},
                            {t::Rugosidad, "0,05"},
                            {t::L, "100"}})
            pegar(campo(f, n), v);
        QTRY_COMPARE(f->texto(t::DPbarTotal), "0,648703017651904");
        QCOMPARE(f->texto(t::Re), "127.065");
        QCOMPARE(f->texto(t::ffinal), ",0197");
    }

    void gas_window_survives_every_text_in_every_field() {
        auto *gas = ventanas().mostrar<Form2>();
        const QStringList campos = {g::dref,     g::Pref,          g::tref,     g::Zref,
                                    g::Pproceso, g::tproceso,      g::Zproceso, g::Qnormales,
                                    g::P_paraQ,  g::T_paraQ,       g::Z_paraQ,  g::Qproceso,
                                    g::dproceso, g::Qprocesomasico};
        for (const QString &texto : hostiles()) {
            for (const QString &n : campos)
                pegar(campo(gas, n), texto);
            sinValoresInvalidos(gas, texto);
        }
        pulsar(gas, "Command5");
        for (auto [n, v] : {std::pair{g::dref, "1,293"},
                            {g::tref, "0"},
                            {g::Pref, "1,01325"},
                            {g::Pproceso, "5"},
                            {g::tproceso, "20"},
                            {g::T_paraQ, "0"},
                            {g::Qnormales, "100"}})
            pegar(campo(gas, n), v);
        QCOMPARE(campo(gas, g::dproceso)->text(), "5,945");
        QCOMPARE(campo(gas, g::Qproceso)->text(), "21,75");
        QCOMPARE(campo(gas, g::Qprocesomasico)->text(), "129,304");
    }

    void gas_line_window_survives_every_text_in_every_field_data() {
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<bool>("fDada");
        QTest::newRow("solve for P2, Colebrook") << lg::OpcionP2 << false;
        QTest::newRow("solve for the flow, given f") << lg::OpcionMasico << true;
    }
    void gas_line_window_survives_every_text_in_every_field() {
        QFETCH(QString, opcion);
        QFETCH(bool, fDada);
        abrirLineaGas({"500", "0,05", "0,000011", "11,3", "523745,13", "10", "15"});
        auto *l = ventanas().existente<FormLineaGas>();
        QVERIFY(l);
        pulsar(l, opcion);
        if (fDada)
            pulsar(l, lg::FijarF);
        QStringList campos;
        for (QLineEdit *e : l->findChildren<QLineEdit *>())
            if (!e->isReadOnly() && e->isVisibleTo(l))
                campos << e->objectName();
        QVERIFY(campos.size() >= 7);
        QHash<QString, QString> valido;
        for (const QString &n : campos)
            valido[n] = campo(l, n)->text();
        for (const QString &texto : hostiles()) {
            // A filled window, then one hostile field at a time.
            for (const QString &n : campos) {
                for (const QString &m : campos)
                    campo(l, m)->setText(valido[m]);
                pegar(campo(l, n), texto);
                sinValoresInvalidos(l, texto);
            }
            for (const QString &n : campos)
                pegar(campo(l, n), texto);
            sinValoresInvalidos(l, texto);
        }
        // Still responding: the published check, solved for the flow with f given.
        if (opcion == lg::OpcionMasico) {
            teclear(l, {{lg::P1Linea, "10"},
                        {lg::Densidad1, "11.3"},
                        {lg::DLinea, "500"},
                        {lg::LLinea, "1000"},
                        {lg::P2Linea, "9"},
                        {lg::fLinea, "0.00185"},
                        {lg::RugLinea, "0.05"},
                        {lg::ViscLinea, "0.000011"}});
            QCOMPARE(campo(l, lg::MasicoLinea)->text(), "523.745,13");
        }
    }

    void fittings_window_survives_every_text() {
        for (const QString &texto : hostiles()) {
            abrirAccesorios(texto);
            auto *a = ventanas().existente<FormAccesorios>();
            QVERIFY(a);
            for (int fila : {0, 9, 21}) {
                pegar(campo(a, accesorios::k(fila)), texto);
                pegar(campo(a, accesorios::Naccesorios(fila)), texto);
            }
            sinValoresInvalidos(a, texto);
        }
        abrirAccesorios(QStringLiteral("25"));
        auto *a = ventanas().existente<FormAccesorios>();
        pegar(campo(a, accesorios::Naccesorios(0)), "2");
        pegar(campo(a, accesorios::Naccesorios(9)), "1");
        pegar(campo(a, accesorios::Naccesorios(21)), "0");
        QCOMPARE(campo(a, "textbox_ktotal")->text(), "6");
    }

    void converter_survives_every_text_in_every_kind() {
        QWidget ventana;
        QLineEdit campo(&ventana);
        QPushButton boton(&ventana);
        ventana.show();
        for (const char *kind : {"CAUDAL", "PRESION", "TEMPERATURA", "DENSIDAD", "CAUDAL_MASICO",
                                 "VISCOSIDAD", "VISCOSIDADCINEMATICA"}) {
            conectarBotonUnidad(&boton, &campo, QString::fromLatin1(kind),
                                QLatin1String(kind) == QLatin1String("TEMPERATURA")
                                    ? ModoConversor::EdicionTemperatura
                                    : ModoConversor::Edicion);
            QTest::mouseClick(&boton, Qt::LeftButton);
            auto *c = ventana.findChild<conversorudsrapido *>();
            QVERIFY(c);
            for (const QString &texto : hostiles()) {
                pegar(prueba::campo(c, "Text1"), texto);
                c->calcularotrasuds();
                sinValoresInvalidos(c, texto);
            }
            pegar(prueba::campo(c, "Text1"), "1");
            tic(c);
            QCOMPARE(etiqueta(c, "Label1(0)"), "1,00000");
            pulsar(c, "Command2");
            QTRY_VERIFY(!ventana.findChild<conversorudsrapido *>());
        }
    }
};

VORLO_PRUEBA(TestHostileInput, Ventanas)
#include "tst_hostile_input.moc"
