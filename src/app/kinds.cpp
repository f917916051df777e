#include "app/kinds.h"

#include "apportion/appwin.h"
#include "elections/votwin.h"
#include "graphs/grawin.h"
#include "packing/packwin.h"
#include "power/banwin.h"
#include "schedule/grswin.h"
#include "shell/quanframe.h"

namespace quan {

void registerWindowKinds(TQuanFrame& frame)
{
    frame.registerKind(WindowKind::Apportionment, [](TQuanFrame* f, const DocInit& init) {
        return std::make_unique<TAppWin>(f, init);
    });
    frame.registerKind(WindowKind::Banzhaf, [](TQuanFrame* f, const DocInit& init) {
        return std::make_unique<TBanWin>(f, init);
    });
    frame.registerKind(WindowKind::Graphs, [](TQuanFrame* f, const DocInit& init) {
        return std::make_unique<TGraWin>(f, init);
    });
    // A graph6, digraph6 or sparse6 collection opens in a new graph window's
    // viewer, as its Other ... does.
    frame.registerImport([](TQuanFrame* f, const DocInit& init) {
        auto w = std::make_unique<TGraWin>(f, init);
        w->openCollectionOnCreate(init.fileName);
        return w;
    });
    frame.registerKind(WindowKind::Scheduling, [](TQuanFrame* f, const DocInit& init) {
        return std::make_unique<TGrSWin>(f, init);
    });
    frame.registerKind(WindowKind::Voting, [](TQuanFrame* f, const DocInit& init) {
        return std::make_unique<TVotWin>(f, init);
    });
    frame.registerKind(WindowKind::Packing, [](TQuanFrame* f, const DocInit& init) {
        return std::make_unique<TPackWin>(f, init);
    });
}

} // namespace quan
