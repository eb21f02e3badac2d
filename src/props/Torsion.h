#pragma once

#include "props/Outline.h"

// Saint-Venant torsion of a solid cross-section on its exact outline.

namespace props {

struct TorsionSolution {
    double It = 0;     // torsion constant, in the outline's length unit to the fourth power
    int nodes = 0;     // unknowns of the finite-difference grid
    int sweeps = 0;    // relaxation sweeps until convergence
};

// Solves for Prandtl's stress function phi (laplacian phi = -2 inside,
// phi = 0 on the boundary) by finite differences on a square grid of the
// given step, with the boundary taken where it truly cuts each grid line
// (Shortley-Weller stencils, second-order accurate), and integrates
// It = 2 * integral of phi dA, sampling the cut cells finely. The outline
// must be one closed boundary without holes.
TorsionSolution solveTorsion(const Outline &outline, double step);

// The torsion constant from solutions on grids of step and step / 2,
// extrapolated to a vanishing step (Richardson: the error of the scheme falls
// with the square of the step).
double torsionConstant(const Outline &outline, double step);

} // namespace props
