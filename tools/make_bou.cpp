// Writes a ".bou" collection file from a collection text file (one code a
// line, "n W H s1 .. sn"): make_bou <in.txt> <out.bou>. The build runs it
// for the squared-rectangle library's file categories.
#include "core/fileio.h"
#include "core/qmath.h"
#include "graphs/core/sqrect.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_bou <in.txt> <out.bou>\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "make_bou: cannot read %s\n", argv[1]);
        return 1;
    }
    quan::BouwkampCollection c;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        std::istringstream words(line);
        std::vector<long long> v;
        std::string w;
        while (words >> w) {
            long long x = 0;
            if (!quan::parseInt(w, x)) {
                std::fprintf(stderr, "make_bou: not a number in %s: %s\n", argv[1], line.c_str());
                return 1;
            }
            v.push_back(x);
        }
        if (v.size() < 4 || v[0] + 3 != static_cast<long long>(v.size()) || (c.order != 0 && v[0] != c.order)) {
            std::fprintf(stderr, "make_bou: a line of another order in %s: %s\n", argv[1], line.c_str());
            return 1;
        }
        c.order = static_cast<int32_t>(v[0]);
        quan::BouwkampRecord r;
        r.width = static_cast<int32_t>(v[1]);
        r.height = static_cast<int32_t>(v[2]);
        for (size_t i = 3; i < v.size(); ++i)
            r.sizes.push_back(static_cast<int32_t>(v[i]));
        c.records.push_back(std::move(r));
    }
    const std::string bytes = quan::writeBou(c);
    if (bytes.empty() || !quan::writeFileAtomically(argv[2], bytes)) {
        std::fprintf(stderr, "make_bou: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
