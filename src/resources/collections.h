// The graph6 collections compiled into the program (the viewer's solids,
// cubic polyhedra up to 16 vertices and snarks up to 24), made by the
// build from the files of src/graphs/data.
#pragma once

#include <cstddef>
#include <string>

namespace quan {

struct CollectionResource {
    const char* name;  // "QNGPLATO", "QNGPOL04", ...
    const char* text;  // one graph6 string a line
    const char* names; // the examples' names, one a line ("" for none)
};

// The resource of that name, or nullptr when there is none.
const CollectionResource* collectionResource(const std::string& name);

} // namespace quan
