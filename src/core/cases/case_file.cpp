#include "case_file.h"

#include "cases/report_header.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "files/safe_save.h"
#include "fittings/fitting_rows.h"
#include "fittings/fittings_fields.h"
#include "fittings/k_factors.h"
#include "fittings/k_metodos.h"
#include "gas/gas_fields.h"
#include "gas/gas_state.h"
#include "gasline/gas_line_fields.h"
#include "gaspipe/gas_pipe_fields.h"
#include "line/line_fields.h"
#include "pipeflow/pipe_erosional.h"
#include "pipeflow/pipe_fields.h"
#include "sizing/sizing_fields.h"
#include "valve/valve_fields.h"
#include "water/water_fields.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace vorlo::caso {

namespace {

using archivos::ErrorArchivo;
using Causa = ErrorArchivo::Causa;

const QString kClaveFormato = QStringLiteral("format");
const QString kClaveVersion = QStringLiteral("version");
const QString kClaveIdioma = QStringLiteral("language");
const QString kClaveOpciones = QStringLiteral("options");
const QString kClaveTextos = QStringLiteral("fields");
const QString kEs = QStringLiteral("es");
const QString kEn = QStringLiteral("en");
// A text box holds at most this many characters.
constexpr qsizetype kLongitudMaxima = 32767;

// A window's schema from its field table: its options, and the texts the user sets.
Esquema desdeTabla(const QString &clave, const TablaCampos &tabla,
                   const std::function<bool(const Campo &)> &guardado) {
    Esquema e{clave, {}, {}, {}};
    for (const Campo &o : tabla.opciones())
        e.opciones << o.nombre;
    for (const Campo &c : tabla.campos()) {
        if (!guardado(c))
            continue;
        e.textos.insert(c.nombre, c.tiene(EsTexto) ? Tipo::Texto : Tipo::Numero);
        e.rotulos.insert(c.nombre, c.rotuloNota());
        // A drop-down list holds one of its keys.
        if (!c.elecciones.isEmpty()) {
            QStringList claves;
            for (const Eleccion &el : c.elecciones)
                claves << el.clave;
            e.elecciones.insert(c.nombre, claves);
        }
    }
    return e;
}

Esquema conIniciales(Esquema e, QString (*inicial)(const QString &)) {
    for (auto it = e.textos.cbegin(); it != e.textos.cend(); ++it)
        if (const QString t = inicial(it.key()); !t.isEmpty())
            e.iniciales.insert(it.key(), t);
    return e;
}

bool entrada(const Campo &c) {
    return c.rol == Rol::Entrada;
}

Esquema esquemaAccesorios() {
    Esquema e{Accesorios, {}, {}, {}};
    for (int fila = 0; fila < accesorios::kFilas; ++fila) {
        e.textos.insert(accesorios::Naccesorios(fila), Tipo::Numero);
        e.textos.insert(accesorios::k(fila), Tipo::Numero);
        // "Elbow 90º (n)", "Elbow 90º (K)"; the user rows by their number.
        const TextoBilingue fitting =
            fila < filasAccesorios().size()
                ? filasAccesorios().at(fila).titulo
                : TextoBilingue{QStringLiteral("Accesorio %1").arg(fila + 1),
                                QStringLiteral("Fitting %1").arg(fila + 1)};
        const auto con = [&fitting](const char *que) {
            return TextoBilingue{fitting.espanol + QLatin1String(que),
                                 fitting.ingles + QLatin1String(que)};
        };
        e.rotulos.insert(accesorios::Naccesorios(fila), con(" (n)"));
        e.rotulos.insert(accesorios::k(fila), con(" (K)"));
    }
    e.rotulos.insert(accesorios::MetodoK,
                     {QStringLiteral("Método de K"), QStringLiteral("K method")});
    QStringList metodos;
    for (MetodoK m : kMetodosK)
        metodos << claveMetodoK(m);
    e.elecciones.insert(accesorios::MetodoK, metodos);
    return e;
}

// The pipe window's inputs, and the erosional velocity's constant C beside them.
Esquema esquemaTuberia() {
    Esquema e = desdeTabla(Tuberia, tuberia::campos(), [](const Campo &c) {
        return entrada(c) && (c.tiene(Caja) || c.tiene(EsTexto));
    });
    const Campo &c = *tuberia::camposErosional().campo(tuberia::CErosional);
    e.textos.insert(c.nombre, Tipo::Numero);
    e.rotulos.insert(c.nombre, c.rotulo);
    return e;
}

// The sizing window's inputs, with the pipe standard (by name) and schedule it sizes in.
Esquema esquemaDimensionado() {
    Esquema e = desdeTabla(Dimensionado, tablaDimensionado(), entrada);
    e.textos.insert(dimensionado::NormaDim, Tipo::Texto);
    e.textos.insert(dimensionado::CedulaDim, Tipo::Texto);
    return e;
}

QList<Esquema> construirEsquemas() {
    return {
        esquemaTuberia(),
        esquemaAccesorios(),
        conIniciales(desdeTabla(Gas, gas::tabla(), entrada), &gas::textoInicial),
        // Solving for P2 or for the flow, and with f given or not, turns results into inputs.
        desdeTabla(LineaGas, lineagas::campos::tabla(), [](const Campo &) { return true; }),
        desdeTabla(Agua, agua::camposAgua(), entrada),
        esquemaDimensionado(),
        // The segments are one text, a line each.
        desdeTabla(LineaBomba, linea::tabla(), entrada),
        desdeTabla(Gasoducto, gasoducto::campos::tabla(), entrada),
        desdeTabla(Valvula, valvula::camposValvula(), entrada),
        // The calculation note's header: free texts, line breaks allowed in the remarks.
        desdeTabla(Informe, informe::cabecera::tabla(), entrada),
    };
}

ErrorArchivo fallo(Causa causa, const QString &detalle = {}, int linea = 0) {
    ErrorArchivo e{causa, ErrorArchivo::Operacion::Abrir, QString()};
    e.detalle = detalle;
    e.linea = linea;
    return e;
}

QJsonObject aJson(const Ventana &v) {
    QJsonObject opciones;
    for (auto it = v.opciones.cbegin(); it != v.opciones.cend(); ++it)
        opciones.insert(it.key(), it.value());
    QJsonObject textos;
    for (auto it = v.textos.cbegin(); it != v.textos.cend(); ++it)
        textos.insert(it.key(), it.value());
    QJsonObject o;
    if (!opciones.isEmpty())
        o.insert(kClaveOpciones, opciones);
    o.insert(kClaveTextos, textos);
    return o;
}

// A text its field would not take: the field's caption, the text and what it takes instead.
ErrorArchivo textoRechazado(const Esquema &e, const QString &nombre, const QString &ruta,
                            const QString &texto) {
    using Espera = ErrorArchivo::Espera;
    ErrorArchivo error = fallo(Causa::TextoNoValido, ruta);
    error.rotulo = e.rotulos.value(nombre);
    error.valor = texto;
    if (e.elecciones.contains(nombre))
        error.espera = Espera::Eleccion;
    else
        error.espera = e.textos.value(nombre) == Tipo::Numero ? Espera::Numero : Espera::Texto;
    return error;
}

// A window's part of the file, checked against its schema; keys it does not know are ignored.
std::variant<Ventana, ErrorArchivo> ventanaDe(const Esquema &e, const QJsonValue &valor) {
    if (!valor.isObject())
        return fallo(Causa::TipoNoValido, e.clave);
    const QJsonObject o = valor.toObject();
    Ventana v;
    const QJsonValue opciones = o.value(kClaveOpciones);
    if (!opciones.isUndefined() && !opciones.isObject())
        return fallo(Causa::TipoNoValido, e.clave + QLatin1Char('.') + kClaveOpciones);
    for (const QString &n : e.opciones) {
        const QJsonValue b = opciones.toObject().value(n);
        if (b.isUndefined())
            continue;
        if (!b.isBool())
            return fallo(Causa::TipoNoValido,
                         QStringLiteral("%1.%2.%3").arg(e.clave, kClaveOpciones, n));
        v.opciones.insert(n, b.toBool());
    }
    const QJsonValue textos = o.value(kClaveTextos);
    if (!textos.isUndefined() && !textos.isObject())
        return fallo(Causa::TipoNoValido, e.clave + QLatin1Char('.') + kClaveTextos);
    const QJsonObject t = textos.toObject();
    for (auto it = t.constBegin(); it != t.constEnd(); ++it) {
        const QString ruta = QStringLiteral("%1.%2.%3").arg(e.clave, kClaveTextos, it.key());
        const bool eleccion = e.elecciones.contains(it.key());
        if (!e.textos.contains(it.key()) && !eleccion)
            continue;
        if (!it->isString())
            return fallo(Causa::TipoNoValido, ruta);
        const QString texto = it->toString();
        const bool valido = eleccion ? e.elecciones.value(it.key()).contains(texto)
                                     : textoAceptable(e.textos.value(it.key()), texto);
        if (!valido)
            return textoRechazado(e, it.key(), ruta, texto);
        v.textos.insert(it.key(), texto);
    }
    for (auto it = e.iniciales.cbegin(); it != e.iniciales.cend(); ++it)
        if (!v.textos.contains(it.key()))
            v.textos.insert(it.key(), it.value());
    return v;
}

std::optional<ErrorArchivo> cabecera(const QJsonObject &o) {
    if (o.value(kClaveFormato) != kFormato)
        return fallo(Causa::NoEsCaso);
    const QJsonValue version = o.value(kClaveVersion);
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return fallo(Causa::TipoNoValido, kClaveVersion);
    if (version.toDouble() > kVersion) {
        ErrorArchivo e =
            fallo(Causa::VersionNueva, {}, version.toDouble() > 1e9 ? 1000000000 : version.toInt());
        e.lineas = kVersion; // the newest version this program reads
        return e;
    }
    const QJsonValue idioma = o.value(kClaveIdioma);
    if (!idioma.isUndefined() && idioma != kEs && idioma != kEn)
        return fallo(Causa::TipoNoValido, kClaveIdioma);
    return std::nullopt;
}

} // namespace

const QList<Esquema> &esquemas() {
    static const QList<Esquema> l = construirEsquemas();
    return l;
}

const Esquema *esquema(const QString &clave) {
    for (const Esquema &e : esquemas())
        if (e.clave == clave)
            return &e;
    return nullptr;
}

Ventana parteDe(const CamposTexto &campos, const QString &clave) {
    Ventana v;
    const Esquema *e = esquema(clave);
    if (!e)
        return v;
    for (const QString &o : e->opciones)
        v.opciones.insert(o, campos.opcion(o));
    for (auto it = e->textos.cbegin(); it != e->textos.cend(); ++it)
        v.textos.insert(it.key(), campos.texto(it.key()));
    return v;
}

bool textoAceptable(Tipo tipo, const QString &texto) {
    if (texto.size() > kLongitudMaxima)
        return false;
    if (tipo == Tipo::Texto) {
        for (const QChar c : texto)
            if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\t')
                return false;
        return true;
    }
    if (leerNumero(texto))
        return true;
    for (const QChar c : texto)
        if (c.unicode() == kRetroceso || filtrarTecla(c) != c)
            return false;
    return true;
}

QByteArray contenido(const Caso &c) {
    QJsonObject o;
    o.insert(kClaveIdioma, lenguaDe(c.idioma) == Lengua::Espanol ? kEs : kEn);
    for (auto it = c.ventanas.cbegin(); it != c.ventanas.cend(); ++it)
        o.insert(it.key(), aJson(it.value()));
    // QJsonObject keeps its keys sorted; the format and version go first by hand, so that a
    // reader (or a person) can tell the file at a glance.
    QByteArray texto = QJsonDocument(o).toJson(QJsonDocument::Indented);
    const QByteArray primeras = QByteArrayLiteral("    \"format\": \"") + kFormato.toUtf8() +
                                QByteArrayLiteral("\",\n    \"version\": ") +
                                QByteArray::number(kVersion) + QByteArrayLiteral(",\n");
    texto.insert(texto.indexOf('\n') + 1, primeras);
    return texto;
}

std::variant<Caso, ErrorArchivo> interpretar(const QByteArray &bytes) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return fallo(Causa::NoEsJson);
    if (!doc.isObject())
        return fallo(Causa::NoEsCaso);
    const QJsonObject o = doc.object();
    if (const auto e = cabecera(o))
        return *e;
    Caso c;
    c.idioma = o.value(kClaveIdioma) == kEs ? kEspanol : kIngles;
    for (const Esquema &e : esquemas()) {
        if (!o.contains(e.clave))
            continue;
        auto v = ventanaDe(e, o.value(e.clave));
        if (auto *f = std::get_if<ErrorArchivo>(&v))
            return *f;
        c.ventanas.insert(e.clave, std::get<Ventana>(v));
    }
    return c;
}

std::optional<ErrorArchivo> guardar(const QString &ruta, const Caso &c) {
    return archivos::guardarBytes(ruta, contenido(c));
}

std::variant<Caso, ErrorArchivo> leer(const QString &ruta) {
    auto bytes = archivos::leerBytes(ruta, Causa::CasoDemasiadoGrande);
    if (auto *e = std::get_if<ErrorArchivo>(&bytes))
        return *e;
    auto c = interpretar(std::get<QByteArray>(bytes));
    if (auto *e = std::get_if<ErrorArchivo>(&c))
        e->ruta = ruta;
    return c;
}

bool esCaso(const QString &ruta) {
    return QFileInfo(ruta).suffix().compare(kExtension, Qt::CaseInsensitive) == 0;
}

} // namespace vorlo::caso
