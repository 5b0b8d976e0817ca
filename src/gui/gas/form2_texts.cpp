#include "form2_texts.h"

namespace vorlo {

const QList<TextoControl> &textosForm2() {
    static const QList<TextoControl> tabla = [] {
        using T = TextoControl;
        QList<TextoControl> t = textosDeCampos(gas::tabla());
        t << TextoControl{"Command3", T::Texto, "Calcular Pérdida de Carga",
                          "Calculate Pressure Drop"}
          << TextoControl{"Archivo", T::Texto, "&Archivo", "&File"}
          << TextoControl{"Command5", T::Tooltip, "Borrar", "Clear"};
        return t;
    }();
    return tabla;
}

const PistaGas &pistaGeneralGas() {
    static const PistaGas p{
        QStringLiteral("Los campos que podemos calcular figuran en AZUL. Pase el ratón sobre "
                       "ellos y se marcaran en rojo aquellos campos necesarios para su cálculo"),
        QStringLiteral("Fields that can be calculated are in BLUE. Move the mouser over them and "
                       "the fields required for the calculation will be displayed in RED")};
    return p;
}

const PistaGas &pistaDensidadGas() {
    static const PistaGas p{
        QStringLiteral("DENSIDAD (referida a las condiciones de proceso). Los campos marcados en "
                       "rojo indican aquellos valores necesarios para calcular la densidad en "
                       "condiciones de proceso. "),
        QStringLiteral("DENSITY (referenced to the actual conditions). Fields in blue are those "
                       "required for the calculation of actual density.")};
    return p;
}

const PistaGas &pistaCaudalProceso() {
    static const PistaGas p{QStringLiteral("Los campos marcados en rojo indican aquellos valores "
                                           "necesarios para calcular el caudal."),
                            QStringLiteral("Field in RED are required for flow calculation")};
    return p;
}

const PistaGas &pistaCaudalNormalizado() {
    static const PistaGas p{QStringLiteral("Los campos marcados en rojo indican aquellos valores "
                                           "necesarios para calcular el caudal"),
                            QStringLiteral("Fields in RED are required for flow calculation")};
    return p;
}

const QStringList &parrafosAyudaGases() {
    static const QStringList p = {
        QStringLiteral("La principal finalidad de esta aplicación es determinar las condiciones "
                       "de caudal y densidad en diferentes condiciones de referencia."),
        QStringLiteral("Se presentan dos posibilidades;"),
        QStringLiteral("1.- Conocemos el caudal normalizado y queremos calcular el caudal "
                       "referido a las condiciones reales de proceso."),
        QStringLiteral("Esta opción se debe utilizar cuando, por ejemplo, conocemos el caudal en "
                       "unas condiciones de presión y temperatura que no son las que actualmente "
                       "existen en la tubería. Por ejemplo, sabemos el caudal expresado en Nm3/h "
                       "(1.01325 Bar a, 0ºC) y queremos calcularlo en m3/h a la presión y "
                       "temperaturas existentes en la tubería."),
        QStringLiteral("2.- Conocemos el caudal referenciado a las condiciones de proceso y "
                       "queremos calcularlo en otras condiciones de referencia."),
        QStringLiteral("Por ejemplo, conocemos el valor del caudal proporcionado por un "
                       "caudalímetro, la presión absoluta y temperatura en la línea; necesitamos "
                       "calcular los Nm3/h (es decir el caudal equivalente a esa masa de fluido "
                       "si estuviese a 1.01325 Bar a y 0ºC)."),
        QStringLiteral("Los campos que pueden ser calculados figuran en azul. Al pasar el ratón "
                       "sobre ellos se marcará en rojo aquellos campos que es necesario "
                       "introducir. No es preciso rellenar todos los campos del formulario, "
                       "únicamente los que se marcan en rojo."),
        QStringLiteral("Es importante tener en cuenta que este formulario no predice posibles "
                       "cambios de estado del fluido. Por tanto, en el apartado \"Condiciones de "
                       "Proceso\" se deberán reflejar unas condiciones de proceso y temperatura "
                       "que correspondan con el fluido en fase gas. Por ejemplo, si seleccionamos "
                       "vapor de agua e intentamos calcular el caudal a 20ºC y ºbar a de presión, "
                       "los resultados carecerán de sentido puesto que a esa presión y "
                       "temperatura no existe vapor sino agua líquida.  "),
    };
    return p;
}

} // namespace vorlo
