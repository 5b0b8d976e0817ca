#include "app/dialogos_archivo.h"
#include "app/globals.h"
#include "app/moody_entry.h"
#include "fields/language.h"
#include "moody/form_moody.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChartView>
#include <QGraphicsItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLineSeries>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../support/runner.h"

#include "../support/file_helpers.h"
#include "../support/gui_fixture.h"
#include <algorithm>
#include <cmath>

using namespace vorlo;
using prueba::control;

namespace {

const EstadoMoody kEjemplo{"127.065", ",0197", "0,05", "100", ",019732"};
const EstadoMoody kLiso{"10.000.000", ",0100", "0", "100", ",008103"};
const EstadoMoody kRugoso{"3.000", ",1000", "20", "100", ",159827"};
const EstadoMoody kLaminar{"150", ",4267", "0,05", "100", ""};

FormMoody *moody() {
    return ventanas().existente<FormMoody>();
}
QChart *grafico() {
    return control<QChartView>(moody(), "GraficoMoody")->chart();
}
template <class S = QXYSeries> S *serie(const QString &nombre) {
    for (QAbstractSeries *s : grafico()->series())
        if (s->objectName() == nombre)
            return qobject_cast<S *>(s);
    return nullptr;
}

// The f of a curve at Re, by linear interpolation between its points in chart coordinates.
double leerCurva(const QXYSeries *s, double re) {
    const double x = std::log10(re);
    const QList<QPointF> p = s->points();
    for (qsizetype i = 1; i < p.size(); ++i)
        if (p[i].x() >= x)
            return std::pow(10.0, p[i - 1].y() + (x - p[i - 1].x()) / (p[i].x() - p[i - 1].x()) *
                                                     (p[i].y() - p[i - 1].y()));
    return NAN;
}

// A marker is shown where its chart coordinates map to, inside the plot.
bool visible(const QAbstractGraphicsShapeItem *marca, const QPointF &coordenadas) {
    const QPointF donde = grafico()->mapToPosition(coordenadas, grafico()->series().first());
    return marca->isVisible() && (marca->pos() - donde).manhattanLength() < 0.5 &&
           grafico()->plotArea().contains(marca->pos());
}

// Every point the chart draws lines through.
QList<QList<QPointF>> puntosDeLineas() {
    QList<QList<QPointF>> p;
    for (QAbstractSeries *s : grafico()->series())
        if (auto *l = qobject_cast<QLineSeries *>(s))
            p << l->points();
    return p;
}

} // namespace

Q_DECLARE_METATYPE(vorlo::EstadoMoody)

class TestMoody : public prueba::PruebaGui {
    Q_OBJECT

    DialogosArchivoGrabados m_dialogos;

    static QString estado() { return prueba::etiqueta(moody(), "EstadoMoody"); }
    static QCategoryAxis *eje(const char *n) { return control<QCategoryAxis>(grafico(), n); }
    static QXYSeries *curva(int i) { return serie(QStringLiteral("Curva(%1)").arg(i)); }
    // The texts the chart shows, each with the rectangle it takes in the scene.
    static QList<std::pair<QString, QRectF>> textosVistos() {
        QList<std::pair<QString, QRectF>> l;
        for (QGraphicsItem *i : grafico()->scene()->items()) {
            if (!i->isVisible())
                continue;
            if (auto *s = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(i))
                l.append({s->text(), i->sceneBoundingRect()});
            else if (auto *t = qgraphicsitem_cast<QGraphicsTextItem *>(i))
                l.append({t->toPlainText(), i->sceneBoundingRect()});
        }
        return l;
    }
    static bool enLeyenda(const QString &texto) {
        const auto vistos = textosVistos();
        return std::any_of(vistos.begin(), vistos.end(),
                           [&](const auto &v) { return v.first == texto; });
    }

  public:
    TestMoody() : PruebaGui(kIngles) {}

  protected:
    void alEmpezar() override {
        m_dialogos = DialogosArchivoGrabados();
        fijarDialogosArchivo(&m_dialogos);
    }
    void alTerminar() override { fijarDialogosArchivo(nullptr); }

  private slots:
    void chart_has_its_curves_and_bands() {
        abrirMoody(kEjemplo);
        const QStringList nombres = {"smooth", "0,000001", "0,000005", "0,00001", "0,00005",
                                     "0,0001", "0,0002",   "0,0005",   "0,001",   "0,002",
                                     "0,005",  "0,01",     "0,02",     "0,05"};
        for (int i = 0; i < nombres.size(); ++i) {
            QCOMPARE(curva(i)->name(), nombres[i]);
            // From Re 2000, where the calculation starts using Colebrook, to beyond 1e12.
            QCOMPARE(curva(i)->at(0).x(), std::log10(2000.0));
            QVERIFY(curva(i)->count() > 100 && curva(i)->points().last().x() >= 12);
        }
        // 14 curves, the laminar line, the own curve and three bands.
        QCOMPARE(grafico()->series().size(), 19);
        // Published roots read off the curves, and the fully rough end of the roughest.
        for (const auto &[i, re, f] : {std::tuple(0, 1e5, 0.017990), std::tuple(5, 1e5, 0.018514),
                                       std::tuple(13, 1e8, 0.071551)})
            QVERIFY2(std::fabs(leerCurva(curva(i), re) / f - 1) < 1e-3, qPrintable(nombres[i]));
        const auto *laminar = serie(QStringLiteral("Laminar")); // 64/Re up to 2000
        QCOMPARE(laminar->points().last(), QPointF(std::log10(2000.0), std::log10(0.032)));
        QVERIFY(std::fabs(leerCurva(laminar, 1000) - 0.064) < 1e-12);
        QCOMPARE(serie<QAreaSeries>("FueraMallaInferior")->upperSeries()->at(0).y(), -2.0);
        QCOMPARE(serie<QAreaSeries>("FueraMallaSuperior")->lowerSeries()->at(0).y(), -1.0);
        QCOMPARE(QList<double>({eje("EjeRe")->min(), eje("EjeRe")->max(), eje("EjeF")->min(),
                                eje("EjeF")->max()}),
                 QList<double>({std::log10(500.0), 8.0, std::log10(0.006), -1.0}));
        // The own curve is the curve of the window's e/D: for 0,0005 the labelled one.
        auto *propia = serie(QStringLiteral("CurvaPropia"));
        QCOMPARE(propia->points(), curva(7)->points());
        actualizarMoody(kLiso);
        QCOMPARE(propia->points(), curva(0)->points());
        actualizarMoody(EstadoMoody{"127.065", ",0197", "", "100", ""});
        QCOMPARE(propia->count(), 0);
    }

    // An update moves the markers; a state without a valid Re or f shows no point and no "nan".
    void update_moves_the_markers_data() {
        QTest::addColumn<EstadoMoody>("e");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("f");      // 0: no point
        QTest::addColumn<double>("exacta"); // 0: no root
        QTest::addColumn<QString>("texto");
        const QString resto = "f = ,0197   ε/D = 0,0005";
        // clang-format off
        QTest::newRow("worked example, the root within 1 %") << kEjemplo << 127065.0 << 0.0197 << 0.0 << "Re = 127.065   f = ,0197   ε/D = 0,0005";
        QTest::newRow("smooth Re 1e7, clipped below") << kLiso << 1e7 << 0.01 << 0.008103 << "Re = 10.000.000   f = ,0100   ε/D = 0";
        QTest::newRow("rough at Re 3000, clipped above") << kRugoso << 3000.0 << 0.1 << 0.159827 << "Re = 3.000   f = ,1000   ε/D = 0,2";
        QTest::newRow("laminar") << kLaminar << 150.0 << 0.4267 << 0.0 << "Re = 150   f = ,4267   ε/D = 0,0005";
        QTest::newRow("odd roughness") << EstadoMoody{"50.000", ",0300", "0,045", "108,2", ",029999"} << 50000.0 << 0.03 << 0.0
                                       << "Re = 50.000   f = ,0300   ε/D = 0,0004159";
        QTest::newRow("nothing")         << EstadoMoody{} << 0.0 << 0.0 << 0.0 << "";
        QTest::newRow("Re not a number") << EstadoMoody{"1-2", ",0197", "0,05", "100", ",019732"} << 0.0 << 0.0 << 0.0 << resto;
        QTest::newRow("Re overflows")    << EstadoMoody{"1e999", ",0197", "0,05", "100", ""} << 0.0 << 0.0 << 0.0 << resto;
        QTest::newRow("Re 0")            << EstadoMoody{"0", ",0197", "0,05", "100", ""} << 0.0 << 0.0 << 0.0 << "Re = 0   " + resto;
        QTest::newRow("Re beyond the chart") << EstadoMoody{"1.000.000.000.000.000", ",0100", "0", "100", ""} << 0.0 << 0.0 << 0.0
                                             << "Re = 1.000.000.000.000.000   f = ,0100   ε/D = 0";
        QTest::newRow("f inf")           << EstadoMoody{"127.065", "inf", "0,05", "100", ""} << 0.0 << 0.0 << 0.0 << "Re = 127.065   ε/D = 0,0005";
        // Without the grid value the exact root alone is still a point.
        QTest::newRow("no f, exact root") << EstadoMoody{"127.065", "", "0,05", "100", ",019732"} << 127065.0 << 0.0 << 0.019732 << "Re = 127.065   ε/D = 0,0005";
        QTest::newRow("negative roughness") << EstadoMoody{"127.065", "", "-0,05", "100", ""} << 0.0 << 0.0 << 0.0 << "Re = 127.065";
        // clang-format on
    }
    void update_moves_the_markers() {
        QFETCH(EstadoMoody, e);
        QFETCH(double, re);
        QFETCH(double, f);
        QFETCH(double, exacta);
        abrirMoody(EstadoMoody{"20.000", ",0300", "0,5", "100", ",030111"}); // something to move
        const QList<QPointF> puntos13 = curva(13)->points();
        actualizarMoody(e);
        // The curves are built once: an update moves the markers only.
        QCOMPARE(grafico()->series().size(), 19);
        QCOMPARE(curva(13)->points(), puntos13);
        const QPointF punto(std::log10(re), std::log10(f)),
            raiz(std::log10(re), std::log10(exacta));
        QCOMPARE(moody()->puntoOperacion(), f > 0 ? std::optional(punto) : std::nullopt);
        QCOMPARE(moody()->raizExacta(), exacta > 0 ? std::optional(raiz) : std::nullopt);
        QCOMPARE(enLeyenda("Operating point (Re, f)"), f > 0);
        QCOMPARE(enLeyenda("Exact Colebrook root"), exacta > 0);
        moody()->resize(moody()->size() + QSize(40, 30)); // the markers follow the plot's layout
        QCoreApplication::processEvents();
        QVERIFY(f > 0 ? visible(moody()->marcaPunto(), punto)
                      : !moody()->marcaPunto()->isVisible());
        QVERIFY(exacta > 0 ? visible(moody()->marcaRaiz(), raiz)
                           : !moody()->marcaRaiz()->isVisible());
        QTEST(estado(), "texto");
        QVERIFY(!prueba::muestraNoNumero(estado()));
        if (f == 0 && exacta == 0) // with no point outside it, the view is the usual one
            QCOMPARE(eje("EjeRe")->min(), std::log10(500.0));
    }

    // At the window's default size every legend entry reads whole, in both languages, clear of
    // the plot and of every other text; an f axis taken above 0,1 for a very rough pipe (ε/D
    // 0,14) carries captions there, like the rest of the axis.
    void legend_and_extended_axis_read_whole_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("leyenda");
        QTest::newRow("es") << kEspanol << QStringList{"Zona de transición 2000–4000",
                                                       "Fuera de la malla 0,01–0,1",
                                                       "Laminar 64/Re",
                                                       "ε/D de la tubería = 0,14",
                                                       "Raíz exacta de Colebrook",
                                                       "Punto de funcionamiento (Re, f)"};
        QTest::newRow("en") << kIngles << QStringList{"Transition zone 2000–4000",
                                                      "Outside the grid 0,01–0,1",
                                                      "Laminar 64/Re",
                                                      "Pipe's ε/D = 0,14",
                                                      "Exact Colebrook root",
                                                      "Operating point (Re, f)"};
    }
    void legend_and_extended_axis_read_whole() {
        QFETCH(QString, idioma);
        QFETCH(QStringList, leyenda);
        Idioma = idioma;
        abrirMoody(EstadoMoody{"100.000", ",1000", "14", "100", ",1235"});
        QCOMPARE(moody()->size(), QSize(980, 700));
        QCoreApplication::processEvents();
        const QRectF marco = grafico()->mapRectToScene(grafico()->rect());
        const QRectF trazado = grafico()->mapRectToScene(grafico()->plotArea());
        const auto vistos = textosVistos();
        for (const QString &texto : leyenda) {
            const auto es = [&](const auto &v) { return v.first == texto; };
            const auto it = std::find_if(vistos.begin(), vistos.end(), es);
            QVERIFY2(it != vistos.end(), qPrintable(texto));
            QVERIFY2(marco.contains(it->second) && !it->second.intersects(trazado),
                     qPrintable(texto));
            for (const auto &otro : vistos)
                QVERIFY2(&otro == &*it || !otro.second.intersects(it->second),
                         qPrintable(texto + " / " + otro.first));
        }
        QCategoryAxis *f = eje("EjeF");
        QVERIFY(f->max() > std::log10(0.1235));
        QStringList encima; // the captions above 0,1
        for (QString l : f->categoriesLabels())
            if (f->endValue(l) > -1 + 1e-9 && !l.remove(QChar(0x200B)).isEmpty())
                encima << l;
        QVERIFY2(!encima.isEmpty(), qPrintable(QString::number(f->max())));
        QVERIFY(visible(moody()->marcaRaiz(), {5, std::log10(0.1235)}));
    }

    void saving_writes_the_image_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QString>("nombre"); // empty: the dialog cancelled
        QTest::addColumn<bool>("filtroSvg");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("mensaje");
        // clang-format off
        QTest::newRow("png")                      << kIngles << "moody.png" << false << "moody.png" << "";
        QTest::newRow("SVG upper case")           << kIngles << "MOODY.SVG" << false << "MOODY.SVG" << "";
        QTest::newRow("no extension, PNG chosen") << kIngles << "moody" << false << "moody.png" << "";
        QTest::newRow("no extension, SVG chosen") << kIngles << "moody" << true << "moody.svg" << "";
        QTest::newRow("other extension")          << kIngles << "moody.jpg" << false << "moody.jpg.png" << "";
        QTest::newRow("cancelled")                << kIngles << "" << false << "" << "";
        QTest::newRow("below a file, en png")     << kIngles << "plain/moody.png" << false << "" << "The image could not be saved to %1";
        QTest::newRow("below a file, es svg")     << kEspanol << "plain/moody.svg" << false << "" << "No se ha podido guardar la imagen en %1";
        // clang-format on
    }
    void saving_writes_the_image() {
        QFETCH(QString, idioma);
        QFETCH(QString, nombre);
        QFETCH(bool, filtroSvg);
        QFETCH(QString, escrito);
        QFETCH(QString, mensaje);
        QTemporaryDir dir;
        prueba::escribirBytes(dir.filePath("plain"), "x");
        Idioma = idioma;
        abrirMoody(kLiso);
        const QList<QList<QPointF>> antes = puntosDeLineas();
        const QString ruta = dir.filePath(nombre);
        if (!nombre.isEmpty())
            m_dialogos.respuesta = DialogosArchivo::Eleccion{ruta, filtroSvg ? "SVG image (*.svg)"
                                                                             : "PNG image (*.png)"};
        prueba::pulsar(moody(), "CommandGuardarImagen");
        QCOMPARE(m_dialogos.preguntas.size(), 1);
        if (idioma == kIngles)
            QCOMPARE(m_dialogos.preguntas[0].titulo + ": " +
                         m_dialogos.preguntas[0].filtros.join(';'),
                     "Save image: PNG image (*.png);SVG image (*.svg)");
        QCOMPARE(mensajes.cajas.size(), mensaje.isEmpty() ? 0 : 1);
        if (!mensaje.isEmpty()) {
            QCOMPARE(mensajes.cajas[0].titulo + ": " + mensajes.cajas[0].texto,
                     "Vorlo: " + mensaje.arg(QDir::toNativeSeparators(ruta)));
            QCOMPARE(mensajes.cajas[0].icono, Mensajes::Icono::Exclamacion);
        }
        QCOMPARE(prueba::listado(dir.path()),
                 (escrito.isEmpty() ? QStringList() : QStringList{escrito}) << "plain");
        const QByteArray datos = prueba::bytesDe(dir.filePath(escrito));
        if (escrito.endsWith("svg", Qt::CaseInsensitive)) { // drawn as lines, not as a picture
            QVERIFY(datos.contains("<svg") && datos.contains("<polyline") &&
                    !datos.contains("<image"));
        } else if (!escrito.isEmpty()) {
            QCOMPARE(QImage::fromData(datos, "PNG").size(),
                     control<QChartView>(moody(), "GraficoMoody")->size());
        }
        // The window's chart is as it was (the SVG is drawn from curves cut to the view).
        QCOMPARE(puntosDeLineas(), antes);
    }

    void texts_in_the_language_when_opened_data() {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("textos"); // title, button, Re axis, smooth, own curve
        // clang-format off
        QTest::newRow("es") << kEspanol << QStringList{"Diagrama de Moody", "Guardar imagen…", "Número de Reynolds Re", "liso", "ε/D de la tubería = 0,0005"};
        QTest::newRow("en") << kIngles << QStringList{"Moody chart", "Save image…", "Reynolds number Re", "smooth", "Pipe's ε/D = 0,0005"};
        // clang-format on
    }
    // One window: a second opening or an update keeps it and its texts; closed, it is discarded
    // and updates create nothing; opened again it starts afresh, in the language of that moment.
    void texts_in_the_language_when_opened() {
        QFETCH(QString, idioma);
        QFETCH(QStringList, textos);
        Idioma = idioma;
        abrirMoody(kEjemplo);
        FormMoody *primera = moody();
        const auto leer = [] {
            return QStringList{moody()->windowTitle(),
                               control<QPushButton>(moody(), "CommandGuardarImagen")->text(),
                               eje("EjeRe")->titleText(), curva(0)->name(),
                               serie(QStringLiteral("CurvaPropia"))->name()};
        };
        QCOMPARE(leer(), textos);
        Idioma = idioma == kEspanol ? kIngles : kEspanol;
        abrirMoody(kLiso);
        QCOMPARE(moody(), primera);
        QCOMPARE(moody()->puntoOperacion(), QPointF(7, std::log10(0.01)));
        actualizarMoody(kEjemplo);
        QCOMPARE(leer(), textos);
        primera->close();
        prueba::borrarDiferidos();
        actualizarMoody(kEjemplo);
        QVERIFY(!moody());
        abrirMoody(kRugoso);
        QVERIFY(moody()->windowTitle() != textos[0]);
        QCOMPARE(estado(), "Re = 3.000   f = ,1000   ε/D = 0,2");
    }
};

VORLO_PRUEBA(TestMoody, Ventanas)
#include "tst_moody.moc"
