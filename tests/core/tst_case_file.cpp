#include "cases/case_file.h"
#include "fields/language.h"
#include "fittings/fittings_fields.h"
#include "gas/gas_fields.h"
#include "gasline/gas_line_fields.h"
#include "pipeflow/pipe_fields.h"
#include "water/water_fields.h"

#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

#include "../support/file_helpers.h"

using namespace vorlo;
using namespace vorlo::caso;
using archivos::ErrorArchivo;
using Causa = ErrorArchivo::Causa;
namespace g = vorlo::gas;
namespace lg = vorlo::lineagas::campos;
namespace t = vorlo::tuberia;

namespace {

Caso completo() {
    Caso c;
    c.idioma = kEspanol;
    c.ventanas[Tuberia] = {{{t::Option1, true}, {t::Option2, false}, {t::CheckExacto, true}},
                           {{t::Qproceso, "36"},
                            {t::vdinamica, "1,8198E-05"},
                            {t::dint, "102,26"},
                            {t::LabelTuberia, "4\" Sch 40"},
                            {t::Desnivel, "-"}}};
    c.ventanas[Accesorios] = {
        {}, {{"MetodoK", "3k"}, {accesorios::Naccesorios(9), "1"}, {accesorios::k(22), ",5"}}};
    // The gas window always writes its start texts; a part without them reads back with them.
    c.ventanas[Gas] = {{{g::Option2, true}, {g::Check1, true}},
                       {{g::Qproceso, "1.234,5"},
                        {g::Zref, "1"},
                        {g::Pref, "1,01325"},
                        {g::Zproceso, "1"},
                        {g::P_paraQ, "1,01325"},
                        {g::Z_paraQ, "1"}}};
    c.ventanas[LineaGas] = {{{lg::FijarF, true}}, {{lg::fLinea, "0,02"}, {lg::P2Linea, "15"}}};
    c.ventanas[Agua] = {{}, {{agua::TAgua, "150"}, {agua::PAgua, "10"}}};
    return c;
}

QByteArray conCampo(const QString &seccion, const QString &json) {
    return QStringLiteral(R"({"format": "vorlo-case", "version": 1, "%1": %2})")
        .arg(seccion, json)
        .toUtf8();
}

} // namespace

class TestCaseFile : public QObject {
    Q_OBJECT
  private slots:
    // Written, read back: the same case, with the format and version first in the file.
    void a_case_comes_back_whole() {
        const QByteArray bytes = contenido(completo());
        QVERIFY2(bytes.startsWith("{\n    \"format\": \"vorlo-case\",\n    \"version\": 1,\n"),
                 bytes.left(80).constData());
        const auto leido = interpretar(bytes);
        QVERIFY(std::holds_alternative<Caso>(leido));
        QCOMPARE(std::get<Caso>(leido), completo());
        QVERIFY(contenido(std::get<Caso>(leido)) == bytes);
    }

    // Keys it does not know are ignored (a newer minor field, a typo); missing ones stay out.
    void unknown_keys_are_ignored_and_missing_ones_left_out() {
        const auto leido = interpretar(QByteArray(R"({"version": 1, "format": "vorlo-case",
            "colour": "blue", "pipe": {"fields": {"Qproceso": "36", "Re": "127.065",
            "Nothing": 3}, "zoom": 2}})"));
        QVERIFY(std::holds_alternative<Caso>(leido));
        const Caso &c = std::get<Caso>(leido);
        QCOMPARE(c.idioma, kIngles);
        QCOMPARE(c.ventanas.keys(), QStringList{Tuberia});
        // Re is a result: not kept, whatever the file says.
        QCOMPARE(c.ventanas[Tuberia].textos, (QMap<QString, QString>{{t::Qproceso, "36"}}));
    }

    void refuses_what_is_not_a_case_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("causa");
        QTest::addColumn<QString>("mensaje"); // English, without the file's name
        // clang-format off
        QTest::newRow("not JSON")           << QByteArray("True\r\nFalse\r\n36\r\n") << int(Causa::NoEsJson) << "it is not a JSON file";
        QTest::newRow("empty")              << QByteArray() << int(Causa::NoEsJson) << "it is not a JSON file";
        QTest::newRow("an array")           << QByteArray("[1, 2]") << int(Causa::NoEsCaso) << "it is not a Vorlo case";
        QTest::newRow("other format")       << QByteArray(R"({"format": "x", "version": 1})") << int(Causa::NoEsCaso) << "it is not a Vorlo case";
        QTest::newRow("no format")          << QByteArray(R"({"version": 1})") << int(Causa::NoEsCaso) << "it is not a Vorlo case";
        QTest::newRow("newer version")      << QByteArray(R"({"format": "vorlo-case", "version": 2})") << int(Causa::VersionNueva)
                                            << "it was made by a newer Vorlo (format version 2; this program reads up to 1)";
        QTest::newRow("version as text")    << QByteArray(R"({"format": "vorlo-case", "version": "1"})") << int(Causa::TipoNoValido) << "\"version\" is not of the expected type";
        QTest::newRow("version 1.5")        << QByteArray(R"({"format": "vorlo-case", "version": 1.5})") << int(Causa::TipoNoValido) << "\"version\" is not of the expected type";
        QTest::newRow("language fr")        << QByteArray(R"({"format": "vorlo-case", "version": 1, "language": "fr"})") << int(Causa::TipoNoValido) << "\"language\" is not of the expected type";
        QTest::newRow("window not object")  << conCampo("gas", "[]") << int(Causa::TipoNoValido) << "\"gas\" is not of the expected type";
        QTest::newRow("option not bool")    << conCampo("pipe", R"({"options": {"Option1": "true"}})") << int(Causa::TipoNoValido) << "\"pipe.options.Option1\" is not of the expected type";
        QTest::newRow("text not string")    << conCampo("pipe", R"({"fields": {"dint": 100}})") << int(Causa::TipoNoValido) << "\"pipe.fields.dint\" is not of the expected type";
        QTest::newRow("letters in a number")<< conCampo("pipe", R"({"fields": {"dint": "100 mm"}})") << int(Causa::TextoNoValido) << "Internal Diameter (\"pipe.fields.dint\"): \"100 mm\" is not a number";
        QTest::newRow("point typed")        << conCampo("water", R"({"fields": {"TAgua": "1.5"}})") << int(Causa::TextoNoValido) << "Temperature (\"water.fields.TAgua\"): \"1.5\" is not a number";
        QTest::newRow("unknown method")     << conCampo("fittings", R"({"fields": {"MetodoK": "5k"}})") << int(Causa::TextoNoValido) << "K method (\"fittings.fields.MetodoK\"): \"5k\" is not one of its choices";
        QTest::newRow("control character")  << conCampo("pipe", "{\"fields\": {\"LabelTuberia\": \"4\\u0007\"}}") << int(Causa::TextoNoValido) << "Pipe (\"pipe.fields.LabelTuberia\"): \"4\\u0007\" is not a text it takes";
        QTest::newRow("a letter O for a zero") << conCampo("pipe", R"({"fields": {"L": "25O"}})") << int(Causa::TextoNoValido) << "Length (\"pipe.fields.L\"): \"25O\" is not a number";
        // clang-format on
    }
    void refuses_what_is_not_a_case() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, causa);
        QFETCH(QString, mensaje);
        const auto leido = interpretar(bytes);
        QVERIFY(std::holds_alternative<ErrorArchivo>(leido));
        ErrorArchivo e = std::get<ErrorArchivo>(leido);
        QCOMPARE(int(e.causa), causa);
        e.ruta = QStringLiteral("/casos/linea 7.vorlo");
        QCOMPARE(e.texto(kIngles),
                 QStringLiteral("The file \"/casos/linea 7.vorlo\" could not be opened: %1.")
                     .arg(mensaje));
        QVERIFY(
            e.texto(kEspanol).startsWith("No se pudo abrir el archivo \"/casos/linea 7.vorlo\""));
    }

    // A numeric field takes what typing gives and what the program writes, nothing else.
    void numeric_texts_the_fields_hold_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("acepta");
        // clang-format off
        QTest::newRow("empty") << "" << true;
        QTest::newRow("typed") << "0,001" << true;
        QTest::newRow("half typed") << "1-2," << true;
        QTest::newRow("grouped result") << "127.065" << true;
        QTest::newRow("catalogue viscosity") << "1,8198E-05" << true;
        QTest::newRow("typed point") << "1.5" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("blank inside") << "1 5" << false;
        QTest::newRow("backspace") << QString(QChar(8)) << false;
        QTest::newRow("too long") << QString(32768, u'1') << false;
        // clang-format on
    }
    void numeric_texts_the_fields_hold() {
        QFETCH(QString, texto);
        QFETCH(bool, acepta);
        QCOMPARE(textoAceptable(Tipo::Numero, texto), acepta);
    }

    // Files: the safe save, and what is too large or missing.
    void files_are_saved_and_refused_safely() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("linea.vorlo");
        QVERIFY(!guardar(ruta, completo()));
        QCOMPARE(std::get<Caso>(leer(ruta)), completo());
        QVERIFY(esCaso(ruta) && esCaso("X.VORLO") && !esCaso("x.vrq") && !esCaso("vorlo"));

        prueba::escribirBytes(dir.filePath("grande.vorlo"), QByteArray((1 << 20) + 1, ' '));
        const auto grande = leer(dir.filePath("grande.vorlo"));
        QCOMPARE(std::get<ErrorArchivo>(grande).causa, Causa::CasoDemasiadoGrande);
        QCOMPARE(std::get<ErrorArchivo>(leer(dir.filePath("no.vorlo"))).causa, Causa::NoExiste);
        // A path below a regular file cannot be written; the earlier case stays.
        prueba::escribirBytes(dir.filePath("plano"), "x");
        QVERIFY(guardar(dir.filePath("plano/linea.vorlo"), completo()).has_value());
        QCOMPARE(std::get<Caso>(leer(ruta)), completo());
    }

    // Every window's schema comes from its field table: the pipe's inputs, never its results.
    void schemas_follow_the_field_tables() {
        const Esquema *e = esquema(Tuberia);
        QVERIFY(e);
        QVERIFY(e->opciones.contains(tuberia::CheckExacto));
        for (const Campo &c : tuberia::campos().campos())
            QCOMPARE(e->textos.contains(c.nombre), c.rol == Rol::Entrada);
        QCOMPARE(e->textos.value(tuberia::LabelTuberia), Tipo::Texto);
    }
};

VORLO_PRUEBA(TestCaseFile, SinAplicacion)
#include "tst_case_file.moc"
