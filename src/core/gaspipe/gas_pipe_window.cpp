#include "gas_pipe_window.h"

#include "fields/numbers.h"
#include "gaspipe/gas_pipe_fields.h"
#include "gaspipe/gas_pipe_notes.h"

namespace vorlo::gasoducto {

namespace {

namespace c = campos;

constexpr double kMmPorM = 1000;
constexpr double kSegundosPorHora = 3600;

} // namespace

bool calculaCaudal(const CamposTexto &campos) {
    return !campos.opcion(c::OpcionP2Gasoducto);
}

std::optional<Entradas> leerEntradas(const CamposTexto &campos) {
    const auto ec = c::ecuacionDe(campos.texto(c::EcuacionGasoducto));
    if (!ec)
        return std::nullopt;
    auto v = [&campos](const QString &n) { return leerNumero(campos.texto(n)); };
    Entradas e;
    e.ecuacion = *ec;
    e.sg = v(c::SGGasoducto);
    e.tC = v(c::TGasoducto);
    e.z = v(c::ZGasoducto);
    e.gamma = v(c::GammaGasoducto);
    e.viscosidad = v(c::ViscGasoducto);
    e.dMm = v(c::DGasoducto);
    e.l = v(c::LGasoducto);
    e.rugosidadMm = v(c::RugGasoducto);
    e.e = v(c::EGasoducto);
    e.tbC = v(c::TbGasoducto);
    e.pbBar = v(c::PbGasoducto);
    e.cErosional = v(c::CErosionalGasoducto);
    e.p1Bar = v(c::P1Gasoducto);
    if (calculaCaudal(campos))
        e.p2Bar = v(c::P2Gasoducto);
    else
        e.qSm3h = v(c::QGasoducto);
    return e;
}

std::optional<Datos> datosDe(const Entradas &e) {
    if (!e.sg || !e.tC || !e.z || !e.dMm || !e.l || !e.p1Bar)
        return std::nullopt;
    Datos d;
    d.ecuacion = e.ecuacion;
    d.sg = *e.sg;
    d.tK = *e.tC + kCeroAbsolutoK;
    d.z = *e.z;
    d.gamma = e.gamma.value_or(limites::kGammaDefecto);
    d.viscosidad = e.viscosidad;
    d.dint = *e.dMm / kMmPorM;
    d.longitud = *e.l;
    if (e.rugosidadMm)
        d.rugosidad = *e.rugosidadMm / kMmPorM;
    d.eficiencia = e.e;
    d.tBaseK = e.tbC.value_or(kTBaseK - kCeroAbsolutoK) + kCeroAbsolutoK;
    d.pBase = e.pbBar.value_or(kPBase / kPaPorBar) * kPaPorBar;
    d.cErosional = e.cErosional.value_or(limites::kCErosionalContinuo);
    d.p1 = *e.p1Bar * kPaPorBar;
    if (e.p2Bar)
        d.p2 = *e.p2Bar * kPaPorBar;
    if (e.qSm3h)
        d.caudal = *e.qSm3h / kSegundosPorHora;
    return d;
}

Salidas calcular(const Entradas &e) {
    Salidas s;
    s.datos = datosDe(e);
    if (!s.datos)
        return s;
    s.comparacion = comparar(*s.datos);
    for (std::size_t i = 0; i < kEcuaciones.size(); ++i)
        if (kEcuaciones[i] == e.ecuacion)
            s.resultado = s.comparacion[i];
    return s;
}

std::optional<double> valorCampo(const QString &campo, const Resultado &r) {
    if (!r.valido())
        return std::nullopt;
    const std::pair<const QString &, double> valores[] = {
        {c::QGasoducto, r.caudal * kSegundosPorHora},
        {c::P2Gasoducto, r.p2 / kPaPorBar},
        {c::MasaGasoducto, r.masico * kSegundosPorHora},
        {c::Densidad1Gasoducto, r.entrada.densidad},
        {c::Densidad2Gasoducto, r.salida.densidad},
        {c::V1Gasoducto, r.entrada.limites.velocidad},
        {c::V2Gasoducto, r.salida.limites.velocidad},
        {c::SonidoGasoducto, r.sonido},
        {c::Mach1Gasoducto, r.entrada.limites.mach},
        {c::Mach2Gasoducto, r.salida.limites.mach},
        {c::Ve1Gasoducto, r.entrada.limites.erosional},
        {c::Ve2Gasoducto, r.salida.limites.erosional},
    };
    for (const auto &[nombre, x] : valores)
        if (nombre == campo)
            return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
    return std::nullopt;
}

Salidas calcularCampos(CamposTexto &campos, Lengua lengua) {
    const std::optional<Entradas> e = leerEntradas(campos);
    const Salidas s = e ? calcular(*e) : Salidas{};
    const QString escrito = calculaCaudal(campos) ? c::QGasoducto : c::P2Gasoducto;
    for (const Campo &f : c::tabla().campos()) {
        if (f.rol != Rol::Resultado && f.nombre != escrito)
            continue;
        const std::optional<double> x = s.datos ? valorCampo(f.nombre, s.resultado) : std::nullopt;
        const std::optional<QString> t = x ? f.formato.aplicar(*x) : std::nullopt;
        campos.escribir(f.nombre, t.value_or(QString()));
    }
    const TextoBilingue nota = s.datos ? textoNota(s.resultado) : TextoBilingue{};
    campos.escribir(c::NotaGasoducto, nota.en(lengua));
    campos.escribirColor(c::NotaGasoducto,
                         nota.espanol.isEmpty() ? ColorNota::Normal : ColorNota::Rojo);
    return s;
}

} // namespace vorlo::gasoducto
