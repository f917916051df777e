// The graph window: TGra0Win shows and edits one Graph (the document of
// src/graphs/core) with the mouse and reads and writes ".gra" files;
// TGraWin adds the menu commands of GRFMENU. TLabDlg is the modeless
// "individual labels" dialog.
#pragma once

#include "graphics/baswin.h"
#include "graphs/core/circuits.h"
#include "graphs/core/grafile.h"
#include "graphs/core/polyhedra.h"
#include "graphs/core/sqrect.h"
#include "graphs/core/trees.h"
#include "graphs/core/graph.h"
#include "graphs/core/viewer.h"
#include "resources/commands.h"
#include "shell/dlg.h"

#include <array>
#include <memory>

namespace quan {

class TGra0Win;

// The toolbar "TOOLS": one button per mouse mode (the button ids are the
// mode commands) and close. Modeless; closing hides it.
class TToolDlg : public TDlg {
public:
    explicit TToolDlg(TGra0Win& owner);
    bool button(plat::Dialog& d, int id) override;

private:
    TGra0Win& owner_;
};

// Control ids of "LABELS".
namespace labctl {
constexpr int Names = 101;
// The icon radio buttons in the dialog's order: bullet, circle, solid box,
// open box, no mark.
constexpr int IconBullet = 201, IconCircle = 202, IconSolidBox = 203, IconOpenBox = 204, IconNone = 205;
// The text radio buttons: alphabet, your label, valence, no text.
constexpr int TextAlphabet = 211, TextUser = 212, TextValence = 213, TextNone = 214;
} // namespace labctl

class TLabDlg : public TDlg {
public:
    explicit TLabDlg(TGra0Win& owner);
    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;

private:
    TGra0Win& owner_;
};

// Hit radii in pixels: a click selects a vertex within 4 pixels on both
// axes; a drag starts and ends on a vertex within 6; an edge is chosen by
// its midpoint within 8 (horizontal plus vertical distance).
inline constexpr int kClickRadius = 4;
inline constexpr int kDragRadius = 6;
inline constexpr int kEdgeRadius = 8;

class TGra0Win : public TBasWin {
public:
    // Colour roles (the Colors menu's ids minus 200) and font slots.
    static constexpr int RoleEdges = 1, RoleVertices = 2, RoleLabels = 4, RoleWeights = 5, RoleSolution = 6,
                         RoleSummary = 7, RoleArrowheads = 9;
    static constexpr int RoleCoordinates = 11;
    static constexpr int FontLabels = 0, FontWeights = 1, FontSummary = 2, FontCoordinates = 8;

    TGra0Win(TQuanFrame* frame, DocInit init, int slots = kGraphSlots);
    ~TGra0Win() override;

    int32_t windowKind() const override { return kKindGraph; }
    std::string fileFilter() const override { return S(Str::GraFilesFilter); }
    std::string defaultExtension() const override { return "GRA"; }
    std::string settingsFileName() const override { return "qngraph.ini"; }

    Graph& graph() { return graph_; }
    const Graph& graph() const { return graph_; }

    // --- switches ----------------------------------------------------------------
    bool redrawDeletion() const { return redrawDeletion_; }
    bool zeroBased() const { return zeroBased_; }
    int iconSize() const { return iconSize_; }
    // Icon size: 0, 14 "positive value?" below 1 or 17 "out of bounds"
    // above 32767 (the file keeps it in 16 bits); nothing changes then.
    int setIconSize(long long size);
    // The extra pen width of edges and icons on the printer and in the
    // exports (never on screen): 0, 14 below 0 or 17 above 100.
    int thickenPrint() const { return thicken_; }
    int setThickenPrint(long long extra);
    // The angle View|Rotate turns by, in degrees (counter-clockwise).
    Real rotationAngle() const { return angle_; }
    void setRotationAngle(Real degrees);
    // Turns every vertex rigidly about (cx, cy) by the angle: 0, or 17 "out
    // of bounds" when a position would not be finite (nothing changes).
    int rotateFigure(Real cx, Real cy, Real degrees);
    // The text Coordinates mode shows while the left button is down ("" when
    // none).
    const std::string& coordinatesText() const { return coordText_; }
    // The rotation centre Rotate mode turns about (set by a right click on a
    // vertex); unset: the window's middle.
    bool rotationCentreSet() const;
    WPoint rotationCentre() const;
    // The toolbar (one per window, created on first use).
    void showToolbar();
    TToolDlg* toolbar() { return toolbar_.get(); }
    void setWeightsShown(bool on);
    void setDigraph(bool on);

    // --- edits the commands and the mouse make -------------------------------------
    // Every change ends here: valences, changed flag, menu checks, repaint.
    // A window that keeps results of the graph (a schedule) extends it.
    virtual void graphChanged();
    // Icon kind k (0..4) or text kind k (0..3) for every vertex and for the
    // vertices drawn later.
    void setAllIcons(int icon);
    void setAllTexts(int text);
    void setAllOffsets(int16_t dx, int16_t dy);
    // The labels of the named present vertices ("A C E_0", separated by
    // blanks or commas; other names are passed over): 0, or 6 "inconsistent
    // data" when no name is that of a present vertex (nothing changes).
    int setLabels(const std::string& names, int icon, int text);
    // Fits the view to the present vertices (one vertex: a view of width 2
    // about it); nothing without vertices. The view before is remembered
    // for Last window unless remember is false.
    void autofit(bool remember = true);

    // --- hit testing, in client pixels -------------------------------------------
    plat::Point devicePoint(int v) const;
    // The first present vertex in slot order within radius pixels on both
    // axes, -1 for none.
    int vertexAt(plat::Point p, int radius) const;
    // The first edge (higher slot ascending, then lower) whose midpoint is
    // within kEdgeRadius (horizontal plus vertical distance): false for none.
    bool edgeAt(plat::Point p, int& a, int& b) const;
    // The vertex whose drawn label contains p, -1 for none.
    int labelAt(plat::Point p) const;

    // The label text a vertex shows ("" for text kind none).
    std::string labelText(int v) const;

    int readDocument(const std::string& path) override;
    bool writeDocument(const std::string& path) override;
    // The graph as shown, with its solution, undo copy and modified flag
    // (a file holds no solution), for Simulprint.
    std::unique_ptr<KeptState> keepState() override;
    void restoreState(const KeptState& k) override;
    int writeFailure() const override { return writeCode_; }

    void drawPicture(plat::DC& dc) override;
    void mouse(const plat::MouseEvent& e) override;
    void clipboardChanged() override { updateGraphMenu(); }
    void command(int id) override;

protected:
    void setup() override;
    // The example a new window shows (setup's): a random cycle or street
    // grid fitted to the window; a window of another kind shows its own.
    virtual void loadFirstExample();
    void closed() override;
    bool wantsNotebook() const override { return true; }
    // Whether setup puts a random first example in the window (windows that
    // build their graph from a document of their own say no).
    virtual bool wantsFirstExample() const { return true; }
    void mouseModeChanged(MouseMode before) override;
    void storeParameters(SettingsState& s) const override;
    void loadParameters(const SettingsState& s) override;
    void updateGraphMenu();
    // Called at the end of updateGraphMenu: the derived windows check and
    // enable their own commands here.
    virtual void updateMenuHook() {}
    // The pen colour of highlighted edge k (a slow-motion walk colours its
    // sub-walks; otherwise the solution colour).
    int solutionEdgeColor(size_t k) const;
    // Whether the edges outside the solution are left out of the picture.
    virtual bool solutionOnly() const { return false; }
    // Drawn over the vertices at the end of the picture (the colours of a
    // colouring).
    virtual void drawOverVertices(plat::DC&) {}
    // Drawn first, under the graph (the squares of a squared rectangle).
    virtual void drawUnderGraph(plat::DC&) {}
    // Whether the edges, vertices and labels are left out of the picture.
    virtual bool graphHidden() const { return false; }
    // The document as the file keeps it, and back.
    GraDocument documentData() const;
    void loadDocument(const GraDocument& d);

    // Mouse actions by mode.
    void drawingMouse(const plat::MouseEvent& e);
    void moveMouse(const plat::MouseEvent& e);
    void textMouse(const plat::MouseEvent& e);
    void arrowsMouse(const plat::MouseEvent& e);
    void coordinatesMouse(const plat::MouseEvent& e);
    void rotateMouse(const plat::MouseEvent& e);
    // The extra width of edge and icon pens in the drawing under way.
    int extraPenWidth() const { return drawingScreen() ? 0 : thicken_; }
    void drawIcon(plat::DC& dc, WPoint c, int icon, int color);
    // View|Angle and Misc|Thicken print: the input boxes.
    void cmAngle();
    void cmThickenPrint();
    // Text mode's right click: a user label or a weight typed in place.
    void editLabel(int v);
    void editWeight(int a, int b);

    Graph graph_;
    int iconSize_ = 4;
    bool redrawDeletion_ = false;
    bool zeroBased_ = true;
    // The settings of the examples (the last grid and circle).
    int16_t gridRows_ = 4, gridColumns_ = 5, circleCount_ = 9;
    // File fields this window keeps as read.
    GraSettings fileSettings_;
    GraFlags fileFlags_;
    OverlayBlocks overlays_;
    Bytes extension_;

    // A drag in progress: the vertex (or label) pressed and where.
    int dragVertex_ = -1;
    int dragLabel_ = -1;
    plat::Point dragFrom_;
    bool dragMoved_ = false;
    std::unique_ptr<TLabDlg> labels_;
    std::unique_ptr<TToolDlg> toolbar_;
    int writeCode_ = 12;
    Real angle_ = 30;
    int thicken_ = 0;
    // Coordinates mode: the text shown and the pixel it belongs to.
    std::string coordText_;
    plat::Point coordAt_;
    // Rotate mode: the centre, and the drag's start (the angle of the press
    // about the centre and every position at the press).
    int rotCentre_ = -1; // the centre vertex, -1 for none
    bool rotating_ = false;
    WPoint rotDragCentre_;
    Real rotStartAngle_ = 0;
    std::vector<std::pair<Real, Real>> rotFrom_;
};

class TBouwkampDlg;

class TGraWin : public TGra0Win {
public:
    TGraWin(TQuanFrame* frame, DocInit init, int slots = kGraphSlots);
    ~TGraWin() override;

    // The Paste commands: 0 or the message code (shown).
    int cmPaste(int id);
    void cmDefinition();
    void cmData();
    void cmIconSize();
    void command(int id) override;

    // The Algo menu's circuits and tours: 0 or the message code (shown).
    int cmAlgo(int id);
    bool slowMotion() const { return slowMotion_; }
    // Trees, Dijkstra, colouring, Orient and the Edit menu's Complement,
    // Complete and Distances: 0 or the message code (shown).
    int cmTrees(int id);
    // Misc|Weight range: 0 or the message code (shown).
    int cmWeightRange();
    bool minimalWeight() const { return minimalWeight_; }
    bool welshPowell() const { return welshPowell_; }
    bool useNumbers() const { return useNumbers_; }
    // Solution only hides the other edges while an edge solution (a tour,
    // a walk, a tree or paths) is shown; with none, or with a colouring,
    // every edge is drawn.
    bool solutionOnly() const override
    {
        const int m = static_cast<int>(graph_.solution.mode);
        return solutionOnly_ && m >= 0 && m <= 9 && !graph_.solution.edges.empty();
    }
    int weightLow() const { return weightLow_; }
    int weightHigh() const { return weightHigh_; }
    // The range of random weights: 0, or 17 "out of bounds" unless
    // 1 <= low <= high <= 32767 (nothing changes).
    int setWeightRange(long long low, long long high);
    void mouse(const plat::MouseEvent& e) override;
    bool writeDocument(const std::string& path) override;

    // --- notations and the graph6 viewer (grawin_notation.cpp) -------------
    // Paste Graph6 / LCF notation, Misc Graph6 / Sparse6 notation: 0 or the
    // message code (shown); -1 when the save-changes question was cancelled.
    int cmPasteNotation(int id);
    int cmWriteNotation(int id);
    // Loads a collection by id (built-in, or a file beside the program) or
    // a file as collection -1, and shows its first example.
    int loadCollection(int id);
    int loadCollectionFile(const std::string& path);
    // Shows example i of the loaded collection (the number moves on even
    // when the string cannot be read; the graph then stays).
    int showExample(long long i);
    const G6Viewer& viewer() const { return viewer_; }
    // The folder the optional collection files are looked for in (the
    // program's own, unless a test says otherwise).
    void setCollectionFolder(const std::string& folder);

    // --- squared rectangles (grawin_sqrect.cpp) ------------------------------
    // Paste Bouwkamp notation: 0 or the message code (shown); -1 when the
    // save-changes question was cancelled. A refused code changes nothing.
    int cmPasteBouwkamp();
    // Reads and builds a code and shows it: 0 or the message code (shown),
    // nothing changed on a refusal.
    int showBouwkamp(const std::string& text);
    // Lays out the squares and puts their network in place of the graph: 0
    // or the message code (shown), nothing changed on a refusal.
    int showSquaredRectangle(int32_t width, const std::vector<int32_t>& sizes);
    // Misc|Bouwkamp notation: 0, 9 without a squared rectangle, or 4 "no
    // more room" (shown) when the notebook cannot take both lines.
    int cmBouwkampNotation();
    // The library: opens the dialog on a new document; a category's records
    // (0, or 11 for a category not offered); an entry chosen (the
    // save-changes question first when the document changed since).
    int cmSquaredLibrary();
    bool libraryCategoryOffered(int category) const;
    int libraryCategory(int category, BouwkampCollection& out) const;
    int chooseLibraryEntry(const BouwkampRecord& r);
    TBouwkampDlg* libraryDialog() { return sqLibrary_.get(); }
    bool squaredRectangleShown() const { return sqShown_; }
    const SquaredRectangle& squaredRectangle() const { return sqrect_; }
    bool numeralsShown() const { return fileFlags_.numerals; }
    bool squaresHidden() const { return fileFlags_.squaresHidden; }
    bool verticalSegments() const { return fileFlags_.verticalSegments; }
    // Hide graph hides the network of a squared rectangle only: once the
    // tiling is gone (another graph replaced it) the graph is drawn again,
    // and the switch keeps its check mark for the next tiling.
    bool graphHidden() const override { return sqGraphHidden_ && sqShown_ && !sqrect_.squares.empty(); }
    bool hideGraphChecked() const { return sqGraphHidden_; }
    int readDocument(const std::string& path) override;
    // A file the window loads as a collection when it is created.
    void openCollectionOnCreate(const std::string& path) { pendingCollection_ = path; }

    // --- generators (grawin_generators.cpp) ----------------------------------
    // File New, Paste Valences and Connected, Edit Randomize and the named
    // graphs: 0 or the message code (shown); -1 when cancelled.
    int cmGenerator(int id);
    bool connectedValences() const { return connectedValences_; }

protected:
    bool generatorCommand(int id);
    int makeGraph(int id);
    void updateGeneratorMenu();
    ExampleView generatorView() const;
    // After a new graph: valences, untitled, the mode, the view fitted.
    void showGenerated(MouseMode mode);
    // An input box for a whole number: false when cancelled or not a
    // number (code then notNumber, the command's own refusal, shown).
    bool askCount(Str title, Str prompt, const std::string& preset, int notNumber, long long& n, int& code);
    bool connectedValences_ = false;
    std::string separations_ = "2,3";
    // The last random planar graph, for Reset.
    std::unique_ptr<Graph> planarSaved_;
    // The faces the Polyhedral test found, the face drawn outside, and the
    // edges they belong to (an edit makes them stale).
    FaceList faces_;
    std::vector<std::pair<int, int>> facesEdges_;
    bool facesKnown() const { return !faces_.empty() && facesEdges_ == graph_.edges(); }
    // Polyhedral test, Next view, Schlegel: 0 or the message code (shown).
    int cmPolyhedral(int id);
    std::string polyhedralSummary() const;

    void updateMenuHook() override;
    void setup() override;
    void dispatchCommand(int id);
    // The viewer's and the notations' commands: false for any other id.
    bool notationCommand(int id);
    void updateNotationMenu();
    // The squared-rectangle commands: false for any other id.
    bool sqrectCommand(int id);
    void updateSqrectMenu();
    void findBouwkampFiles(const std::string& folder);
    void drawUnderGraph(plat::DC& dc) override;
    // Forgets the tiling (the graph was replaced).
    void dropSquaredRectangle();
    // The graph and the tiling kept across a read of other documents
    // (Simulprint), which forgets the tiling.
    std::unique_ptr<KeptState> keepState() override;
    void restoreState(const KeptState& k) override;
    // Watches a command that may replace the graph: the tiling goes when it did.
    struct SqrectWatch {
        SqrectWatch(TGraWin& w, int id);
        ~SqrectWatch();
        TGraWin& win;
        std::unique_ptr<Graph> before;
    };
    SquaredRectangle sqrect_;
    bool sqShown_ = false;
    bool sqGraphHidden_ = false;
    // The ".bou" files of the file categories found beside the program; ""
    // for a missing one (indexed by category).
    std::array<std::string, 24> bouFiles_;
    std::unique_ptr<TBouwkampDlg> sqLibrary_;
    G6Viewer viewer_;
    std::string pendingCollection_;
    std::string collectionFolder_;
    // The optional collection files (18- and 20-vertex cubic polyhedra, 26-
    // and 28-vertex snarks) found in that folder; "" for a missing one.
    std::array<std::string, 4> optionalFiles_;
    // A run bound to this window: key poll, caption, repaint, slow motion.
    CircuitRun circuitRun();
    // After a run: caption back, notebook record, menu, repaint.
    void finishRun(CircuitRun& run);
    // The start-vertex prompt: false when cancelled or refused (shown).
    bool askStartVertex(int& v);

    bool slowMotion_ = false;
    bool minimalWeight_ = true;
    bool welshPowell_ = true;
    bool useNumbers_ = false;
    bool solutionOnly_ = true;
    int weightLow_ = 10, weightHigh_ = 50;
    long long greatestWeight_ = 20000;
    TreeWords treeWords() const;
    void drawOverVertices(plat::DC& dc) override;
    plat::Menu menuBar() const override;
    std::vector<plat::Accelerator> accelerators() const override;
    std::string menuHelpName(int id) const override;
};

} // namespace quan
