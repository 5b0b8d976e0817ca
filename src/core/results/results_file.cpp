#include "results_file.h"

#include "fields/language.h"

namespace vorlo::resultados {

namespace {

const QByteArray kVerdadero = QByteArrayLiteral("True");
const QByteArray kFalso = QByteArrayLiteral("False");

QString causaEs(const ErrorArchivo &e) {
    using C = ErrorArchivo::Causa;
    switch (e.causa) {
    case C::NombreVacio:
        return QStringLiteral("no se ha escrito ningún nombre de archivo");
    case C::NombreNoValido:
        return QStringLiteral("el nombre de archivo no es válido");
    case C::EsCarpeta:
        return QStringLiteral("ese nombre es una carpeta");
    case C::NoEsArchivo:
        return QStringLiteral("no es un archivo normal");
    case C::CarpetaInexistente:
        return QStringLiteral("la carpeta no existe");
    case C::NoEsCarpeta:
        return QStringLiteral("una parte de la ruta es un archivo, no una carpeta");
    case C::CarpetaSoloLectura:
        return QStringLiteral("la carpeta es de solo lectura");
    case C::ArchivoSoloLectura:
        return QStringLiteral("el archivo es de solo lectura");
    case C::NoSePuedeCrear:
        return QStringLiteral("no se pudo crear el archivo");
    case C::Escritura:
        return QStringLiteral("no se pudo escribir en el disco (puede estar lleno)");
    case C::Sustitucion:
        return QStringLiteral("no se pudo sustituir el archivo anterior");
    case C::NoExiste:
        return QStringLiteral("el archivo no existe");
    case C::Lectura:
        return QStringLiteral("no se pudo leer");
    case C::DemasiadoGrande:
        return QStringLiteral("es demasiado grande para ser un archivo de resultados");
    case C::NumeroLineas:
        return QStringLiteral("tiene %1 líneas en lugar de 16").arg(e.lineas);
    case C::OpcionNoValida:
        return QStringLiteral("la línea %1 debe ser \"True\" o \"False\"").arg(e.linea);
    case C::ParImposible:
        return QStringLiteral("las líneas %1 y %2 no pueden ser ambas \"True\"")
            .arg(e.linea)
            .arg(e.linea + 1);
    }
    return {};
}

QString causaEn(const ErrorArchivo &e) {
    using C = ErrorArchivo::Causa;
    switch (e.causa) {
    case C::NombreVacio:
        return QStringLiteral("no file name was given");
    case C::NombreNoValido:
        return QStringLiteral("the file name is not valid");
    case C::EsCarpeta:
        return QStringLiteral("that name is a folder");
    case C::NoEsArchivo:
        return QStringLiteral("it is not a regular file");
    case C::CarpetaInexistente:
        return QStringLiteral("the folder does not exist");
    case C::NoEsCarpeta:
        return QStringLiteral("part of the path is a file, not a folder");
    case C::CarpetaSoloLectura:
        return QStringLiteral("the folder is read-only");
    case C::ArchivoSoloLectura:
        return QStringLiteral("the file is read-only");
    case C::NoSePuedeCrear:
        return QStringLiteral("the file could not be created");
    case C::Escritura:
        return QStringLiteral("writing to the disk failed (it may be full)");
    case C::Sustitucion:
        return QStringLiteral("the existing file could not be replaced");
    case C::NoExiste:
        return QStringLiteral("the file does not exist");
    case C::Lectura:
        return QStringLiteral("it could not be read");
    case C::DemasiadoGrande:
        return QStringLiteral("it is too large to be a results file");
    case C::NumeroLineas:
        return QStringLiteral("it has %1 lines instead of 16").arg(e.lineas);
    case C::OpcionNoValida:
        return QStringLiteral("line %1 must be \"True\" or \"False\"").arg(e.linea);
    case C::ParImposible:
        return QStringLiteral("lines %1 and %2 cannot both be \"True\"")
            .arg(e.linea)
            .arg(e.linea + 1);
    }
    return {};
}

} // namespace

const QStringList &nombresOpciones() {
    static const QStringList n = {QStringLiteral("Option1"), QStringLiteral("Option2"),
                                  QStringLiteral("Option3"), QStringLiteral("Option4")};
    return n;
}

const QStringList &nombresCampos() {
    static const QStringList n = {
        QStringLiteral("Qproceso"),    QStringLiteral("dproceso"),  QStringLiteral("vdinamica"),
        QStringLiteral("Vcinematica"), QStringLiteral("dint"),      QStringLiteral("Vproceso"),
        QStringLiteral("Re"),          QStringLiteral("Rugosidad"), QStringLiteral("ffinal"),
        QStringLiteral("L"),           QStringLiteral("Desnivel"),  QStringLiteral("ktotal")};
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

QString ErrorArchivo::texto(const QString &idioma) const {
    const bool guardar = operacion == Operacion::Guardar;
    if (idioma == kEspanol)
        return (guardar ? QStringLiteral("No se pudo guardar el archivo \"%1\": %2.")
                        : QStringLiteral("No se pudo abrir el archivo \"%1\": %2."))
            .arg(ruta, causaEs(*this));
    return (guardar ? QStringLiteral("The file \"%1\" could not be saved: %2.")
                    : QStringLiteral("The file \"%1\" could not be opened: %2."))
        .arg(ruta, causaEn(*this));
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

} // namespace vorlo::resultados
