#pragma once

#include "fields/language.h"

#include <QString>

namespace vorlo {

// Texts drawn inside the chart and written at run time, in one language.
struct TextosMoody {
    QString ejeRe;
    QString ejeF;
    QString laminar;
    QString transicion;
    QString fueraMalla;
    QString curvaPropia; // %1: the pipe's e/D
    QString punto;
    QString raiz;
    QString liso;
    QString tituloGuardar;
    QString filtroPng;
    QString filtroSvg;
    QString errorGuardar; // %1: the file
};

const TextosMoody &textosMoody(Lengua lengua);

} // namespace vorlo
