// Graph texts.
#include "resources/strings.h"

namespace quan {

extern const StringEntry kGraphsStrings[] = {
    {802, "edges"},
    {803, "vertices"},
    {804, "icon size"},
    {805, "angle size"},
    {806, "degrees"},
    {875, "extra thickness"},
    {810, "components"},
    {811, "weight"},
    {815, "label"},
    {852, "weights"},
    {860, "Hamiltonian circuit"},
    {861, "Hamiltonian path"},
    {864, "nearest nbr start at"},
    {865, "total weight"},
    {866, "initial vertex"},
    {868, "sorted-edges circuit"},
    {871, "best circuit found so far"},
    {873, "Eulerian circuit"},
    {874, "Eulerian path"},
    {890, "Hamiltonian circuits"},
    {891, "incomplete"},
    {892, "optimal tour"},
    {893, "per cent above the optimum"},
    {886, "directions"},
    {863, "orientation"},
    {867, "Kruskal tree"},
    {869, "Prim tree"},
    {872, "colors used"},
    {876, "greatest weight"},
    {1100, "Dijkstra root"},
    {1101, "not proven minimal"},
    {1102, "colors so far"},
    {1103, "lower bound"},
};
extern const size_t kGraphsStringsCount = sizeof(kGraphsStrings) / sizeof(kGraphsStrings[0]);

} // namespace quan
