"""Checks the trees, distances and components the graph window computed
(written by the graphs tests as a plain text) with networkx.

Each case:
  G n digraph          n vertices 0..n-1; digraph 0 or 1
  E a b w d            an edge a < b of weight w, direction d seen from a
  KMIN t / KMAX t      the least and greatest spanning-forest weights
  PRIM root t          the weight of Prim's tree, grown from root
  COMP k               the number of components
  DIJ root t           Dijkstra from root: the tree's total
  D v dist             the distance of each reached vertex
  END
Point sets:
  P n                  n points
  X x y                one point
  EUC length           the Euclidean spanning-tree length
  END
Prints "N passed, M failed" and exits non-zero on a failure.
"""
import math
import sys

import networkx as nx


def check_graph(lines, fail):
    n, digraph = int(lines[0][1]), lines[0][2] == "1"
    g = nx.Graph()
    d = nx.DiGraph()
    g.add_nodes_from(range(n))
    d.add_nodes_from(range(n))
    ours = {}
    dist = {}
    for f in lines[1:]:
        if f[0] == "E":
            a, b, w, dr = int(f[1]), int(f[2]), int(f[3]), int(f[4])
            g.add_edge(a, b, weight=w)
            if not digraph or dr in (0, 1, 2):
                d.add_edge(a, b, weight=w)
            if not digraph or dr in (0, -1, 2):
                d.add_edge(b, a, weight=w)
        elif f[0] == "D":
            dist[int(f[1])] = int(f[2])
        else:
            ours[f[0]] = [int(x) for x in f[1:]]
    def weight(t):
        return sum(w for _, _, w in t.edges(data="weight"))
    want = weight(nx.minimum_spanning_tree(g))
    if ours["KMIN"][0] != want:
        fail(f"minimum forest {ours['KMIN'][0]} != {want}")
    want = weight(nx.maximum_spanning_tree(g))
    if ours["KMAX"][0] != want:
        fail(f"maximum forest {ours['KMAX'][0]} != {want}")
    root, total = ours["PRIM"]
    comp = g.subgraph(nx.node_connected_component(g, root))
    want = weight(nx.minimum_spanning_tree(comp))
    if total != want:
        fail(f"Prim from {root}: {total} != {want}")
    want = nx.number_connected_components(g)
    if ours["COMP"][0] != want:
        fail(f"components {ours['COMP'][0]} != {want}")
    root, total = ours["DIJ"]
    lengths = nx.single_source_dijkstra_path_length(d, root)
    if dist != lengths:
        fail(f"distances from {root}: {sorted(dist.items())} != {sorted(lengths.items())}")
    want = 0
    for v, dv in lengths.items():
        if v == root:
            continue
        want += min(w for p, _, w in d.in_edges(v, data="weight") if p in lengths and lengths[p] + w == dv)
    if total != want:
        fail(f"Dijkstra tree total from {root}: {total} != {want}")


def check_points(lines, fail):
    pts = [(float(f[1]), float(f[2])) for f in lines if f[0] == "X"]
    ours = float([f for f in lines if f[0] == "EUC"][0][1])
    g = nx.Graph()
    for i, p in enumerate(pts):
        for j in range(i):
            g.add_edge(i, j, weight=math.dist(p, pts[j]))
    want = sum(w for _, _, w in nx.minimum_spanning_tree(g).edges(data="weight"))
    if abs(ours - want) > 1e-9 * max(1.0, want):
        fail(f"Euclidean tree {ours} != {want}")


def main():
    cases = []
    cur = []
    with open(sys.argv[1]) as f:
        for line in f:
            fields = line.split()
            if not fields:
                continue
            if fields[0] == "END":
                cases.append(cur)
                cur = []
            else:
                cur.append(fields)
    passed = failed = 0
    for k, case in enumerate(cases):
        errors = []
        if case[0][0] == "G":
            check_graph(case, errors.append)
        else:
            check_points(case, errors.append)
        if errors:
            failed += 1
            for e in errors:
                print(f"case {k}: {e}")
        else:
            passed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
