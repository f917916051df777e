// Menus, accelerators and dialog templates of the graph window.
#include "resources/rc.h"

namespace quan {

extern const char kGraphsRc[] = R"RC(
MENU GRFMENU
POPUP "&File"
  MENUITEM "&Open ...", cm::Open
  MENUITEM "&Save", cm::Save
  MENUITEM "Save &As ...", cm::SaveAs
  MENUITEM SEPARATOR
  POPUP "&New"
    POPUP "&Circle"
      MENUITEM "&Circle ...", grcmd::NewCircle
      MENUITEM "C&omplete ...", grcmd::NewComplete
      MENUITEM "&Points ...", grcmd::NewCirclePoints
      MENUITEM "C&irculant ...", grcmd::NewCirculant
    END
    POPUP "&Grid"
      MENUITEM "&Grid ...", grcmd::NewGrid
      MENUITEM "&Points ...", grcmd::NewGridPoints
    END
    MENUITEM "P&oint", grcmd::NewPoint
    POPUP "&Random"
      MENUITEM "&TSP ...", grcmd::RandomTsp
      MENUITEM "&Kruskal", grcmd::RandomKruskal
      MENUITEM "T&ree ...", grcmd::RandomTree
      MENUITEM "&Planar ...", grcmd::RandomPlanar
      MENUITEM "R&eset", grcmd::RandomReset
    END
    POPUP "C&ubics"
      MENUITEM "&Prism ...", grcmd::Prism
      MENUITEM "&Moebius ...", grcmd::Moebius
      MENUITEM "P&etersen ...", grcmd::Petersen
      MENUITEM "&Dodecahedron", grcmd::Dodecahedron
      MENUITEM SEPARATOR
      MENUITEM "&1. Barnette 38", grcmd::Barnette38
      MENUITEM "&2. Grinberg 42", grcmd::Grinberg42
      MENUITEM "&3. Faulkner-Younger 42", grcmd::FaulknerYounger42
      MENUITEM "&4. Grinberg 44", grcmd::Grinberg44
      MENUITEM "&5. Faulkner-Younger 44", grcmd::FaulknerYounger44
      MENUITEM "&6. Tutte 46", grcmd::Tutte46
      MENUITEM "&7. Grinberg 46", grcmd::Grinberg46
      MENUITEM "&8. Thomassen 94", grcmd::Thomassen94
    END
    POPUP "&Miscellany"
      MENUITEM "&1. Utilities K3,3", grcmd::Utilities
      MENUITEM "&2. Goldner-Harary", grcmd::GoldnerHarary
      MENUITEM "&3. Groetzsch", grcmd::Grotzsch
      MENUITEM "&4. Herschel", grcmd::Herschel
      MENUITEM "&5. Desargues", grcmd::Desargues
      MENUITEM "&6. Heawood", grcmd::Heawood
      MENUITEM "&7. Holt", grcmd::Holt
      MENUITEM "&8. Knight's moves ...", grcmd::KnightBoard
      MENUITEM "&9. USA states", grcmd::StatesMap
    END
    MENUITEM SEPARATOR
    MENUITEM "&Help", grcmd::HelpNew
  END
  POPUP "P&aste"
    MENUITEM "&Coordinates", grcmd::PasteCoordinates
    MENUITEM "&Adjacencies", grcmd::PasteAdjacencies
    MENUITEM "&Weights", grcmd::PasteWeights
    MENUITEM SEPARATOR
    MENUITEM "&Graph6 notation", grcmd::PasteGraph6
    MENUITEM "&LCF notation", grcmd::PasteLcf
    MENUITEM "&Bouwkamp notation", grcmd::PasteBouwkamp
    MENUITEM SEPARATOR
    MENUITEM "&Valences", grcmd::PasteValences
    MENUITEM "Co&nnected", grcmd::PasteConnected
    MENUITEM SEPARATOR
    MENUITEM "&Zero-based input", grcmd::ZeroBased
  END
  MENUITEM "S&quared-rectangle library ...", grcmd::SquaredLibrary
  MENUITEM SEPARATOR
  MENUITEM "&Print ...", gcm::Print
  MENUITEM "&Format ...", gcm::Format
  MENUITEM "Select p&rinter ...", gcm::SelectPrinter
  MENUITEM SEPARATOR
  MENUITEM "&Copy to clipboard", gcm::CopyToClipboard
  MENUITEM "&Bitmap to clipboard", gcm::BitmapToClipboard
  MENUITEM "&With back color", gcm::WithBackColor
  MENUITEM "&High resolution", gcm::HighResolution
  POPUP "&Export graphics"
    MENUITEM "&EPS ...", gcm::ExportEps
    MENUITEM "&SVG ...", gcm::ExportSvg
    MENUITEM "&PiCTeX ...", gcm::ExportPicTeX
    MENUITEM "&Metafile ...", gcm::Metafile
    MENUITEM "&BMP ...", gcm::ExportBmp
  END
  MENUITEM "&Image size ...", gcm::ImageSize
  MENUITEM SEPARATOR
  MENUITEM "&Help", grcmd::HelpFile
  MENUITEM "E&xit", cm::Exit
END
POPUP "&Edit"
  MENUITEM "&Single labels ...", grcmd::SingleLabels
  POPUP "&Icons"
    MENUITEM "&No icon", grcmd::IconFirst
    MENUITEM "&Bullet", grcmd::IconFirst+1
    MENUITEM "&Circle", grcmd::IconFirst+2
    MENUITEM "&Solid box", grcmd::IconFirst+3
    MENUITEM "&Empty box", grcmd::IconFirst+4
  END
  POPUP "&Texts"
    MENUITEM "&No text", grcmd::TextFirst
    MENUITEM "&Alphabet", grcmd::TextFirst+1
    MENUITEM "&User labels", grcmd::TextFirst+2
    MENUITEM "&Valence", grcmd::TextFirst+3
  END
  MENUITEM "&Home", grcmd::LabelsHome
  MENUITEM "&Offset", grcmd::LabelsOffset
  MENUITEM SEPARATOR
  MENUITEM "&Weights", grcmd::Weights
  MENUITEM "&Digraph", grcmd::Digraph
  MENUITEM SEPARATOR
  MENUITEM "Co&mplement", grcmd::Complement
  MENUITEM "Com&plete", grcmd::Complete
  MENUITEM "Di&stances ...", grcmd::Distances
  POPUP "&Randomize"
    MENUITEM "&Connections", grcmd::RandomizeConnections
    MENUITEM "&Directions", grcmd::RandomizeDirections
    MENUITEM "&Weights", grcmd::RandomizeWeights
  END
  MENUITEM "Pol&yhedral test", grcmd::PolyhedralTest
  MENUITEM "Ne&xt view", grcmd::NextView
  MENUITEM SEPARATOR
  MENUITEM "&Help", grcmd::HelpEdit
END
POPUP "&View"
  MENUITEM "&View ...", gcm::ViewDialog
  MENUITEM "Zoom &Out", gcm::ZoomOut
  MENUITEM "Zoom &In", gcm::ZoomIn
  MENUITEM "&Factor ...", gcm::Factor
  MENUITEM "&Autofit", grcmd::Autofit
  MENUITEM "Ro&tate", grcmd::Rotate
  MENUITEM "A&ngle ...", grcmd::Angle
  MENUITEM "S&chlegel ...", grcmd::Schlegel
  MENUITEM SEPARATOR
  MENUITEM "Shift &Right", gcm::ShiftRight
  MENUITEM "Shift &Left", gcm::ShiftLeft
  MENUITEM "Shift &Up", gcm::ShiftUp
  MENUITEM "Shift &Down", gcm::ShiftDown
  MENUITEM "&Percentage ...", gcm::Percentage
  MENUITEM "Last &window", gcm::LastWindow
  MENUITEM SEPARATOR
  MENUITEM "A&xes", gcm::Axes
  MENUITEM "&Solid arrowheads", gcm::SolidArrowheads
  MENUITEM "Opaqu&e", gcm::Opaque
  MENUITEM "&Grid ...", gcm::Grid
  POPUP "Axes thic&kness"
    MENUITEM "&Screen ...", gcm::AxesScreen
    MENUITEM "&Printed ...", gcm::AxesPrinted
  END
  POPUP "Grid&lines thickness"
    MENUITEM "&Screen ...", gcm::GridScreen
    MENUITEM "&Printed ...", gcm::GridPrinted
  END
  MENUITEM "&Hyphen to minus ...", gcm::HyphenToMinus
  MENUITEM SEPARATOR
  POPUP "S&quared rectangles"
    MENUITEM "Hide &squares", grcmd::HideSquares
    MENUITEM "Hide &graph", grcmd::HideGraph
    MENUITEM "&Restore", grcmd::RestoreSegments
    MENUITEM "&Numerals", grcmd::Numerals
    MENUITEM "&Vertical segments", grcmd::VerticalSegments
  END
  MENUITEM SEPARATOR
  MENUITEM "&Help", grcmd::HelpView
END
POPUP "&Btns"
  MENUITEM "&Drawing", gcm::ModeDrawing
  MENUITEM "&Vertex move", gcm::ModeVertexMove
  MENUITEM "&Arrows", gcm::ModeArrows
  MENUITEM "&Text", gcm::ModeText
  MENUITEM "R&otate", gcm::ModeRotate
  MENUITEM "&Coordinates", gcm::ModeCoordinates
  MENUITEM "&Graphics", gcm::ModeGraphics
  MENUITEM SEPARATOR
  MENUITEM "&Redraw deletion", grcmd::RedrawDeletion
  MENUITEM "Tool&bar", grcmd::Toolbar
  MENUITEM SEPARATOR
  MENUITEM "&Help", grcmd::HelpBtns
END
POPUP "&Algo"
  MENUITEM "Hamiltonian &Circuit", grcmd::HamiltonianCircuit
  MENUITEM "Hamiltonian &Path", grcmd::HamiltonianPath
  MENUITEM "Hamiltonian e&xact", grcmd::HamiltonianExact
  MENUITEM SEPARATOR
  POPUP "&TSP"
    MENUITEM "&Sorted edges", grcmd::TspSorted
    MENUITEM "&Nearest nbr ...", grcmd::TspNearest
    MENUITEM "&Random search", grcmd::TspRandom
    MENUITEM "&Best so far", grcmd::TspBest
    MENUITEM "&Improve pairs", grcmd::TspImprove
    MENUITEM "&Optimal", grcmd::TspOptimal
  END
  MENUITEM SEPARATOR
  MENUITEM "&Eulerian", grcmd::Eulerian
  MENUITEM SEPARATOR
  POPUP "&MST"
    MENUITEM "&Kruskal", grcmd::Kruskal
    MENUITEM "&Prim", grcmd::Prim
    MENUITEM "&Minimal weight", grcmd::MinimalWeight
  END
  MENUITEM "&Dijkstra ...", grcmd::Dijkstra
  MENUITEM SEPARATOR
  MENUITEM "C&olor", grcmd::Color
  MENUITEM "&Use numbers", grcmd::UseNumbers
  MENUITEM "Welsh-Powe&ll", grcmd::WelshPowell
  MENUITEM "O&rient", grcmd::Orient
  MENUITEM SEPARATOR
  MENUITEM "R&efresh", grcmd::Refresh
  MENUITEM "&Solution only", grcmd::SolutionOnly
  MENUITEM "Slo&w motion", grcmd::SlowMotion
  MENUITEM SEPARATOR
  MENUITEM "&Help", grcmd::HelpAlgo
END
POPUP "&Misc"
  MENUITEM "&Data ...", grcmd::Data
  MENUITEM "D&efinition", grcmd::Definition
  MENUITEM "&Graph6 notation", grcmd::Graph6Notation
  MENUITEM "S&parse6 notation", grcmd::Sparse6Notation
  MENUITEM "&Bouwkamp notation", grcmd::BouwkampNotation
  MENUITEM SEPARATOR
  MENUITEM "&Icon size ...", grcmd::IconSize
  MENUITEM "Weight &range ...", grcmd::WeightRange
  MENUITEM "&Decimal places ...", gcm::DecimalPlaces
  MENUITEM "&Thicken print ...", grcmd::ThickenPrint
  POPUP "&Fonts"
    MENUITEM "&Labels ...", textcmd::FontSlot0
    MENUITEM "&Weights and scale ...", textcmd::FontSlot0+1
    MENUITEM "&Summary ...", textcmd::FontSlot0+2
    MENUITEM "&Numerals in squares ...", textcmd::FontSlot0+3
    MENUITEM "&Axis letters ...", textcmd::FontSlot0+5
    MENUITEM "&Coordinates ...", textcmd::FontSlot0+8
  END
  POPUP "&Colors"
    MENUITEM "&Background ...", textcmd::ColorRole0
    MENUITEM "&Edges ...", textcmd::ColorRole0+1
    MENUITEM "&Vertices ...", textcmd::ColorRole0+2
    MENUITEM "&Labels ...", textcmd::ColorRole0+4
    MENUITEM "&Weights ...", textcmd::ColorRole0+5
    MENUITEM "S&olution ...", textcmd::ColorRole0+6
    MENUITEM "&Summary ...", textcmd::ColorRole0+7
    MENUITEM "&Arrowheads ...", textcmd::ColorRole0+9
    MENUITEM "S&quared rectangles, axes ...", textcmd::ColorRole0+3
    MENUITEM "&Numerals in squares ...", textcmd::ColorRole0+8
    MENUITEM "&Grid lines ...", textcmd::ColorRole0+10
    MENUITEM "&Coordinates ...", textcmd::ColorRole0+11
  END
  MENUITEM "&Notebook", gcm::Notebook
  MENUITEM "Simul&print ...", gcm::Simulprint
  MENUITEM SEPARATOR
  MENUITEM "&Help", grcmd::HelpMisc
END
POPUP "&Graph6"
  POPUP "&Classic polyhedra"
    MENUITEM "&Platonic", grcmd::ClassicFirst
    MENUITEM "&Archimedean", grcmd::ClassicFirst+1
    MENUITEM "&Johnson", grcmd::ClassicFirst+2
  END
  POPUP "C&ubic polyhedra"
    MENUITEM "&0: 4-vertex", grcmd::CubicFirst
    MENUITEM "&1: 6-vertex", grcmd::CubicFirst+1
    MENUITEM "&2: 8-vertex", grcmd::CubicFirst+2
    MENUITEM "&3: 10-vertex", grcmd::CubicFirst+3
    MENUITEM "&4: 12-vertex", grcmd::CubicFirst+4
    MENUITEM "&5: 14-vertex", grcmd::CubicFirst+5
    MENUITEM "&6: 16-vertex", grcmd::CubicFirst+6
    MENUITEM "&7: 18-vertex", grcmd::CubicFirst+7
    MENUITEM "&8: 20-vertex", grcmd::CubicFirst+8
  END
  POPUP "&Snarks"
    MENUITEM "&0: 10-vertex", grcmd::SnarkFirst
    MENUITEM "&1: 18-vertex", grcmd::SnarkFirst+1
    MENUITEM "&2: 20-vertex", grcmd::SnarkFirst+2
    MENUITEM "&3: 22-vertex", grcmd::SnarkFirst+3
    MENUITEM "&4: 24-vertex", grcmd::SnarkFirst+4
    MENUITEM "&5: 26-vertex", grcmd::SnarkFirst+5
    MENUITEM "&6: 28-vertex", grcmd::SnarkFirst+6
  END
  MENUITEM "&Other ...", grcmd::OtherCollection
  MENUITEM SEPARATOR
  MENUITEM "Example &+ 1", grcmd::ExamplePlus1
  MENUITEM "Example + 1&0", grcmd::ExamplePlus10
  MENUITEM "Example + 10&0", grcmd::ExamplePlus100
  MENUITEM "Example &- 1", grcmd::ExampleMinus1
  MENUITEM "Example - &10", grcmd::ExampleMinus10
  MENUITEM "Example - 1&00", grcmd::ExampleMinus100
  MENUITEM "&Next collection", grcmd::NextCollection
  MENUITEM SEPARATOR
  MENUITEM "&Help", grcmd::HelpViewer
END
END

// Drawing and Vertex move, the label kinds, Offset, Autofit and Rotate; the View
// keys of every picture window; open, save and print.
ACCELERATORS GRFMENU
  "D", gcm::ModeDrawing, CONTROL
  "M", gcm::ModeVertexMove, CONTROL
  "B", grcmd::IconFirst+1, CONTROL
  "T", grcmd::TextFirst, CONTROL
  "A", grcmd::TextFirst+1, CONTROL
  "U", grcmd::TextFirst+2, CONTROL
  "V", grcmd::TextFirst+3, CONTROL
  VK_HOME, grcmd::LabelsOffset, CONTROL
  "F", grcmd::Autofit, CONTROL
  "R", grcmd::Rotate, CONTROL
  "C", grcmd::Color, CONTROL
  VK_PRIOR, gcm::ZoomIn
  VK_NEXT, gcm::ZoomOut
  VK_LEFT, gcm::ShiftLeft
  VK_RIGHT, gcm::ShiftRight
  VK_DOWN, gcm::ShiftDown
  VK_UP, gcm::ShiftUp
  "L", gcm::LastWindow, CONTROL
  "G", gcm::Grid, CONTROL
  "S", cm::Save, CONTROL
  "O", cm::Open, CONTROL
  "P", gcm::Print, CONTROL
  "P", gcm::Format, CONTROL, SHIFT
  VK_F5, grcmd::ExamplePlus1
  VK_F5, grcmd::ExamplePlus10, CONTROL
  VK_F5, grcmd::ExamplePlus100, CONTROL, SHIFT
  VK_F4, grcmd::ExampleMinus1
  VK_F4, grcmd::ExampleMinus10, CONTROL
  VK_F4, grcmd::ExampleMinus100, CONTROL, SHIFT
  VK_F6, grcmd::NextCollection
  VK_F7, grcmd::NextView
END

// The squared-rectangle library: the 24 category buttons (201..224), the
// "W X H" list (101), the chosen entry's code (102), close (2) and help (3).
DIALOG SQRECTLIB "squared rectangles", 330, 236
  LTEXT "rectangles", -1, 8, 6, 60, 10
  PUSHBUTTON "9", 201, 8, 18, 24, 14
  PUSHBUTTON "10", 202, 34, 18, 24, 14
  PUSHBUTTON "11", 203, 60, 18, 24, 14
  PUSHBUTTON "12", 204, 86, 18, 24, 14
  PUSHBUTTON "13", 205, 112, 18, 24, 14
  PUSHBUTTON "14", 206, 138, 18, 24, 14
  PUSHBUTTON "15", 207, 164, 18, 24, 14
  PUSHBUTTON "16", 208, 190, 18, 24, 14
  PUSHBUTTON "17", 209, 216, 18, 24, 14
  LTEXT "simple squares", -1, 8, 36, 60, 10
  PUSHBUTTON "21", 210, 8, 48, 24, 14
  PUSHBUTTON "22", 211, 34, 48, 24, 14
  PUSHBUTTON "23", 212, 60, 48, 24, 14
  PUSHBUTTON "24", 213, 86, 48, 24, 14
  PUSHBUTTON "25", 214, 112, 48, 24, 14
  PUSHBUTTON "26", 215, 138, 48, 24, 14
  PUSHBUTTON "27", 216, 164, 48, 24, 14
  PUSHBUTTON "28", 217, 190, 48, 24, 14
  PUSHBUTTON "29", 218, 216, 48, 24, 14
  LTEXT "compound squares", -1, 8, 66, 70, 10
  PUSHBUTTON "24", 219, 8, 78, 24, 14
  PUSHBUTTON "25", 220, 34, 78, 24, 14
  PUSHBUTTON "26", 221, 60, 78, 24, 14
  PUSHBUTTON "27", 222, 86, 78, 24, 14
  PUSHBUTTON "28", 223, 112, 78, 24, 14
  PUSHBUTTON "29", 224, 138, 78, 24, 14
  PUSHBUTTON "close", 2, 272, 18, 50, 14
  PUSHBUTTON "help", 3, 272, 36, 50, 14
  LISTBOX 101, 8, 98, 90, 130
  EDITTEXT 102, 106, 98, 216, 130
END

// The toolbar: one button per mouse mode (the mode's command id), close (2).
DIALOG TOOLS "toolbar", 96, 150
  PUSHBUTTON "drawing", 120, 6, 6, 84, 14
  PUSHBUTTON "vertex move", 122, 6, 22, 84, 14
  PUSHBUTTON "arrow flip (RB)", 127, 6, 38, 84, 14
  PUSHBUTTON "text edit", 123, 6, 54, 84, 14
  PUSHBUTTON "rotation", 126, 6, 70, 84, 14
  PUSHBUTTON "coords/recenter", 125, 6, 86, 84, 14
  PUSHBUTTON "clipboard graphics", 124, 6, 102, 84, 14
  PUSHBUTTON "close", 2, 6, 126, 84, 14
END

// Weight range: the low (102) and high (104) random weights.
// Circulant: the vertex count (102) and the separations (104).
DIALOG CIRCULANT "circulant", 180, 62
  LTEXT "vertices", -1, 8, 10, 50, 10
  EDITTEXT 102, 60, 8, 40, 12
  LTEXT "separations", -1, 8, 26, 50, 10
  EDITTEXT 104, 60, 24, 40, 12
  DEFPUSHBUTTON "ok", 1, 120, 8, 50, 14
  PUSHBUTTON "cancel", 2, 120, 26, 50, 14
END

DIALOG RNDRANGE "random weights", 180, 62
  LTEXT "set low", -1, 8, 10, 50, 10
  EDITTEXT 102, 60, 8, 40, 12
  LTEXT "set high", -1, 8, 26, 50, 10
  EDITTEXT 104, 60, 24, 40, 12
  DEFPUSHBUTTON "ok", 1, 120, 8, 50, 14
  PUSHBUTTON "cancel", 2, 120, 26, 50, 14
END

// Single labels: the names of the vertices (101), the icon (201..205) and
// the text (211..214) they get, apply (1) and close (2).
DIALOG LABELS "individual labels", 220, 132
  LTEXT "vertices (e.g. A B C_0)", -1, 8, 8, 204, 10
  EDITTEXT 101, 8, 20, 204, 12
  GROUPBOX "icon", -1, 8, 38, 100, 70
  RADIOBUTTON "bullet", 201, 14, 48, 90, 10
  RADIOBUTTON "circle", 202, 14, 60, 90, 10
  RADIOBUTTON "solid box", 203, 14, 72, 90, 10
  RADIOBUTTON "open box", 204, 14, 84, 90, 10
  RADIOBUTTON "no mark", 205, 14, 96, 90, 10
  GROUPBOX "text", -1, 112, 38, 100, 70
  RADIOBUTTON "alphabet", 211, 118, 48, 90, 10
  RADIOBUTTON "your label", 212, 118, 60, 90, 10
  RADIOBUTTON "valence", 213, 118, 72, 90, 10
  RADIOBUTTON "no text", 214, 118, 84, 90, 10
  DEFPUSHBUTTON "apply", 1, 40, 112, 50, 14
  PUSHBUTTON "close", 2, 130, 112, 50, 14
END
)RC";

} // namespace quan
