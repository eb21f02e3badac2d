#include "props/Torsion.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace props {

namespace {

// Where a point falls among sorted crossings of its grid line: the index of
// the inside interval [xs[2k], xs[2k+1]] holding it, or -1 outside.
int intervalOf(const std::vector<double> &xs, double x)
{
    const long left = std::lower_bound(xs.begin(), xs.end(), x) - xs.begin();
    if (left % 2 == 0)
        return -1;
    // Strictly inside: a node exactly on the boundary is a boundary point.
    if (xs[size_t(left - 1)] == x)
        return -1;
    return int(left - 1) / 2;
}

constexpr int kSub = 8; // samples per cell side in the cells the boundary cuts

} // namespace

TorsionSolution solveTorsion(const Outline &outline, double step)
{
    if (!(step > 0))
        throw std::invalid_argument("the grid step must be positive");
    const Box box = outline.bounds();
    // Offsets by irrational fractions of the step keep grid lines off the
    // vertices and straight edges of the outline.
    const double x0 = box.xmin + 0.2763932022500210 * step;
    const double y0 = box.ymin + 0.3819660112501051 * step;
    const int nx = int(std::floor((box.xmax - x0) / step)) + 1;
    const int ny = int(std::floor((box.ymax - y0) / step)) + 1;
    if (double(nx) * double(ny) > 2.0e7)
        throw std::invalid_argument("the torsion grid is too fine for the section");
    const auto X = [&](int i) { return x0 + i * step; };
    const auto Y = [&](int j) { return y0 + j * step; };
    const auto at = [&](int i, int j) { return size_t(j) * size_t(nx) + size_t(i); };

    const Outline turned = outline.quarterTurned(); // its y is our x
    std::vector<std::vector<double>> rowCuts(static_cast<size_t>(ny));
    std::vector<std::vector<double>> colCuts(static_cast<size_t>(nx));
    for (int j = 0; j < ny; ++j)
        rowCuts[size_t(j)] = outline.crossingsAtY(Y(j));
    for (int i = 0; i < nx; ++i) {
        // Turned, a point (x, y) sits at (-y, x): crossings of the turned
        // outline at height x are the y of our crossings, negated.
        std::vector<double> c = turned.crossingsAtY(X(i));
        for (double &v : c)
            v = -v;
        std::reverse(c.begin(), c.end());
        colCuts[size_t(i)] = std::move(c);
    }

    // Nodes inside by both their row and their column.
    std::vector<int> id(size_t(nx) * size_t(ny), -1);
    std::vector<int> rowInterval(id.size(), -1), colInterval(id.size(), -1);
    struct Node {
        int i, j;
        double hE, hW, hN, hS;   // distances to the neighbours or to the boundary
        int nE, nW, nN, nS;      // neighbour unknowns, -1 for the boundary
        double aE, aW, aN, aS, aP;
    };
    std::vector<Node> nodes;
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const int ri = intervalOf(rowCuts[size_t(j)], X(i));
            const int ci = intervalOf(colCuts[size_t(i)], Y(j));
            rowInterval[at(i, j)] = ri;
            colInterval[at(i, j)] = ci;
            if (ri < 0 || ci < 0)
                continue;
            id[at(i, j)] = int(nodes.size());
            nodes.push_back({i, j, 0, 0, 0, 0, -1, -1, -1, -1, 0, 0, 0, 0, 0});
        }
    }
    if (nodes.empty())
        throw std::invalid_argument("the torsion grid has no node inside the section");

    const double minGap = 1e-3 * step; // keeps stencils of nodes grazing the boundary bounded
    for (Node &n : nodes) {
        const std::vector<double> &rc = rowCuts[size_t(n.j)];
        const std::vector<double> &cc = colCuts[size_t(n.i)];
        const int ri = rowInterval[at(n.i, n.j)], ci = colInterval[at(n.i, n.j)];
        const double x = X(n.i), y = Y(n.j);
        const double dW = x - rc[size_t(2 * ri)], dE = rc[size_t(2 * ri + 1)] - x;
        const double dS = y - cc[size_t(2 * ci)], dN = cc[size_t(2 * ci + 1)] - y;
        const auto neighbour = [&](double dist, int ii, int jj, double &h, int &nb) {
            nb = -1;
            if (dist > step && ii >= 0 && ii < nx && jj >= 0 && jj < ny && id[at(ii, jj)] >= 0) {
                h = step;
                nb = id[at(ii, jj)];
            } else {
                h = std::clamp(dist, minGap, step);
            }
        };
        neighbour(dE, n.i + 1, n.j, n.hE, n.nE);
        neighbour(dW, n.i - 1, n.j, n.hW, n.nW);
        neighbour(dN, n.i, n.j + 1, n.hN, n.nN);
        neighbour(dS, n.i, n.j - 1, n.hS, n.nS);
        n.aE = 2 / (n.hE * (n.hE + n.hW));
        n.aW = 2 / (n.hW * (n.hE + n.hW));
        n.aN = 2 / (n.hN * (n.hN + n.hS));
        n.aS = 2 / (n.hS * (n.hN + n.hS));
        n.aP = n.aE + n.aW + n.aN + n.aS;
    }

    // Successive over-relaxation of -laplacian phi = 2.
    std::vector<double> phi(nodes.size(), 0.0);
    const double omega = 1.9;
    int sweeps = 0;
    for (; sweeps < 200000; ++sweeps) {
        double change = 0, largest = 0;
        for (size_t k = 0; k < nodes.size(); ++k) {
            const Node &n = nodes[k];
            double sum = 2;
            if (n.nE >= 0) sum += n.aE * phi[size_t(n.nE)];
            if (n.nW >= 0) sum += n.aW * phi[size_t(n.nW)];
            if (n.nN >= 0) sum += n.aN * phi[size_t(n.nN)];
            if (n.nS >= 0) sum += n.aS * phi[size_t(n.nS)];
            const double next = phi[k] + omega * (sum / n.aP - phi[k]);
            change = std::max(change, std::fabs(next - phi[k]));
            largest = std::max(largest, std::fabs(next));
            phi[k] = next;
        }
        if (sweeps > 10 && change <= 1e-14 * largest)
            break;
    }

    // Values beyond the boundary for interpolation in the cut cells: each
    // inside neighbour extends its own profile linearly through the zero it
    // meets on the boundary; corners reached only diagonally get the planar
    // extension of their cell.
    std::vector<double> value(id.size(), 0.0);
    std::vector<char> known(id.size(), 0);
    for (size_t k = 0; k < nodes.size(); ++k) {
        value[at(nodes[k].i, nodes[k].j)] = phi[k];
        known[at(nodes[k].i, nodes[k].j)] = 1;
    }
    std::vector<double> ghostSum(id.size(), 0.0);
    std::vector<int> ghostCount(id.size(), 0);
    for (size_t k = 0; k < nodes.size(); ++k) {
        const Node &n = nodes[k];
        const auto extend = [&](int nb, double h, int ii, int jj) {
            if (nb >= 0 || ii < 0 || ii >= nx || jj < 0 || jj >= ny || id[at(ii, jj)] >= 0)
                return;
            ghostSum[at(ii, jj)] += phi[k] * (1 - step / h);
            ++ghostCount[at(ii, jj)];
        };
        extend(n.nE, n.hE, n.i + 1, n.j);
        extend(n.nW, n.hW, n.i - 1, n.j);
        extend(n.nN, n.hN, n.i, n.j + 1);
        extend(n.nS, n.hS, n.i, n.j - 1);
    }
    for (size_t g = 0; g < id.size(); ++g) {
        if (ghostCount[g] > 0) {
            value[g] = ghostSum[g] / ghostCount[g];
            known[g] = 2;
        }
    }
    for (size_t k = 0; k < nodes.size(); ++k) {
        const Node &n = nodes[k];
        for (int di : {-1, 1}) {
            for (int dj : {-1, 1}) {
                const int ii = n.i + di, jj = n.j + dj;
                if (ii < 0 || ii >= nx || jj < 0 || jj >= ny || known[at(ii, jj)])
                    continue;
                const size_t a = at(ii, n.j), b = at(n.i, jj);
                if (known[a] && known[b]) {
                    value[at(ii, jj)] = value[a] + value[b] - phi[k];
                    known[at(ii, jj)] = 3;
                }
            }
        }
    }

    // It = 2 * integral of phi: whole cells by the trapezoidal rule, cut
    // cells by sampling the bilinear interpolant at the points inside.
    double integral = 0;
    const double sub = step / kSub;
    for (int j = 0; j + 1 < ny; ++j) {
        std::vector<std::vector<double>> subCuts;
        for (int i = 0; i + 1 < nx; ++i) {
            const size_t c00 = at(i, j), c10 = at(i + 1, j), c01 = at(i, j + 1), c11 = at(i + 1, j + 1);
            const bool allInside = id[c00] >= 0 && id[c10] >= 0 && id[c01] >= 0 && id[c11] >= 0;
            const bool uncut = allInside && rowInterval[c00] == rowInterval[c10]
                               && rowInterval[c01] == rowInterval[c11] && colInterval[c00] == colInterval[c01]
                               && colInterval[c10] == colInterval[c11];
            if (uncut) {
                integral += step * step * (value[c00] + value[c10] + value[c01] + value[c11]) / 4;
                continue;
            }
            // A cell the boundary may cross: any corner inside, or a
            // crossing on one of its sides.
            const auto crossesBetween = [](const std::vector<double> &cuts, double a, double b) {
                return std::upper_bound(cuts.begin(), cuts.end(), a) != std::lower_bound(cuts.begin(), cuts.end(), b);
            };
            const bool touched = id[c00] >= 0 || id[c10] >= 0 || id[c01] >= 0 || id[c11] >= 0
                                 || crossesBetween(rowCuts[size_t(j)], X(i), X(i + 1))
                                 || crossesBetween(rowCuts[size_t(j + 1)], X(i), X(i + 1))
                                 || crossesBetween(colCuts[size_t(i)], Y(j), Y(j + 1))
                                 || crossesBetween(colCuts[size_t(i + 1)], Y(j), Y(j + 1));
            if (!touched)
                continue;
            if (subCuts.empty()) {
                for (int m = 0; m < kSub; ++m)
                    subCuts.push_back(outline.crossingsAtY(Y(j) + (m + 0.5) * sub));
            }
            double cell = 0;
            for (int m = 0; m < kSub; ++m) {
                const double v = (m + 0.5) / kSub;
                for (int l = 0; l < kSub; ++l) {
                    const double u = (l + 0.5) / kSub;
                    if (intervalOf(subCuts[size_t(m)], X(i) + u * step) < 0)
                        continue;
                    cell += (1 - u) * (1 - v) * value[c00] + u * (1 - v) * value[c10] + (1 - u) * v * value[c01]
                            + u * v * value[c11];
                }
            }
            integral += cell * sub * sub;
        }
    }

    TorsionSolution s;
    s.It = 2 * integral;
    s.nodes = int(nodes.size());
    s.sweeps = sweeps;
    return s;
}

double torsionConstant(const Outline &outline, double step)
{
    const double coarse = solveTorsion(outline, step).It;
    const double fine = solveTorsion(outline, step / 2).It;
    return fine + (fine - coarse) / 3;
}

} // namespace props
