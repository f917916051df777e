// Writes the seed corpora of the fuzz targets: valid files made by the
// writers, plus a few near misses. Usage: make_corpus <fuzz/corpus folder>
#include <cstdio>
#include <filesystem>
#include <string>

#include "power/bnzfile.h"
#include "apportion/horfile.h"
#include "docfile/overlays.h"
#include "docfile/safefile.h"
#include "docfile/settings.h"
#include "elections/core/votfile.h"
#include "graphs/core/grafile.h"
#include "graphs/core/graphtext.h"
#include "packing/core/bpafile.h"
#include "graphs/core/notation.h"
#include "graphs/core/sqrect.h"
#include "resources/bouwkamp_tables.h"
#include "schedule/core/grsfile.h"
#include "schedule/core/schedtext.h"

using namespace quan;
namespace fs = std::filesystem;

namespace {

bool saveText(const fs::path& p, const std::string& t)
{
    return writeFileAtomically(p.string(), Bytes(t.begin(), t.end()));
}

bool save(const fs::path& p, const Bytes& b)
{
    if (writeFileAtomically(p.string(), b))
        return true;
    std::fprintf(stderr, "cannot write %s\n", p.string().c_str());
    return false;
}

HorDocument census1790()
{
    HorDocument d;
    const struct {
        const char* name;
        int population;
    } states[] = {{"Connecticut", 236841}, {"Delaware", 55540}, {"Georgia", 70835}, {"Kentucky", 68705},
        {"Maryland", 278514}, {"Massachusetts", 475327}, {"New Hampshire", 141822}, {"New Jersey", 179570},
        {"New York", 331589}, {"North Carolina", 353523}, {"Pennsylvania", 432879}, {"Rhode Island", 68446},
        {"South Carolina", 206236}, {"Vermont", 85533}, {"Virginia", 630560}};
    for (const auto& s : states) {
        d.populations.push_back(s.population);
        d.names.push_back(s.name);
    }
    d.houseSize = 105;
    d.divisor = 3615920.0L / 105;
    const char* headings[] = {"pop", "quota", "seats", "dist", "pct", "rank", "crit", "extra", "state"};
    for (size_t i = 0; i < 9; ++i)
        d.headings[i] = headings[i];
    d.notebook = "Hamilton's method, 1790.\r\nJefferson's was used.";
    return d;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus <corpus folder>\n");
        return 2;
    }
    const fs::path root = argv[1];
    fs::create_directories(root / "fuzz_hor");
    fs::create_directories(root / "fuzz_settings");
    fs::create_directories(root / "fuzz_bnz");
    fs::create_directories(root / "fuzz_vot");
    bool ok = true;

    HorDocument d = census1790();
    ByteWriter w;
    writeHor(w, d);
    ok &= save(root / "fuzz_hor" / "usa1790.hor", w.data());

    HorDocument small;
    small.populations = {1234.6L, 99};
    small.names = {"a", "b"};
    small.method = 9;
    small.key = 0;
    small.houseSize = 3;
    small.divisor = 444.5L;
    small.header.printFormat.xUnit = 0.5L;
    ByteWriter w2;
    writeHor(w2, small);
    ok &= save(root / "fuzz_hor" / "two_states.hor", w2.data());

    Bytes odd = w2.data();
    odd[kHeaderBytes + 28] = 98; // format mark 98: inconsistent
    ok &= save(root / "fuzz_hor" / "inconsistent.hor", odd);

    // Weighted voting: the worked example with a pair and Shapley, a
    // larger table with worksheet colours, and the most blocs.
    BnzDocument b;
    b.weights = {5, 3, 2};
    b.names = {"A", "B", "C"};
    b.quota = 6;
    b.kind = 1;
    b.pairFirst = 0;
    b.pairSecond = 2;
    b.notebook = "5, 3, 2 with quota 6.";
    ByteWriter wb;
    writeBnz(wb, b);
    ok &= save(root / "fuzz_bnz" / "five_three_two.bnz", wb.data());

    BnzDocument council;
    for (int i = 0; i < 15; ++i) {
        council.weights.push_back(i < 5 ? 7 : 1);
        council.names.push_back(i < 5 ? "permanent " + std::to_string(i + 1) : "member " + std::to_string(i - 4));
    }
    council.quota = 39;
    council.key = 0;
    council.increasing = false;
    council.columnWidth = 9;
    council.low = 1;
    council.high = 7;
    council.worksheetColors = {18, 23, 55, 57};
    ByteWriter wc;
    writeBnz(wc, council);
    ok &= save(root / "fuzz_bnz" / "security_council.bnz", wc.data());

    // Ten blocs, the largest worksheet, with its colours; and four blocs of
    // 2100000000 whose majority quota 4200000001 needs word 14.
    BnzDocument ten;
    for (int i = 0; i < 10; ++i) {
        ten.weights.push_back(3 + 2 * i);
        ten.names.push_back("bloc" + std::to_string(i + 1));
    }
    ten.quota = 61;
    ten.worksheetColors = {1, 0, 6, 4};
    ByteWriter wt;
    writeBnz(wt, ten);
    ok &= save(root / "fuzz_bnz" / "ten_blocs_worksheet.bnz", wt.data());

    BnzDocument big;
    big.weights = {2100000000, 2100000000, 2100000000, 2100000000};
    big.names = {"a", "b", "c", "d"};
    big.quota = 4200000001LL;
    ByteWriter wbig;
    writeBnz(wbig, big);
    ok &= save(root / "fuzz_bnz" / "quota_beyond_31_bits.bnz", wbig.data());

    BnzDocument many;
    for (int i = 0; i < kBnzMaxBlocs; ++i) {
        many.weights.push_back(1000 + 37 * i);
        many.names.push_back("bloc" + std::to_string(i));
    }
    many.quota = 70000;
    ByteWriter wm;
    writeBnz(wm, many);
    ok &= save(root / "fuzz_bnz" / "most_blocs.bnz", wm.data());

    SettingsState s;
    s.header = headerStateFor(kKindApportionment);
    s.documentName = "C:\\census\\usa1790.hor";
    ok &= save(root / "fuzz_settings" / "hor.ini", WriteSettings(s));

    SettingsState g;
    g.header = headerStateFor(kKindGraph);
    g.windowWord = 3;
    for (size_t i = 0; i < kParameterWords; ++i) {
        g.first.ints[1][i] = static_cast<int32_t>(i * i);
        g.first.reals[0][i] = 1.0L / (static_cast<long double>(i) + 1);
        g.second.flags[2][i] = static_cast<uint8_t>(i & 1);
    }
    g.documentName = "petersen.gra";
    ok &= save(root / "fuzz_settings" / "qngraph.ini", WriteSettings(g));

    SettingsState p;
    p.header = headerStateFor(kKindBinPacking);
    p.header.extendedSettings = 0;
    ok &= save(root / "fuzz_settings" / "qnpack_short.ini", WriteSettings(p));

    OverlayBlocks o;
    o.texts.resize(2);
    o.texts[0].setText("x-axis");
    o.texts[1].setText("A");
    o.texts[1].font.setFace("Symbol");
    o.graphics.resize(1);
    o.graphics[0].anchor = 4;
    o.graphics[0].metafile = {1, 0, 0, 0, 0x6C, 0, 0, 0};
    ByteWriter wo;
    writeOverlays(wo, o);
    ok &= save(root / "fuzz_settings" / "overlays.bin", wo.data());
    // Elections: the 55-voter profile with every report, six candidates
    // with a random example and nine-digit points, two candidates, a file
    // with seven points words (read with a random example), and a pasted
    // profile as text.
    {
        Random rng;
        rng.seed(55);
        VotDocument v;
        ok &= v.election.pasteProfile("18 ADECB\n12 BEDCA\n10 CBEDA\n9 DCEBA\n4 EBDCA\n2 ECDBA\n") == 0;
        v.election.setSwitches({true, true, true, true, false});
        v.notebook = "Five methods, five winners.";
        ByteWriter wv;
        writeVot(wv, v);
        ok &= save(root / "fuzz_vot" / "fifty_five.vot", wv.data());

        VotDocument six;
        ok &= six.election.newNames("ABCDEF", rng) == 0;
        ok &= six.election.random(2000000, false, rng) == 0;
        ok &= six.election.setPoints({999999999, 500000000, 100, 3, 2, 1}) == 0;
        ByteWriter w6;
        writeVot(w6, six);
        ok &= save(root / "fuzz_vot" / "six_candidates.vot", w6.data());

        VotDocument two;
        ok &= two.election.newNames("xy", rng) == 0;
        ok &= two.election.random(3, false, rng) == 0;
        ByteWriter w2v;
        writeVot(w2v, two);
        ok &= save(root / "fuzz_vot" / "two_candidates.vot", w2v.data());

        // Seven points words: the block's word 1 and one extra word after
        // the six.
        Bytes seven = w2v.data();
        const size_t points = kHeaderBytes + 200 + 2 * 4 + 6 * 4;
        seven.insert(seven.begin() + static_cast<long>(points), {9, 0, 0, 0});
        seven[kHeaderBytes + 4] = 7;
        ok &= save(root / "fuzz_vot" / "seven_points.vot", seven);

        // The Condorcet paradox of three voters with the tournament on.
        VotDocument cycle;
        ok &= cycle.election.newNames("ABC", rng) == 0;
        ok &= cycle.election.pasteProfile("1 ABC\n1 BCA\n1 CAB\n") == 0;
        cycle.election.setSwitches({true, false, true, false, true});
        ByteWriter wc;
        writeVot(wc, cycle);
        ok &= save(root / "fuzz_vot" / "majority_cycle.vot", wc.data());

        const std::string profile = "18 ADECB\r\n12 BEDCA\r\n10 CBEDA\r\n9 DCEBA\r\n4 EBDCA\r\n2 ECDBA\r\n";
        ok &= save(root / "fuzz_vot" / "profile.txt", Bytes(profile.begin(), profile.end()));
        const std::string three = "3 x > y > z\n2 zy\n0 yxz\n";
        ok &= save(root / "fuzz_vot" / "profile_three.txt", Bytes(three.begin(), three.end()));
    }
    // Graphs: a small weighted digraph with a hole and a label of each
    // kind, the Petersen graph with overlays and notes, and an election
    // sized graph.
    fs::create_directories(root / "fuzz_gra");
    fs::create_directories(root / "fuzz_graph_paste");
    const std::string fiveVertices = "vertices: 5\r\n0 0\r\n2 0\r\n2 2\r\n0 2\r\n1 3\r\n\r\n"
                                     "edges: 5\r\n0 1\r\n1 2\r\n2 3\r\n3 0\r\n3 4\r\n\r\n"
                                     "weights: 4\r\n0 12 0 7\r\n\r\ndirections: 4\r\n1 0 -1 2\r\n";
    GraDocument five;
    pasteCoordinates(five.graph, fiveVertices, true);
    five.graph.DeleteVertex(2);
    for (int v : five.graph.presentVertices())
        five.graph.setLabelState(v, labelState(v % 4, v % 5));
    five.graph.setLabelText(4, "top");
    five.graph.ClearSolution(true);
    five.settings.mouseMode = MouseArrows;
    five.notebook = fiveVertices;
    ByteWriter wg;
    ok &= writeGra(wg, five) == 0 && save(root / "fuzz_gra" / "five_vertices.gra", wg.data());

    const std::string petersen = "10\n0 10 9.511 3.09 5.878 -8.09 -5.878 -8.09 -9.511 3.09\n"
                                 "0 5 4.755 1.545 2.939 -4.045 -2.939 -4.045 -4.755 1.545\n"
                                 "15\n0 1 1 2 2 3 3 4 4 0 0 5 1 6 2 7 3 8 4 9 5 7 7 9 9 6 6 8 8 5\n";
    GraDocument pet;
    pasteCoordinates(pet.graph, petersen, true);
    pet.graph.ClearSolution(true);
    pet.overlays.texts.resize(1);
    pet.overlays.texts[0].setText("Petersen");
    pet.overlays.graphics.resize(1);
    pet.overlays.graphics[0].metafile = {1, 0, 0, 0};
    pet.extension[0] = 1;
    pet.notebook = "vertices: 10\r\nedges: 15\r\ncomponents: 1";
    ByteWriter wp;
    ok &= writeGra(wp, pet) == 0 && save(root / "fuzz_gra" / "petersen.gra", wp.data());

    GraDocument vote(kElectionSlots);
    for (int i = 0; i < 4; ++i)
        vote.graph.AddVertexAt(i, i * i);
    vote.graph.AddEdge(0, 3);
    vote.graph.AddEdge(2, 1);
    vote.graph.digraph = true;
    vote.graph.ClearSolution(true);
    ByteWriter wv;
    ok &= writeGra(wv, vote) == 0 && save(root / "fuzz_gra" / "four_candidates.gra", wv.data());

    ok &= saveText(root / "fuzz_graph_paste" / "five_vertices.txt", fiveVertices);
    ok &= saveText(root / "fuzz_graph_paste" / "petersen.txt", petersen);
    ok &= saveText(root / "fuzz_graph_paste" / "adjacencies.txt", "0: 1, 2;\n1: 2;\n2 0;\n");
    ok &= saveText(root / "fuzz_graph_paste" / "weights.txt", "3 -4.5 2.5\n7 8 9 10 11 12 13 14 15 16 32767");
    ok &= saveText(root / "fuzz_graph_paste" / "one_based.txt", "3 0 0 1 1 2 0\n3 1 2 2 3 3 1\n3 5 0 2\n2 2 -1");

    // Graph notations: formats.txt's examples, the Petersen graph, a
    // 100-vertex cycle with the four-character size, the padding cases;
    // LCF texts; a collection with a header, CR LF and an unreadable line.
    for (const char* t : {"fuzz_graph6", "fuzz_digraph6", "fuzz_sparse6", "fuzz_lcf", "fuzz_g6collection"})
        fs::create_directories(root / t);
    Graph cycle100;
    circleExample(cycle100, 100, {0, 0, 10, 10}, true);
    ok &= saveText(root / "fuzz_graph6" / "formats_txt.g6", "DQc");
    ok &= saveText(root / "fuzz_graph6" / "petersen.g6", "IheA@GUAo\r\n");
    ok &= saveText(root / "fuzz_graph6" / "k4.g6", "C~");
    ok &= saveText(root / "fuzz_graph6" / "one_vertex.g6", "@");
    ok &= saveText(root / "fuzz_graph6" / "cycle100.g6", WriteGraph6(cycle100));
    ok &= saveText(root / "fuzz_graph6" / "digraph_by_length.g6", "BT?");
    ok &= saveText(root / "fuzz_digraph6" / "formats_txt.d6", "DI?AO?");
    ok &= saveText(root / "fuzz_digraph6" / "loop.d6", "Bg?");
    ok &= saveText(root / "fuzz_digraph6" / "one_vertex.d6", "@?");
    ok &= saveText(root / "fuzz_sparse6" / "formats_txt.s6", "Fa@x^");
    ok &= saveText(root / "fuzz_sparse6" / "padding_zero_first.s6", "CoJ");
    ok &= saveText(root / "fuzz_sparse6" / "padding_ones.s6", "CoN");
    ok &= saveText(root / "fuzz_sparse6" / "runaway.s6", "DaGaGaGaG");
    ok &= saveText(root / "fuzz_sparse6" / "cycle100.s6", WriteSparse6(cycle100).substr(1));
    ok &= saveText(root / "fuzz_lcf" / "heawood.txt", "[5,-5]^7");
    ok &= saveText(root / "fuzz_lcf" / "cube.txt", " [3, -3] ^ 4\r\n");
    ok &= saveText(root / "fuzz_lcf" / "dodecahedron.txt", "[10,7,4,-4,-7,10,-4,7,-7,4]^2");
    ok &= saveText(root / "fuzz_lcf" / "on_the_cycle.txt", "[2,2,2]");
    ok &= saveText(root / "fuzz_g6collection" / "platonic_crlf.g6",
        ">>graph6<<C~\r\nGsXP_[\r\nE|tw\r\nSsP@@OSC_O?`?_?O_C??`?AO?C_?C_??[\r\nK|fJAKqEGY_^");
    ok &= saveText(root / "fuzz_g6collection" / "mixed.g6", "C~\nC\n:Fa@x^\n&DI?AO?\n\nIheA@GUAo\n");
    ok &= saveText(root / "fuzz_g6collection" / "prism.g6", "EyY_\rE{Sw\r");

    // Scheduling: every built-in example with its list and a processor
    // count, example 7 with a hole and notes, and pasted task digraphs.
    fs::create_directories(root / "fuzz_grs");
    fs::create_directories(root / "fuzz_task_paste");
    for (int k = 1; k <= kScheduleExamples; ++k) {
        GraDocument grs = newGrsDocument();
        std::string order;
        loadScheduleExample(grs.graph, k, {0, 7, 5, 7}, &order);
        grs.graph.ClearSolution(true);
        grs.settings.scheduleSetting = static_cast<int16_t>(1 + k);
        if (k == 7) {
            grs.graph.DeleteVertex(5);
            order.erase(5, 1);
            grs.notebook = "processor 1: A 0-7";
        }
        setStoredList(grs, order);
        ByteWriter wgrs;
        ok &= writeGrs(wgrs, grs) == 0 && save(root / "fuzz_grs" / ("example" + std::to_string(k) + ".grs"), wgrs.data());
    }
    ok &= saveText(root / "fuzz_task_paste" / "example1.txt",
                   "8\n1 1 2 1 3 1 4 1 1 2 2 2 3 3 4 3\n5 7 5 3 8 6 9 4\n5\n5 6 6 3 3 4 6 7 7 8\n");
    ok &= saveText(root / "fuzz_task_paste" / "graham.txt",
                   "tasks: 9\n0 0 1 0 2 0 3 0 4 0 5 0 6 0 7 0 8 0\ntimes: 3 2 2 2 4 4 4 4 9\n"
                   "precedences: 5\n1 9 4 5 4 6 4 7 4 8\n");
    ok &= saveText(root / "fuzz_task_paste" / "chain.txt", "3, 0 0, 1 0, 2 0, 4 5 6, 2, 1 2, 2 3");
    ok &= saveText(root / "fuzz_task_paste" / "cycle.txt", "3 0 0 1 0 2 0 1 1 32767 3 1 2 2 3 3 1");

    // Bin packing: first fit decreasing of 6 5 4 with wide bars, and a list
    // of 3000 sizes that opens cut to 2500 with its notebook after them.
    fs::create_directories(root / "fuzz_bpa");
    {
        BpaDocument bpa;
        bpa.capacity = 10;
        bpa.methodCode = 11;
        bpa.columnWidth = 64;
        bpa.items = {6, 5, 4};
        bpa.notebook = "6 4 \r\n5 \r\nbins used: 2 [optimal]\r\n";
        ByteWriter wFfd;
        writeBpa(wFfd, bpa);
        ok &= save(root / "fuzz_bpa" / "ffd_wide.bpa", wFfd.data());
        bpa.methodCode = 3;
        bpa.columnWidth = 2147483647;
        bpa.items.clear();
        for (int i = 0; i < 3000; ++i)
            bpa.items.push_back(1 + (i * 7) % 9);
        bpa.notebook = "after 3000 sizes";
        ByteWriter wCut;
        writeBpa(wCut, bpa);
        ok &= save(root / "fuzz_bpa" / "cut_3000.bpa", wCut.data());
    }
    // Valence lists: K4, a tree, the refused lists, a dense list, the
    // limit of 286 numbers and one past it.
    {
        fs::create_directories(root / "fuzz_valences");
        ok &= saveText(root / "fuzz_valences" / "k4.txt", "3 3 3 3");
        ok &= saveText(root / "fuzz_valences" / "tree.txt", "1, 1, 1, 3, 2, 1, 1\r\n");
        ok &= saveText(root / "fuzz_valences" / "incompatible.txt", "2 2 0 0");
        ok &= saveText(root / "fuzz_valences" / "odd.txt", "1;1;1");
        ok &= saveText(root / "fuzz_valences" / "four_ones.txt", "1 1 1 1");
        std::string dense, full, over;
        for (int i = 0; i < 40; ++i)
            dense += "20 ";
        for (int i = 0; i < 286; ++i)
            full += "2 ";
        over = full + "2";
        ok &= saveText(root / "fuzz_valences" / "dense.txt", dense);
        ok &= saveText(root / "fuzz_valences" / "full.txt", full);
        ok &= saveText(root / "fuzz_valences" / "too_many.txt", over);
    }

    // Squared rectangles: codes of the collection in the pasted forms
    // (brackets, the triple, plain numbers, other brackets), a compound
    // square, refused codes; ".bou" files of the built-in tables.
    fs::create_directories(root / "fuzz_bouwkamp");
    fs::create_directories(root / "fuzz_bou");
    ok &= saveText(root / "fuzz_bouwkamp" / "moron_33x32.txt", "(18,15)(7,8)(14,4)(10,1)(9)");
    ok &= saveText(root / "fuzz_bouwkamp" / "moron_triple.txt", "9 33 32 (18,15)(7,8)(14,4)(10,1)(9)");
    ok &= saveText(root / "fuzz_bouwkamp" / "moron_plain.txt", "9 33 32 18 15 7 8 14 4 10 1 9\r\n");
    ok &= saveText(root / "fuzz_bouwkamp" / "other_brackets.txt", "[36,33]{5,28}[25,9,2](7,16)[33,7]");
    ok &= saveText(root / "fuzz_bouwkamp" / "duijvestijn_112.txt",
        "(50,35,27)(8,19)(15,17,11)(6,24)(29,25,9,2)(7,18)(16)(42)(4,37)(33)");
    ok &= saveText(root / "fuzz_bouwkamp" / "overshoot.txt", "(18,15)(7,9)(14,4)(10,1)(9)");
    ok &= saveText(root / "fuzz_bouwkamp" / "too_large.txt", "(32768,15)(7,8)(14,4)(10,1)(9)");
    std::string row = "(";
    for (int i = 0; i < 290; ++i)
        row += i ? ",1" : "1";
    ok &= saveText(root / "fuzz_bouwkamp" / "row_290.txt", row + ")");
    for (size_t i = 0; i < kBouwkampTableCount; ++i) {
        const BouwkampTable& t = kBouwkampTables[i];
        const BouwkampCollection c = collectionFromTable(t.order, t.numbers, t.count);
        if (c.records.size() > 30)
            continue;
        const std::string bytes = writeBou(c);
        ok &= !bytes.empty() && saveText(root / "fuzz_bou" / ("table" + std::to_string(t.category) + ".bou"), bytes);
        if (t.category == 9 || t.category == 18) {
            SquaredRectangle r;
            ok &= BuildSquaredRectangle(c.records[0].width, c.records[0].sizes, r) == 0;
            ok &= saveText(root / "fuzz_bouwkamp" / ("square" + std::to_string(t.order) + ".txt"), recordCode(c.records[0]));
            ok &= saveText(root / "fuzz_bouwkamp" / ("square" + std::to_string(t.order) + "_vertical.txt"), r.verticalCode);
        }
    }
    return ok ? 0 : 1;
}
