#include "form_valvula.h"

#include "app/valve_entry.h"
#include "app/water_entry.h"
#include "fields/numbers.h"
#include "valve/valve_fields.h"
#include "valve/valve_styles.h"
#include "water/water_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlo {

namespace {

namespace v = valvula;

const QStringList kSoloLiquido = {v::DensidadValv, v::PsatValv, v::PcValv};
// T1 stays open for a liquid too: "Water and steam…" reads it.
const QStringList kSoloGas = {v::MValv, v::GammaValv, v::ZValv, v::xTValv};

QString seis(double x) {
    return formatoSignificativo(x, 6).value_or(QString());
}

} // namespace

FormValvula::FormValvula(QWidget *parent)
    : VentanaTabla(v::camposValvula(), QStringLiteral("FormValvula"), caso::Valvula, parent) {
    m_agua = new QPushButton(this);
    m_agua->setObjectName(QStringLiteral("CommandAguaValv"));
    QGridLayout *fluido = rejilla(0);
    int fila = 0, columna = 0, filas = 0, columnas = 0;
    fluido->getItemPosition(fluido->indexOf(caja(v::TValv)), &fila, &columna, &filas, &columnas);
    fluido->addWidget(m_agua, fila, 3);
    connect(m_agua, &QPushButton::clicked, this, &FormValvula::llenarAgua);
    m_notaAgua = new QLabel(this);
    m_notaAgua->setObjectName(QStringLiteral("NotaAguaValv"));
    m_notaAgua->setWordWrap(true);
    fluido->addWidget(m_notaAgua, fluido->rowCount(), 0, 1, 5);
    anadirTextos({{m_agua->objectName(), TextoControl::Texto, kBotonAguaVapor.espanol,
                   kBotonAguaVapor.ingles},
                  {m_agua->objectName(), TextoControl::Tooltip,
                   QStringLiteral("Densidad, viscosidad y presión de vapor del agua a T1 y P1 "
                                  "(IAPWS-IF97); Pc = 220,64 bar a"),
                   QStringLiteral("Density, viscosity and vapour pressure of water at T1 and P1 "
                                  "(IAPWS-IF97); Pc = 220.64 bar a")}});
    // The styles' names are long: the list spans the unit column too.
    QGridLayout *valvula = rejilla(1);
    QComboBox *estilos = lista(v::EstiloValv);
    valvula->getItemPosition(valvula->indexOf(estilos), &fila, &columna, &filas, &columnas);
    valvula->removeWidget(estilos);
    valvula->addWidget(estilos, fila, 1, 1, 4);
    m_estilo = texto(v::EstiloValv);
    recalcular();
}

void FormValvula::cargarParte(const caso::Ventana &parte) {
    m_cargando = true;
    VentanaTabla::cargarParte(parte);
    m_cargando = false;
}

void FormValvula::mostrarFluido() {
    const bool gas = v::fluidoDe(*this) == v::Fluido::Gas;
    const std::pair<const QStringList &, bool> grupos[] = {{kSoloLiquido, !gas}, {kSoloGas, gas}};
    for (const auto &[nombres, activo] : grupos)
        for (const QString &n : nombres) {
            caja(n)->setEnabled(activo);
            if (auto *r = findChild<QLabel *>(v::camposValvula().campo(n)->etiqueta))
                r->setEnabled(activo);
        }
    m_agua->setEnabled(!gas);
}

// A style newly chosen writes its typical factors; typed over, the typed ones count.
void FormValvula::aplicarEstilo() {
    const QString actual = texto(v::EstiloValv);
    if (actual == m_estilo)
        return;
    m_estilo = actual;
    const v::EstiloValvula *e = v::estilo(actual);
    if (m_cargando || !e || e->fl <= 0)
        return;
    escribir(v::FLValv, formatoPlano(e->fl).value_or(QString()));
    escribir(v::FdValv, formatoPlano(e->fd).value_or(QString()));
    escribir(v::xTValv, formatoPlano(e->xt).value_or(QString()));
}

void FormValvula::calcular() {
    aplicarEstilo();
    mostrarFluido();
    v::calcularValvula(*this, lengua());
}

void FormValvula::llenarAgua() {
    const Lengua l = lengua();
    const std::optional<double> t = valor(v::TValv);
    const std::optional<double> p = valor(v::P1Valv);
    if (!t || !p) {
        m_notaAgua->setText(l == Lengua::Espanol
                                ? QStringLiteral("Escriba T1 y P1 para tomar el agua a esa "
                                                 "temperatura y presión.")
                                : QStringLiteral("Type T1 and P1 to take water at that "
                                                 "temperature and pressure."));
        return;
    }
    const agua::ResultadoAgua r = agua::estadoAgua(*t, *p);
    if (const auto *limite = std::get_if<agua::LimiteAgua>(&r)) {
        m_notaAgua->setText(agua::mensajeLimite(*limite).en(l));
        return;
    }
    const auto &e = std::get<agua::EstadoAgua>(r);
    if (e.fase != agua::Fase::Liquido || !e.presionSaturacion) {
        m_notaAgua->setText(l == Lengua::Espanol
                                ? QStringLiteral("A T1 y P1 el agua no es líquida.")
                                : QStringLiteral("At T1 and P1 the water is not a liquid."));
        return;
    }
    m_notaAgua->clear();
    escribir(v::DensidadValv, seis(e.densidad));
    escribir(v::ViscValv, seis(e.viscosidadDinamica));
    escribir(v::PsatValv, seis(*e.presionSaturacion));
    escribir(v::PcValv, formatoPlano(v::kPcAgua).value_or(QString()));
}

void FormValvula::recibir(const EntregaValvula &e) {
    fijarOpcion(e.gas ? v::OptionGasValv : v::OptionLiquidoValv, true);
    if (!e.viscosidad.isEmpty())
        escribir(v::ViscValv, e.viscosidad);
    if (!e.gas) {
        if (!e.caudal.isEmpty())
            escribir(v::QValv, e.caudal);
        if (!e.densidad.isEmpty())
            escribir(v::DensidadValv, e.densidad);
        return;
    }
    // Actual to normal m3/h: Qn = Q·P1·Tn / (Z·T1·Pn), the molar mass cancelling.
    const std::optional<double> q = leerNumero(e.caudal);
    const std::optional<double> p1 = valor(v::P1Valv);
    const std::optional<double> t1 = valor(v::TValv);
    const std::optional<double> z = valor(v::ZValv);
    if (q && p1 && t1 && z && *z > 0 && *t1 > -273.15)
        escribir(v::QValv, seis(*q * *p1 * 273.15 / (*z * (*t1 + 273.15) * 1.01325)));
}

} // namespace vorlo
