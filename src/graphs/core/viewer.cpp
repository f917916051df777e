#include "graphs/core/viewer.h"

#include "core/msgcode.h"
#include "core/qmath.h"

namespace quan {

int G6Viewer::load(std::string text, int id, const std::string& names)
{
    G6Collection c;
    if (const int code = c.load(std::move(text), id); code != 0)
        return code;
    std::vector<std::string> list;
    size_t i = 0;
    while (i < names.size()) {
        size_t end = names.find_first_of("\r\n", i);
        if (end == std::string::npos)
            end = names.size();
        if (end > i)
            list.push_back(names.substr(i, end - i));
        i = end + 1;
    }
    collection_ = std::move(c);
    names_ = std::move(list);
    faces_ = {};
    return 0;
}

int G6Viewer::show(Graph& g, long long i, const ExampleView& view, const ViewerWords& words)
{
    if (!collection_.loaded())
        return codeOf(Msg::InconsistentData);
    collection_.current = collection_.wrap(i);
    // ReadGraph6 leaves the graph alone on a refusal and replaces it whole
    // otherwise; what follows only moves vertices.
    const int code = ReadGraph6(g, collection_.example(collection_.current), view);
    if (code != 0 && code != codeOf(Msg::LoopDiscarded))
        return code;
    FaceList faces;
    if (collection_.polyhedral() && g.edgeCount() + 1 != g.count())
        polyhedralLayout(g, view, faces);
    g.ClearSolution(true);
    faces_ = std::move(faces);
    g.solution.setSummary(summary(g, words));
    g.modified = false;
    return code;
}

std::string G6Viewer::summary(const Graph& g, const ViewerWords& words) const
{
    std::string s = formatInt(g.count());
    s += "-";
    s += words.vertexExample;
    s += " ";
    s += formatInt(collection_.current + 1);
    s += "/";
    s += formatInt(collection_.count());
    if (!faces_.empty()) {
        s += " (";
        s += words.view;
        s += " ";
        s += formatInt(faces_.view + 1);
        s += "/";
        s += formatInt(faces_.count());
        s += ")";
    }
    if (static_cast<size_t>(collection_.current) < names_.size()) {
        s += " ";
        s += names_[static_cast<size_t>(collection_.current)];
    }
    return s;
}

} // namespace quan
