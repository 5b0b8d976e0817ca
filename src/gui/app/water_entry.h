#pragma once

// Entry point of the water and steam window, implemented in water/.
namespace vorlo {

// Shows the water and steam window (one at a time), bringing it to the front; an open one keeps
// its values.
void abrirAguaVapor();

} // namespace vorlo
