#include "valve_styles.h"

namespace vorlo::valvula {

namespace {

EstiloValvula fila(const char *clave, const char *es, const char *en, double fl, double xt,
                   double fd) {
    return {QString::fromLatin1(clave), {QString::fromUtf8(es), QString::fromUtf8(en)}, fl, xt, fd};
}

} // namespace

const QList<EstiloValvula> &estilos() {
    // Rows of Table D.2 whose Fd is a number (the tapered needle's is a formula and the
    // multistage trims have none).
    static const QList<EstiloValvula> tabla = {
        fila("typed", "Valores tecleados", "Typed values", 0, 0, 0),
        fila("globe_3v", "Globo, 1 asiento, obturador 3 V", "Globe, single port, 3 V-port plug",
             0.90, 0.70, 0.48),
        fila("globe_4v", "Globo, 1 asiento, obturador 4 V", "Globe, single port, 4 V-port plug",
             0.90, 0.70, 0.41),
        fila("globe_6v", "Globo, 1 asiento, obturador 6 V", "Globe, single port, 6 V-port plug",
             0.90, 0.70, 0.30),
        fila("globe_contoured_open", "Globo, obturador perfilado, flujo abre",
             "Globe, contoured plug, flow-to-open", 0.90, 0.72, 0.46),
        fila("globe_contoured_close", "Globo, obturador perfilado, flujo cierra",
             "Globe, contoured plug, flow-to-close", 0.80, 0.55, 1.00),
        fila("globe_cage_60", "Globo, jaula de 60 taladros", "Globe, 60 hole drilled cage", 0.90,
             0.68, 0.13),
        fila("globe_cage_120", "Globo, jaula de 120 taladros", "Globe, 120 hole drilled cage", 0.90,
             0.68, 0.09),
        fila("globe_cage4_out", "Globo, jaula caracterizada 4 ventanas, hacia fuera",
             "Globe, characterized cage, 4-port, outward", 0.90, 0.75, 0.41),
        fila("globe_cage4_in", "Globo, jaula caracterizada 4 ventanas, hacia dentro",
             "Globe, characterized cage, 4-port, inward", 0.85, 0.70, 0.41),
        fila("globe_double_ported", "Globo, 2 asientos, obturador con ventanas",
             "Globe, double port, ported plug", 0.90, 0.75, 0.28),
        fila("globe_double_contoured", "Globo, 2 asientos, obturador perfilado",
             "Globe, double port, contoured plug", 0.85, 0.70, 0.32),
        fila("angle_contoured_open", "Angular, obturador perfilado, flujo abre",
             "Angle, contoured plug, flow-to-open", 0.90, 0.72, 0.46),
        fila("angle_contoured_close", "Angular, obturador perfilado, flujo cierra",
             "Angle, contoured plug, flow-to-close", 0.80, 0.65, 1.00),
        fila("angle_venturi", "Angular, venturi", "Angle, venturi", 0.50, 0.20, 1.00),
        fila("small_vnotch", "Pequeño caudal, ranura en V", "Small flow trim, V-notch", 0.98, 0.84,
             0.70),
        fila("small_flat_seat", "Pequeño caudal, asiento plano", "Small flow trim, flat seat", 0.85,
             0.70, 0.30),
        fila("eccentric_spherical_open", "Rotativa, obturador esférico excéntrico, flujo abre",
             "Rotary, eccentric spherical plug, flow-to-open", 0.85, 0.60, 0.42),
        fila("eccentric_spherical_close", "Rotativa, obturador esférico excéntrico, flujo cierra",
             "Rotary, eccentric spherical plug, flow-to-close", 0.68, 0.40, 0.42),
        fila("eccentric_conical_open", "Rotativa, obturador cónico excéntrico, flujo abre",
             "Rotary, eccentric conical plug, flow-to-open", 0.77, 0.54, 0.44),
        fila("eccentric_conical_close", "Rotativa, obturador cónico excéntrico, flujo cierra",
             "Rotary, eccentric conical plug, flow-to-close", 0.79, 0.55, 0.44),
        fila("butterfly_70", "Mariposa, disco normal (70º)", "Butterfly, swing-through (70º)", 0.62,
             0.35, 0.57),
        fila("butterfly_60", "Mariposa, disco normal (60º)", "Butterfly, swing-through (60º)", 0.70,
             0.42, 0.50),
        fila("butterfly_fluted", "Mariposa, disco acanalado (70º)", "Butterfly, fluted vane (70º)",
             0.67, 0.38, 0.30),
        fila("butterfly_offset", "Mariposa excéntrica (70º)", "Butterfly, offset seat (70º)", 0.67,
             0.35, 0.57),
        fila("ball_full", "Bola, paso total (70º)", "Ball, full bore (70º)", 0.74, 0.42, 0.99),
        fila("ball_segmented", "Bola segmentada", "Ball, segmented", 0.60, 0.30, 0.98),
    };
    return tabla;
}

const EstiloValvula *estilo(const QString &clave) {
    for (const EstiloValvula &e : estilos())
        if (e.clave == clave)
            return &e;
    return nullptr;
}

} // namespace vorlo::valvula
