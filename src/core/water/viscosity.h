#pragma once

namespace vorlo::agua {

// Dynamic viscosity of water in Pa s from density (kg/m3) and temperature (K) by the IAPWS 2008
// formulation (IAPWS R12-08) in its industrial form: mu = mu0(T) mu1(T, rho) with the critical
// enhancement mu2 taken as 1. Its range is the fluid up to 1173.15 K (900 ºC); above that the
// equation is extrapolated, which the release calls physically reasonable.
double viscosidad(double rho, double t);

} // namespace vorlo::agua
