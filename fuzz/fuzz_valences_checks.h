// Properties of the valence paste for any input, shared by the libFuzzer
// target fuzz_valences and the always-run robustness test of
// tests/graphs. Each check returns an empty string when all hold, else
// what went wrong.
#pragma once

#include "core/numberscan.h"
#include "graphs/core/generators.h"

#include <string>

namespace quan::fuzzcheck {

inline const ExampleView kValenceView{0, 0, 10, 10};

// The bytes as text pasted as Valences, with and without Connected, into a
// triangle: a refusal (one of the paste's codes) changes nothing; an
// accepted list gives a graph whose valences are exactly the numbers
// pasted, connected when Connected could join it.
inline std::string checkValencePaste(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Graph before;
    MakeCircle(before, CircleKind::Cycle, 3, {}, kValenceView);
    before.SetWeight(0, 1, 5);
    before.modified = false;
    for (int connected = 0; connected < 2; ++connected) {
        Graph g = before;
        Random rng;
        rng.seed(static_cast<uint32_t>(size));
        const int code = GraphFromValencesText(g, text, connected != 0, kValenceView, rng);
        if (code != 0) {
            if (code != 6 && code != 105 && code != 106 && code != 110)
                return "the valence paste returned " + std::to_string(code);
            if (!(g == before))
                return "a refused valence paste changed the graph";
            continue;
        }
        bool more = false;
        const std::vector<Real> numbers = scanNumbers(text, 286, &more);
        if (more || g.count() != static_cast<int>(numbers.size()))
            return "the valence graph has the wrong vertex count";
        std::vector<int> valence(static_cast<size_t>(g.count()), 0);
        for (const auto& [a, b] : g.edges()) {
            if (a < 0 || b >= g.count())
                return "an edge outside the vertices";
            ++valence[static_cast<size_t>(a)];
            ++valence[static_cast<size_t>(b)];
        }
        long long sum = 0;
        bool positive = true;
        for (int v = 0; v < g.count(); ++v) {
            const int want = roundHalfDown(numbers[static_cast<size_t>(v)]);
            if (valence[static_cast<size_t>(v)] != want)
                return "a vertex does not get its valence";
            sum += want;
            positive = positive && want > 0;
        }
        if (connected && positive && sum >= 2LL * g.count() - 2) {
            // Every vertex reached from vertex 0.
            std::vector<char> seen(static_cast<size_t>(g.count()), 0);
            std::vector<int> stack{0};
            seen[0] = 1;
            int reached = 1;
            while (!stack.empty()) {
                const int v = stack.back();
                stack.pop_back();
                for (int w = 0; w < g.count(); ++w)
                    if (!seen[static_cast<size_t>(w)] && g.Adjacent(v, w)) {
                        seen[static_cast<size_t>(w)] = 1;
                        ++reached;
                        stack.push_back(w);
                    }
            }
            if (reached != g.count())
                return "Connected left the valence graph in pieces";
        }
    }
    return "";
}

} // namespace quan::fuzzcheck
