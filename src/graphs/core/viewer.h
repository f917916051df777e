// The graph6 viewer as a plain type: the loaded collection, the names of
// its examples (the solids), the faces of the example shown, and the
// stepping that shows one example after another in a Graph.
#pragma once

#include "graphs/core/notation.h"
#include "graphs/core/polyhedra.h"

#include <string>
#include <vector>

namespace quan {

struct ViewerWords {
    std::string vertexExample = "vertex example";
    std::string view = "view";
};

class G6Viewer {
public:
    // Loads a collection's text (and the names of its examples, one a line;
    // may be empty): 0 or 11 "cannot open file" (nothing changes).
    int load(std::string text, int id, const std::string& names = {});
    const G6Collection& collection() const { return collection_; }
    bool loaded() const { return collection_.loaded(); }
    int id() const { return collection_.id(); }
    int count() const { return collection_.count(); }
    int current() const { return collection_.current; }
    const FaceList& faces() const { return faces_; }

    // Shows example i (taken modulo the count): the example number becomes
    // i whatever happens. The string is read with ReadGraph6; a polyhedral
    // collection's example gets its faces and a Schlegel drawing on a
    // largest face when it is polyhedral, others stay on the circle. The
    // summary is written and the graph is not marked modified. 0 or 115
    // (shown), or the reader's code with the graph and faces unchanged.
    int show(Graph& g, long long i, const ExampleView& view, const ViewerWords& words = {});
    // "20-vertex example 3/7595 (view 1/12)", then the example's name.
    std::string summary(const Graph& g, const ViewerWords& words = {}) const;

private:
    G6Collection collection_;
    std::vector<std::string> names_;
    FaceList faces_;
};

} // namespace quan
