#include "results_file.h"

#include "cases/case_file.h"
#include "fields/language.h"
#include "pipeflow/pipe_flow.h"

#include <QFileInfo>

namespace vorlo::resultados {

namespace {

const QByteArray kVerdadero = QByteArrayLiteral("True");
const QByteArray kFalso = QByteArrayLiteral("False");

} // namespace

const QStringList &nombresOpciones() {
    static const QStringList n = {QStringLiteral("Option1"), QStringLiteral("Option2"),
                                  QStringLiteral("Option3"), QStringLiteral("Option4")};
    return n;
}

const QStringList &nombresCampos() {
    using namespace tuberia;
    static const QStringList n = {Qproceso, dproceso,  vdinamica, Vcinematica, dint,     Vproceso,
                                  Re,       Rugosidad, ffinal,    L,           Desnivel, ktotal};
    return n;
}

const QList<Linea> &lineas() {
    static const QList<Linea> l = [] {
        const QStringList &o = nombresOpciones();
        const QStringList &c = nombresCampos();
        return QList<Linea>{
            {o[0], true, 0},  {o[1], true, 1},  {c[0], false, 0},   {c[1], false, 1},
            {o[2], true, 2},  {o[3], true, 3},  {c[2], false, 2},   {c[3], false, 3},
            {c[4], false, 4}, {c[5], false, 5}, {c[6], false, 6},   {c[7], false, 7},
            {c[8], false, 8}, {c[9], false, 9}, {c[10], false, 10}, {c[11], false, 11}};
    }();
    return l;
}

Resultados leerDe(const CamposTexto &campos) {
    Resultados r;
    for (int i = 0; i < 4; ++i)
        r.opciones[i] = campos.opcion(nombresOpciones()[i]);
    for (int i = 0; i < 12; ++i)
        r.textos[i] = campos.texto(nombresCampos()[i]);
    return r;
}

QByteArray codificar(QStringView texto) {
    QByteArray out;
    out.reserve(texto.size());
    for (const char32_t c : texto.toUcs4()) {
        if (c > 0xFF || c == U'\r' || c == U'\n')
            out.append('?');
        else
            out.append(static_cast<char>(c));
    }
    return out;
}

QByteArray contenido(const Resultados &r) {
    QByteArray out;
    for (const Linea &l : lineas()) {
        if (l.esOpcion)
            out.append(r.opciones[l.indice] ? kVerdadero : kFalso);
        else
            out.append(codificar(r.textos[l.indice]));
        out.append("\r\n");
    }
    return out;
}

std::variant<Resultados, ErrorArchivo> interpretar(const QByteArray &bytes) {
    const auto fallo = [](ErrorArchivo::Causa causa, int linea = 0, int nLineas = 0) {
        return ErrorArchivo{causa, ErrorArchivo::Operacion::Abrir, QString(), linea, nLineas};
    };
    QList<QByteArray> partes;
    if (!bytes.isEmpty()) {
        partes = bytes.split('\n');
        // The last line's end closes the file; nothing follows it.
        if (bytes.endsWith('\n'))
            partes.removeLast();
    }
    if (partes.size() != kLineas)
        return fallo(ErrorArchivo::Causa::NumeroLineas, 0, int(partes.size()));
    for (QByteArray &p : partes) {
        if (p.endsWith('\r'))
            p.chop(1);
    }

    Resultados r;
    for (int i = 0; i < kLineas; ++i) {
        const Linea &l = lineas()[i];
        if (!l.esOpcion) {
            r.textos[l.indice] = QString::fromLatin1(partes[i]);
            continue;
        }
        if (partes[i] == kVerdadero)
            r.opciones[l.indice] = true;
        else if (partes[i] == kFalso)
            r.opciones[l.indice] = false;
        else
            return fallo(ErrorArchivo::Causa::OpcionNoValida, i + 1);
    }
    // At most one option of each pair can be selected in the window.
    if (r.opciones[0] && r.opciones[1])
        return fallo(ErrorArchivo::Causa::ParImposible, 1);
    if (r.opciones[2] && r.opciones[3])
        return fallo(ErrorArchivo::Causa::ParImposible, 5);
    return r;
}

bool nombraArchivoAbrible(const QString &ruta) {
    return caso::esCaso(ruta) ||
           QFileInfo(ruta).suffix().compare(kExtension, Qt::CaseInsensitive) == 0;
}

} // namespace vorlo::resultados
